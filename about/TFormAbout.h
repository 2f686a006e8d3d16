#pragma once

#include "FormAboutDefinition.h"

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Picture;
}

namespace about {

class ClickableLabel;
class Panel;

// The About dialog: product name, version and date, the author credit, the maker's logo
// and a link to the maker's web pages, and the freeware notice with its disclaimer.
// Created once and hidden; each showing finds it as the last one left it.
class TFormAbout : public QDialog {
    Q_OBJECT

public:
    // Opens a web page; an error it throws is shown in the error box.
    using UrlOpener = std::function<void(const QUrl&)>;

    // `meterWindow` is the window the dialog is centred over when first shown.
    explicit TFormAbout(QWidget* meterWindow = nullptr,
                        const QString& logoPath = QString::fromUtf8(LogoResource));

    // Replaces the opener; the default one, also used for an empty opener, hands the
    // address to the desktop's browser.
    void setUrlOpener(UrlOpener opener);

    void setVisible(bool visible) override;

    void OKButtonClick();
    void Image1Click();
    void Label2Click();

    QPushButton* OKButton;
    Panel* Panel1;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    ClickableLabel* Label2;
    QLabel* Date;
    QLabel* Label1;
    platform::Picture* Image1;
    QPlainTextEdit* Memo1;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls(const QString& logoPath);
    void connectHandlers();
    void placeOverMeterWindow();

    UrlOpener opener_;
    bool placed_ = false;
};

} // namespace about
