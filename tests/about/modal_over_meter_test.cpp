#include "../meter/MeterWindowFixture.h"
#include "about/TFormAbout.h"
#include "platform/RadioButton.h"
#include "platform/Shape.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace {

void clickOn(QWidget* control)
{
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(control->window(), control->rect().center()));
}

TEST_F(MeterWindow, AboutButtonShowsTheDialogAndTheMeterTakesNoInputMeanwhile)
{
    about::TFormAbout dialog(form.get());
    dialog.setUrlOpener([](const QUrl&) {});
    form->setAboutDialog(&dialog);

    bool wasModal = false;
    QColor backgroundWhileOpen;
    QTimer::singleShot(0, &dialog, [&] {
        if (QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; })) {
            wasModal = QApplication::activeModalWidget() == &dialog;
            clickOn(form->RadioButton5);
            backgroundWhileOpen = form->Shape1->brushColor();
            QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
        }
        dialog.hide();
    });
    clickOn(form->Button2); // returns once the dialog has closed

    EXPECT_TRUE(wasModal);
    EXPECT_EQ(backgroundWhileOpen, QColor(255, 255, 255));
    EXPECT_FALSE(form->RadioButton5->isChecked());
    EXPECT_FALSE(dialog.isVisible());

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    clickOn(form->RadioButton5);
    EXPECT_EQ(form->Shape1->brushColor(), QColor(255, 0, 255)) << "input reaches the meter again";
    EXPECT_TRUE(errors.empty());
}

} // namespace
