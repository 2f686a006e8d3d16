#include "Program.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    // Set before any window exists, so that every window, a start-up error box included,
    // names the desktop entry it belongs to (the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_DESKTOP_ID));
    app::Program program(argc, argv);
    return program.Run();
}
