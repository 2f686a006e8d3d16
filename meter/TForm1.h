#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class QDialog;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace platform {
class ComboBox;
class Picture;
class RadioButton;
class Shape;
class StaticText;
} // namespace platform

namespace settings {
struct PersistentWindow;
}

namespace meter {

class PictureActions;

// The meter window: the meter picture on its background rectangle on the left,
// the reading, range, size and background controls and the buttons on the right.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The creation handler: installs the digit typeface, then applies the saved settings.
    void FormCreate();

    // The dialog that "Über..." shows modally.
    void setAboutDialog(QDialog* dialog) { aboutDialog_ = dialog; }

    void Edit1Change();
    void ComboBox1Change();
    void Button2Click();
    void Button3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void Button1Click();

    // The meter picture as the copy button puts it on the clipboard: the size and
    // background of the current choices.
    QImage ExportPicture();

    platform::Picture* Image1;
    platform::StaticText* StaticText1;
    platform::StaticText* StaticText2;
    platform::Picture* Knopf;
    QPushButton* Button2;
    platform::Shape* Shape1;
    QGroupBox* GroupBox1;
    QLineEdit* Edit1;
    platform::ComboBox* ComboBox1;
    QPushButton* Button3;
    QGroupBox* GroupBox2;
    platform::RadioButton* RadioButton4;
    platform::RadioButton* RadioButton5;
    QGroupBox* GroupBox3;
    platform::RadioButton* RadioButton1;
    platform::RadioButton* RadioButton2;
    platform::RadioButton* RadioButton3;
    QPushButton* Button1;

    // Full path of the digit typeface file, set by the creation handler.
    QString Datei;

    // The picture's context menu and dragging.
    PictureActions* pictureActions;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void FormClose();
    settings::PersistentWindow persistentWindow();

    QDialog* aboutDialog_ = nullptr;
};

} // namespace meter
