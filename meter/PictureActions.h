#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QTemporaryDir>
#include <functional>

class QMenu;
class QMimeData;
class QWidget;

namespace meter {

// What the meter picture offers besides the copy button: a context menu to save
// the picture to a file or copy it, and dragging it into other programs. The
// picture is always the one the copy button makes for the current choices.
class PictureActions : public QObject {
    Q_OBJECT

public:
    PictureActions(QWidget* picture, std::function<QImage()> makePicture,
                   std::function<void()> copy);

    QMenu* menu() const { return menu_; }

    // Asks for a file name and saves the picture there; cancelling does nothing.
    void SavePictureAs();

    // What a drag of the picture carries.
    QMimeData* DragData();

    // Asks the user where to save; returns an empty text when cancelled. Tests replace it.
    std::function<QString(QWidget* parent)> askSaveFileName;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* picture_;
    std::function<QImage()> makePicture_;
    QMenu* menu_;
    QPoint pressedAt_;
    bool pressed_ = false;
    QTemporaryDir dragFolder_;
};

} // namespace meter
