#include "TForm1.h"

#include "Form1Definition.h"
#include "InstallDigitFont.h"
#include "PictureActions.h"
#include "RangeTable.h"
#include "export/MeterExport.h"
#include "platform/ComboBox.h"
#include "platform/ErrorBox.h"
#include "platform/KeyColour.h"
#include "platform/Picture.h"
#include "platform/RadioButton.h"
#include "platform/Shape.h"
#include "platform/StaticText.h"
#include "settings/WindowSettings.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDirIterator>
#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <limits>

namespace meter {
namespace {

constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Pink = qRgb(255, 0, 255);

// Every size of the program icon the resources carry, so that the title bar, the task
// switcher and the window list each get a sharp one.
QIcon programIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"));
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

QString formPicturePath(const char* control)
{
    return QStringLiteral(":/form1/%1.bmp").arg(QLatin1String(control));
}

QWidget* createControl(const ControlDefinition& definition, QWidget* parent)
{
    const QString text = QString::fromUtf8(definition.text);
    switch (definition.kind) {
    case ControlKind::Shape:
        return new platform::Shape(parent);
    case ControlKind::Picture: {
        auto* picture = new platform::Picture(parent);
        picture->setPicture(QImage(formPicturePath(definition.name)));
        picture->setTransparent(true);
        return picture;
    }
    case ControlKind::StaticText: {
        auto* staticText = new platform::StaticText(parent);
        staticText->setText(text);
        return staticText;
    }
    case ControlKind::Button:
        return new QPushButton(text, parent);
    case ControlKind::BitButton: {
        auto* button = new QPushButton(text, parent);
        const QImage glyph(formPicturePath(definition.name));
        button->setIcon(QPixmap::fromImage(platform::withKeyColourTransparent(glyph)));
        button->setIconSize(glyph.size());
        return button;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(text, parent);
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(text, parent);
        edit->setMaxLength(std::numeric_limits<int>::max());
        return edit;
    }
    case ControlKind::ComboBox: {
        auto* combo = new platform::ComboBox(parent);
        for (const Range& range : RangeTable)
            combo->addItem(QString::fromUtf8(range.entryText));
        combo->setEditTextUnselected(text);
        return combo;
    }
    case ControlKind::RadioButton:
        return new platform::RadioButton(text, parent);
    }
    return nullptr;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QString::fromUtf8(Form1Caption));
    // Taskbars that show the icon name show the application's title.
    setWindowIconText(platform::applicationTitle());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Form1ClientWidth, Form1ClientHeight);
    platform::applyFont(this, Form1Font);
    setWindowIcon(programIcon());

    createControls();
    connectHandlers();
    // No control is named active: the first one in Tab order takes the focus.
    Button2->setFocus();
}

TForm1::~TForm1()
{
    // The children outlive this body; none of their last signals may reach a handler.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void TForm1::createControls()
{
    for (const ControlDefinition& definition : Form1Controls()) {
        QWidget* parent = definition.parent ? findChild<QWidget*>(definition.parent) : this;
        QWidget* control = createControl(definition, parent);
        control->setObjectName(QString::fromUtf8(definition.name));
        control->setGeometry(definition.geometry);
        if (definition.font)
            platform::applyFont(control, *definition.font);
    }
    Shape1 = findChild<platform::Shape*>("Shape1");
    Image1 = findChild<platform::Picture*>("Image1");
    Knopf = findChild<platform::Picture*>("Knopf");
    StaticText1 = findChild<platform::StaticText*>("StaticText1");
    StaticText2 = findChild<platform::StaticText*>("StaticText2");
    Button2 = findChild<QPushButton*>("Button2");
    GroupBox1 = findChild<QGroupBox*>("GroupBox1");
    Edit1 = findChild<QLineEdit*>("Edit1");
    ComboBox1 = findChild<platform::ComboBox*>("ComboBox1");
    Button3 = findChild<QPushButton*>("Button3");
    GroupBox2 = findChild<QGroupBox*>("GroupBox2");
    RadioButton4 = findChild<platform::RadioButton*>("RadioButton4");
    RadioButton5 = findChild<platform::RadioButton*>("RadioButton5");
    GroupBox3 = findChild<QGroupBox*>("GroupBox3");
    RadioButton1 = findChild<platform::RadioButton*>("RadioButton1");
    RadioButton2 = findChild<platform::RadioButton*>("RadioButton2");
    RadioButton3 = findChild<platform::RadioButton*>("RadioButton3");
    Button1 = findChild<QPushButton*>("Button1");

    StaticText2->setRightAligned(true);
    // What lies over the body picture lets the mouse through to it.
    for (QWidget* overlay : {static_cast<QWidget*>(Knopf), static_cast<QWidget*>(StaticText1),
                             static_cast<QWidget*>(StaticText2)})
        overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Checked before its handler is connected, so the handler does not run here.
    RadioButton4->setChecked(true);
}

void TForm1::connectHandlers()
{
    pictureActions = new PictureActions(
        Image1, [this] { return ExportPicture(); }, [this] { Button1Click(); });
    using platform::guarded;
    connect(Edit1, &QLineEdit::textChanged, this, guarded([this] { Edit1Change(); }));
    connect(ComboBox1, &platform::ComboBox::changed, this, guarded([this] { ComboBox1Change(); }));
    connect(Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, guarded([this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this, guarded([this] { Button3Click(); }));
    connect(RadioButton4, &platform::RadioButton::turnedChecked, this,
            guarded([this] { RadioButton4Click(); }));
    connect(RadioButton5, &platform::RadioButton::turnedChecked, this,
            guarded([this] { RadioButton5Click(); }));
}

void TForm1::FormCreate()
{
    InstallDigitFont(Datei);
    settings::LoadWindowSettings(persistentWindow());
}

void TForm1::FormClose()
{
    settings::SaveWindowSettings(persistentWindow());
}

settings::PersistentWindow TForm1::persistentWindow()
{
    return {this, {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5}};
}

void TForm1::closeEvent(QCloseEvent* event)
{
    platform::guarded([this] { FormClose(); })();
    event->accept();
}

void TForm1::Edit1Change()
{
    StaticText1->setText(Edit1->text());
}

void TForm1::ComboBox1Change()
{
    StaticText2->setText(ComboBox1->currentText());
    for (int index = 0; index < int(RangeTable.size()); ++index) {
        if (ComboBox1->ItemIndex() == index)
            Knopf->LoadFromResourceName(QString::fromUtf8(RangeTable[index].resourceName));
    }
}

void TForm1::Button2Click()
{
    if (aboutDialog_)
        aboutDialog_->exec();
}

void TForm1::Button3Click()
{
    close();
}

void TForm1::RadioButton4Click()
{
    Shape1->setBrushColor(QColor::fromRgb(White));
}

void TForm1::RadioButton5Click()
{
    Shape1->setBrushColor(QColor::fromRgb(Pink));
}

QImage TForm1::ExportPicture()
{
    const QRgb paint = RadioButton5->isChecked() ? Pink : White;
    QImage picture = exporting::RenderClientArea(*this, Image1->geometry());
    if (RadioButton2->isChecked())
        picture = exporting::ShrinkAndCleanUp(picture, exporting::Cleanup75(), paint);
    if (RadioButton3->isChecked())
        picture = exporting::ShrinkAndCleanUp(picture, exporting::Cleanup50(), paint);
    return picture;
}

void TForm1::Button1Click()
{
    exporting::PutOnClipboard(ExportPicture());
}

} // namespace meter
