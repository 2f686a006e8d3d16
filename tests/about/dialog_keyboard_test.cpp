#include "AboutDialogFixture.h"
#include "about/AboutTexts.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

TEST_F(AboutDialog, OnlyOKAndTheCloseBoxEndTheShowing)
{
    const struct {
        const char* what;
        std::function<void()> action;
        int result;
    } cases[] = {
        {"Enter", [this] { press(Qt::Key_Return); }, QDialog::Accepted},
        {"keypad Enter", [this] { press(Qt::Key_Enter, Qt::KeypadModifier); }, QDialog::Accepted},
        {"Space", [this] { press(Qt::Key_Space); }, QDialog::Accepted},
        {"click on OK", [this] { clickAt(dialog->OKButton); }, QDialog::Accepted},
        {"close box", [this] { dialog->close(); }, QDialog::Rejected},
        {"Escape", [this] { press(Qt::Key_Escape); }, StillOpen},
        {"Enter in the memo",
         [this] {
             dialog->Memo1->setFocus();
             press(Qt::Key_Return);
         },
         StillOpen},
    };
    for (const auto& c : cases) {
        createDialog();
        QWidget* focusAtOpening = nullptr;
        const int result = execWith([&] {
            focusAtOpening = QApplication::focusWidget();
            c.action();
        });
        EXPECT_EQ(focusAtOpening, dialog->OKButton) << c.what;
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_FALSE(dialog->isVisible()) << c.what;
    }
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(AboutDialog, MemoTakesNewLinesAndKeepsEditsUntilTheProgramEnds)
{
    const QString designed = QString::fromUtf8(about::NoticeText);
    ASSERT_EQ(dialog->Memo1->toPlainText(), designed);

    ASSERT_EQ(execWith([this] {
                  dialog->Memo1->setFocus();
                  QTest::keyClicks(dialog->Memo1, QStringLiteral("Hallo"));
                  press(Qt::Key_Return);
                  clickAt(dialog->OKButton);
              }),
              QDialog::Accepted);
    const QString edited = QStringLiteral("Hallo\n") + designed;
    EXPECT_EQ(dialog->Memo1->toPlainText(), edited);

    QString shownAgain;
    execWith([&] { shownAgain = dialog->Memo1->toPlainText(); });
    EXPECT_EQ(shownAgain, edited);

    // A new start brings the designed text back.
    createDialog();
    EXPECT_EQ(dialog->Memo1->toPlainText(), designed);
}

TEST_F(AboutDialog, TabGoesBetweenOKAndTheMemoOnly)
{
    showDialog();
    ASSERT_EQ(QApplication::focusWidget(), dialog->OKButton);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog->Memo1);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog->OKButton);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), dialog->Memo1);
    EXPECT_EQ(dialog->Memo1->toPlainText(), QString::fromUtf8(about::NoticeText));
}

} // namespace
