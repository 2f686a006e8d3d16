#include "TFormAbout.h"

#include "AboutTexts.h"
#include "ClickableLabel.h"
#include "Panel.h"
#include "Placement.h"
#include "platform/Error.h"
#include "platform/ErrorBox.h"
#include "platform/Picture.h"
#include "platform/StaticText.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace about {
namespace {

void openInBrowser(const QUrl& url)
{
    if (!QDesktopServices::openUrl(url))
        throw platform::Error(
            QStringLiteral("Die Seite %1 konnte nicht geöffnet werden").arg(url.toString()));
}

QWidget* createControl(const ControlDefinition& definition, QWidget* parent,
                       const QString& logoPath)
{
    const QString text = QString::fromUtf8(definition.text);
    switch (definition.kind) {
    case ControlKind::Button:
        return new QPushButton(text, parent);
    case ControlKind::Panel:
        return new Panel(parent);
    case ControlKind::Label: {
        auto* label = new platform::StaticText(parent);
        label->setText(text);
        return label;
    }
    case ControlKind::LinkLabel: {
        auto* label = new ClickableLabel(parent);
        label->setText(text);
        return label;
    }
    case ControlKind::Picture: {
        auto* picture = new platform::Picture(parent);
        // A missing or unreadable logo leaves the picture empty; the dialog works without it.
        if (QFile::exists(logoPath))
            picture->setPicture(QImage(logoPath));
        picture->setTransparent(true);
        return picture;
    }
    case ControlKind::Memo: {
        auto* memo = new QPlainTextEdit(parent);
        memo->setPlainText(text);
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Tab moves on to the next control; Enter stays in the memo as a new line.
        memo->setTabChangesFocus(true);
        return memo;
    }
    }
    return nullptr;
}

} // namespace

TFormAbout::TFormAbout(QWidget* meterWindow, const QString& logoPath)
    : QDialog(meterWindow), opener_(openInBrowser)
{
    setWindowTitle(QString::fromUtf8(FormAboutCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(FormAboutClientWidth, FormAboutClientHeight);
    platform::applyFont(this, FormAboutFont, FallbackFamily);

    createControls(logoPath);
    connectHandlers();
    OKButton->setDefault(true);
    OKButton->setFocus();
}

void TFormAbout::setUrlOpener(UrlOpener opener)
{
    opener_ = opener ? std::move(opener) : UrlOpener(openInBrowser);
}

void TFormAbout::createControls(const QString& logoPath)
{
    for (const ControlDefinition& definition : FormAboutControls()) {
        QWidget* parent = definition.parent ? findChild<QWidget*>(definition.parent) : this;
        QWidget* control = createControl(definition, parent, logoPath);
        control->setObjectName(QString::fromUtf8(definition.name));
        control->setGeometry(definition.geometry);
        if (definition.font)
            platform::applyFont(control, *definition.font, FallbackFamily);
        if (definition.sizesToText)
            control->resize(control->sizeHint());
        if (definition.handCursor)
            control->setCursor(Qt::PointingHandCursor);
    }
    OKButton = findChild<QPushButton*>("OKButton");
    Panel1 = findChild<Panel*>("Panel1");
    ProductName = findChild<QLabel*>("ProductName");
    Version = findChild<QLabel*>("Version");
    Copyright = findChild<QLabel*>("Copyright");
    Label2 = findChild<ClickableLabel*>("Label2");
    Date = findChild<QLabel*>("Date");
    Label1 = findChild<QLabel*>("Label1");
    Image1 = findChild<platform::Picture*>("Image1");
    Memo1 = findChild<QPlainTextEdit*>("Memo1");
}

void TFormAbout::connectHandlers()
{
    using platform::guarded;
    connect(OKButton, &QPushButton::clicked, this, guarded([this] { OKButtonClick(); }));
    connect(Image1, &platform::Picture::clicked, this, guarded([this] { Image1Click(); }));
    connect(Label2, &ClickableLabel::clicked, this, guarded([this] { Label2Click(); }));
}

void TFormAbout::setVisible(bool visible)
{
    if (visible && !placed_) {
        placeOverMeterWindow();
        placed_ = true;
    }
    QDialog::setVisible(visible);
}

void TFormAbout::placeOverMeterWindow()
{
    QWidget* meter = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* screen = meter ? meter->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->availableVirtualGeometry();
    // The dialog's own frame is not known before it is first shown; the meter window
    // has the same kind of frame.
    const QRect meterFrame = meter ? meter->frameGeometry() : screen->availableGeometry();
    const QSize frame = meter ? meterFrame.size() - meter->size() : QSize(0, 0);
    // move() also marks the position as chosen, so Qt keeps it for every later showing.
    move(centredOver(meterFrame, size() + frame, desktop));
}

void TFormAbout::keyPressEvent(QKeyEvent* event)
{
    // No button cancels this dialog: Escape closes nothing.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormAbout::OKButtonClick()
{
    accept();
}

void TFormAbout::Image1Click()
{
    opener_(QUrl(QString::fromUtf8(HomePageAddress)));
}

void TFormAbout::Label2Click()
{
    opener_(QUrl(QString::fromUtf8(ToolsPageAddress)));
}

} // namespace about
