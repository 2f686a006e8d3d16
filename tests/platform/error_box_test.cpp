#include "platform/Error.h"
#include "platform/ErrorBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class CapturedErrors : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ =
            platform::setErrorReporter([this](const QString& text) { shown.push_back(text); });
    }
    void TearDown() override { platform::setErrorReporter(previous_); }

    std::vector<QString> shown;

private:
    platform::ErrorReporter previous_;
};

TEST(ErrorBoxText, AppendsFullStopOnlyAfterCharactersSortingAfterIt)
{
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Resource pips not found", "Resource pips not found."},
        {"Cannot create file \"/x/DS-DIGI.TTF\". No such file or directory",
         "Cannot create file \"/x/DS-DIGI.TTF\". No such file or directory."},
        {"Ends in a digit 7", "Ends in a digit 7."},
        {"Ends in a slash /", "Ends in a slash /."},
        {"Already ends.", "Already ends."},
        {"Ends with a bang!", "Ends with a bang!"},
        {"Ends with a dash -", "Ends with a dash -"},
        {"Ends with a parenthesis)", "Ends with a parenthesis)"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::errorBoxText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown))
            << c.message;
}

TEST_F(CapturedErrors, GuardedHandlerShowsTheErrorAndReturns)
{
    bool after = false;
    platform::guarded([] { throw platform::Error(QStringLiteral("Datei fehlt")); })();
    after = true;
    platform::guarded([] { throw std::runtime_error("plain error"); })();
    platform::guarded([] {})();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], QStringLiteral("Datei fehlt."));
    EXPECT_EQ(shown[1], QStringLiteral("plain error."));
    EXPECT_TRUE(after);
}

TEST_F(CapturedErrors, ErrorEscapingAnUnguardedHandlerIsShownAndTheLoopGoesOn)
{
    QPushButton button(QStringLiteral("Go"));
    int runs = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++runs;
        throw platform::Error(QStringLiteral("Boom"));
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::qWait(20);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], QStringLiteral("Boom."));
    EXPECT_FALSE(button.isDown());
}

TEST(ErrorBox, IsAStopBoxWithTheTitleAsCaptionAndOnlyOk)
{
    platform::setApplicationTitle(QStringLiteral("Brask Quorvel"));
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->accept();
    });
    platform::showErrorBox(QStringLiteral("Resource <pips> not found"));
    EXPECT_EQ(title, QStringLiteral("Brask Quorvel"));
    EXPECT_EQ(text, QStringLiteral("Resource <pips> not found."));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, QMessageBox::Ok);
}

} // namespace
