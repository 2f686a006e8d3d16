// One start of the program as far as the display's typeface goes: a display
// asking for "DS-Digital" exists, then the typeface is installed. Reports on
// stdout what came of it, one "key=value" per line. With --wait it prints
// "ready" and waits for a line on stdin before installing, so that several
// probes can be let go at the same moment.
#include "meter/InstallDigitFont.h"
#include "platform/Application.h"
#include "platform/Error.h"
#include "platform/ErrorBox.h"
#include "platform/StaticText.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    QTextStream out(stdout);

    platform::StaticText display;
    display.setGeometry(0, 0, 58, 20);
    QFont font(QString::fromLatin1(meter::kDigitFontFamily));
    font.setPixelSize(24);
    font.setBold(true);
    display.setFont(font);
    display.setText(QStringLiteral("0.0000"));
    out << "preinstalled=" << QFontDatabase::hasFamily(QString::fromLatin1(meter::kDigitFontFamily))
        << "\n";
    const QImage substitute = display.grab().toImage();

    if (app.arguments().contains(QStringLiteral("--wait"))) {
        out << "ready\n";
        out.flush();
        std::string line;
        std::getline(std::cin, line);
    }

    QString Datei;
    try {
        meter::InstallDigitFont(Datei);
    } catch (const platform::Error& error) {
        out << "error=" << platform::errorBoxText(error.message()) << "\n";
    }

    out << "path=" << Datei << "\n";
    out << "available=" << QFontDatabase::hasFamily(QString::fromLatin1(meter::kDigitFontFamily))
        << "\n";
    out << "family=" << QFontInfo(display.font()).family() << "\n";
    out << "changed=" << (display.grab().toImage() != substitute) << "\n";
    return 0;
}
