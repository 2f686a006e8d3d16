#include "AboutDialogFixture.h"
#include "about/AboutTexts.h"
#include "about/ClickableLabel.h"
#include "about/Panel.h"
#include "platform/Error.h"
#include "platform/Picture.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QUrl HomePage(QString::fromUtf8(about::HomePageAddress));
const QUrl ToolsPage(QString::fromUtf8(about::ToolsPageAddress));

TEST_F(AboutDialog, OnlyTheLogoAndTheLinkOpenPagesAndTheDialogStaysOpen)
{
    showDialog();
    const struct {
        QWidget* control;
        Qt::MouseButton button;
        std::vector<QUrl> opens;
    } cases[] = {
        {dialog->Image1, Qt::LeftButton, {HomePage}}, {dialog->Label2, Qt::LeftButton, {ToolsPage}},
        {dialog->Label2, Qt::RightButton, {}},        {dialog->Image1, Qt::MiddleButton, {}},
        {dialog->ProductName, Qt::LeftButton, {}},    {dialog->Label1, Qt::LeftButton, {}},
        {dialog->Version, Qt::LeftButton, {}},        {dialog->Date, Qt::LeftButton, {}},
        {dialog->Copyright, Qt::LeftButton, {}},      {dialog->Panel1, Qt::LeftButton, {}},
        {dialog->Memo1, Qt::LeftButton, {}},
    };
    for (const auto& c : cases) {
        opened.clear();
        clickAt(c.control, c.button);
        EXPECT_EQ(opened, c.opens) << c.control->objectName().toStdString() << " " << c.button;
        EXPECT_TRUE(dialog->isVisible());
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(AboutDialog, PointingHandOnlyOverTheLogoAndTheLink)
{
    showDialog();
    auto centreOf = [this](QWidget* control) {
        return control->mapTo(dialog.get(), control->rect().center());
    };
    const struct {
        const char* what;
        QPoint place; // in the dialog
        Qt::CursorShape shape;
    } cases[] = {
        {"logo", centreOf(dialog->Image1), Qt::PointingHandCursor},
        {"link", centreOf(dialog->Label2), Qt::PointingHandCursor},
        {"credit", centreOf(dialog->Copyright), Qt::ArrowCursor},
        {"product name", centreOf(dialog->ProductName), Qt::ArrowCursor},
        {"date", centreOf(dialog->Date), Qt::ArrowCursor},
        {"memo", centreOf(dialog->Memo1), Qt::IBeamCursor},
        {"OK", centreOf(dialog->OKButton), Qt::ArrowCursor},
        {"empty panel", dialog->Panel1->mapTo(dialog.get(), QPoint(100, 80)), Qt::ArrowCursor},
        {"window margin", QPoint(3, 3), Qt::ArrowCursor},
    };
    for (const auto& c : cases) {
        QWidget* under = dialog->childAt(c.place);
        const QCursor cursor = under ? under->cursor() : dialog->cursor();
        EXPECT_EQ(cursor.shape(), c.shape) << c.what;
    }
}

TEST_F(AboutDialog, FailingOpenerShowsItsErrorAndTheDialogStaysOpen)
{
    dialog->setUrlOpener(
        [](const QUrl&) { throw platform::Error(QStringLiteral("Kein Browser")); });
    showDialog();
    clickAt(dialog->Label2);
    EXPECT_EQ(errors, std::vector<QString>{QStringLiteral("Kein Browser.")});
    EXPECT_TRUE(dialog->isVisible());
}

class UrlCatcher : public QObject {
    Q_OBJECT

public:
    std::vector<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

TEST_F(AboutDialog, DefaultOpenerHandsTheAddressToTheDesktop)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    dialog->setUrlOpener({});
    showDialog();
    clickAt(dialog->Image1);
    clickAt(dialog->Label2);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(catcher.urls, (std::vector<QUrl>{HomePage, ToolsPage}));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(errors.empty());
}

} // namespace

#include "dialog_links_test.moc"
