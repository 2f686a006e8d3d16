#include "FirstPaint.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// A plain Qt window of the meter window's size with the same kinds and number of controls.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(325, 223);
    for (QRect r : {QRect(6, 8, 121, 209), QRect(16, 16, 101, 197), QRect(42, 94, 50, 50)})
        (new QWidget(&window))->setGeometry(r);
    (new QLabel(QStringLiteral("0.0000"), &window))->setGeometry(40, 34, 58, 20);
    (new QLabel(QStringLiteral("Volt"), &window))->setGeometry(40, 60, 57, 10);
    (new QPushButton(QStringLiteral("About"), &window))->setGeometry(144, 192, 75, 25);
    auto* values = new QGroupBox(&window);
    values->setGeometry(144, 8, 169, 49);
    (new QLineEdit(QStringLiteral("0.0000"), values))->setGeometry(8, 8, 57, 24);
    auto* combo = new QComboBox(values);
    combo->setEditable(true);
    combo->addItems({"Off", "mV", "Volt", "mA", "Ampere", "kOhm", "Ohm", "Durchgang"});
    combo->setGeometry(72, 8, 89, 24);
    (new QPushButton(QStringLiteral("Close"), &window))->setGeometry(224, 192, 89, 25);
    for (auto [x, count] : {std::pair{232, 2}, std::pair{144, 3}}) {
        auto* group = new QGroupBox(QStringLiteral("Group"), &window);
        group->setGeometry(x, 62, 81, 97);
        for (int i = 0; i < count; ++i)
            (new QRadioButton(QStringLiteral("Option"), group))
                ->setGeometry(8, 24 + 24 * i, 65, 17);
    }
    (new QPushButton(QStringLiteral("Copy"), &window))->setGeometry(144, 163, 169, 25);

    reportFirstPaint(window);
    window.show();
    return application.exec();
}
