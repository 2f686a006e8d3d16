#include "AboutDialogFixture.h"
#include "about/AboutTexts.h"
#include "about/ClickableLabel.h"
#include "about/Panel.h"
#include "platform/Picture.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>

namespace {

QImage grabbed(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST_F(AboutDialog, IsAFixedSizeWindowWithOnlyACloseBox)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About..."));
    EXPECT_EQ(dialog->minimumSize(), QSize(576, 288));
    EXPECT_EQ(dialog->maximumSize(), QSize(576, 288));
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowContextHelpButtonHint));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(AboutDialog, ControlsShowTheirTextsAtTheirPlaces)
{
    const struct {
        QWidget* control;
        QString text;
        QPoint place; // in the dialog
    } cases[] = {
        {dialog->ProductName, QStringLiteral("Brask Quorvel"), {24, 24}},
        {dialog->Label1, QStringLiteral("Version:"), {24, 56}},
        {dialog->Version, QStringLiteral("v1.0"), {69, 56}},
        {dialog->Date, QStringLiteral("Jul  2020"), {205, 56}},
        {dialog->Copyright, QStringLiteral("© 2020 Brask Quorvel"), {24, 190}},
        {dialog->Label2, QStringLiteral("quorvel.example/tools"), {154, 190}},
        {dialog->Image1, QString(), {24, 112}},
        {dialog->Memo1, QString(), {288, 23}},
        {dialog->OKButton, QStringLiteral("OK"), {240, 255}},
    };
    for (const auto& c : cases) {
        const std::string name = c.control->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(c.control)) {
            EXPECT_EQ(label->text(), c.text) << name;
        }
        if (auto* button = qobject_cast<QPushButton*>(c.control)) {
            EXPECT_EQ(button->text(), c.text) << name;
        }
        EXPECT_EQ(c.control->mapTo(dialog.get(), QPoint(0, 0)), c.place) << name;
    }
    EXPECT_EQ(dialog->Image1->size(), QSize(250, 46));
    EXPECT_EQ(dialog->Image1->picture().size(), QSize(250, 46)) << "the program's logo";
    EXPECT_EQ(dialog->Memo1->size(), QSize(273, 209));
    EXPECT_EQ(dialog->Panel1->geometry(), QRect(8, 8, 561, 241));
    EXPECT_TRUE(dialog->OKButton->isDefault());

    // The link names the tools page, on the same site as the home page.
    const QUrl tools(QString::fromUtf8(about::ToolsPageAddress));
    const QUrl home(QString::fromUtf8(about::HomePageAddress));
    EXPECT_EQ(tools.host(), home.host());
    EXPECT_EQ(dialog->Label2->text(), tools.host() + tools.path().chopped(1));
    EXPECT_TRUE(dialog->Label2->font().underline());
    EXPECT_EQ(dialog->Label2->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(dialog->ProductName->font().bold());
}

TEST_F(AboutDialog, NamedFacesOrTheirNarrowStandInAreUsed)
{
    const struct {
        QWidget* control;
        const char* family;
    } cases[] = {
        {dialog->Label1, "Tahoma"},        {dialog->Memo1, "Tahoma"},
        {dialog->OKButton, "Tahoma"},      {dialog->ProductName, "MS Sans Serif"},
        {dialog->Label2, "MS Sans Serif"},
    };
    for (const auto& c : cases) {
        const QString named = QString::fromUtf8(c.family);
        const QString expected =
            QFontDatabase::hasFamily(named) ? named : QStringLiteral("Liberation Sans");
        EXPECT_EQ(QFontInfo(c.control->font()).family(), expected)
            << c.control->objectName().toStdString();
    }
}

TEST_F(AboutDialog, EveryTextIsWholeAndNothingOnThePanelOverlaps)
{
    const QList<QWidget*> onPanel =
        dialog->Panel1->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(onPanel.size(), 8);
    const QRect insideBevels = dialog->Panel1->rect().adjusted(2, 2, -2, -2);
    for (QWidget* control : onPanel) {
        const std::string name = control->objectName().toStdString();
        EXPECT_TRUE(insideBevels.contains(control->geometry())) << name;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            const QFontMetrics metrics(label->font());
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << name;
            EXPECT_LE(metrics.height(), label->height()) << name;
        }
        for (QWidget* other : onPanel) {
            if (other != control) {
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << name << " and " << other->objectName().toStdString();
            }
        }
    }
}

TEST_F(AboutDialog, MemoHoldsTheEditableWrappingNotice)
{
    const QStringList lines = dialog->Memo1->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 30);
    EXPECT_EQ(lines[7], QStringLiteral("GARANTIE- UND HAFTUNGSAUSSCHLUSS"));
    for (int number = 1; number <= 30; ++number) {
        const bool empty = number == 2 || number == 6 || number == 7 || number == 9;
        EXPECT_EQ(lines[number - 1].isEmpty(), empty) << "line " << number;
    }
    EXPECT_FALSE(dialog->Memo1->isReadOnly());

    showDialog();
    dialog->Memo1->grab(); // lays out the lines in view
    EXPECT_TRUE(dialog->Memo1->verticalScrollBar()->isVisible());
    EXPECT_FALSE(dialog->Memo1->horizontalScrollBar()->isVisible());
    // Long lines wrap inside the memo rather than running off to the right.
    const QTextBlock fourth = dialog->Memo1->document()->findBlockByNumber(3);
    EXPECT_GT(fourth.layout()->lineCount(), 1) << fourth.text().toStdString();
    EXPECT_EQ(dialog->Memo1->horizontalScrollBar()->maximum(), 0);
}

TEST_F(AboutDialog, PanelShowsALoweredOuterAndARaisedInnerBevel)
{
    const QImage shot = grabbed(*dialog->Panel1);
    const QRgb shadow = dialog->Panel1->palette().color(QPalette::Dark).rgb();
    const QRgb highlight = dialog->Panel1->palette().color(QPalette::Light).rgb();
    const QRgb face = dialog->palette().color(QPalette::Window).rgb();
    ASSERT_LT(qGray(shadow), qGray(face));
    ASSERT_GT(qGray(highlight), qGray(face));
    const int r = shot.width() - 1, b = shot.height() - 1;
    const struct {
        const char* what;
        QPoint place;
        QRgb colour;
    } cases[] = {
        {"outer top", {100, 0}, shadow},
        {"outer left", {0, 100}, shadow},
        {"outer right", {r, 100}, highlight},
        {"outer bottom", {100, b}, highlight},
        {"outer top-right", {r, 0}, highlight},
        {"outer bottom-left", {0, b}, highlight},
        {"inner top", {100, 1}, highlight},
        {"inner left", {1, 100}, highlight},
        {"inner right", {r - 1, 100}, shadow},
        {"inner bottom", {100, b - 1}, shadow},
        {"inside", {100, 80}, face},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shot.pixel(c.place), c.colour) << c.what;
}

TEST_F(AboutDialog, LogoIsDrawnWithItsKeyColourTransparentAndMayBeMissing)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Key colour bottom-left; a different one from the panel's, so that it shows.
    const QRgb key = qRgb(255, 0, 255), ink = qRgb(20, 40, 160);
    QImage logo(6, 3, QImage::Format_RGB888);
    logo.fill(ink);
    logo.setPixel(0, 2, key);
    logo.setPixel(4, 0, key);
    const QString logoPath = folder.filePath(QStringLiteral("logo.bmp"));
    ASSERT_TRUE(logo.save(logoPath, "BMP"));

    createDialog(logoPath);
    ASSERT_EQ(dialog->Image1->picture().size(), QSize(6, 3));
    const QImage shot = grabbed(*dialog);
    const QPoint at = dialog->Image1->mapTo(dialog.get(), QPoint(0, 0));
    const QRgb face = dialog->palette().color(QPalette::Window).rgb();
    EXPECT_EQ(shot.pixel(at + QPoint(0, 2)), face);
    EXPECT_EQ(shot.pixel(at + QPoint(4, 0)), face);
    EXPECT_EQ(shot.pixel(at + QPoint(1, 1)), ink);

    QFile garbage(folder.filePath(QStringLiteral("garbage.bmp")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("BM not a bitmap");
    garbage.close();
    for (const QString& unusable :
         {folder.filePath(QStringLiteral("missing.bmp")), garbage.fileName(), QString()}) {
        createDialog(unusable);
        EXPECT_TRUE(dialog->Image1->picture().isNull()) << unusable.toStdString();
        EXPECT_FALSE(grabbed(*dialog).isNull());
        opened.clear();
        showDialog();
        clickAt(dialog->Image1);
        EXPECT_EQ(opened.size(), 1u) << "the logo's place still links";
        dialog->accept();
    }
}

} // namespace
