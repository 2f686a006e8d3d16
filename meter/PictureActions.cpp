#include "PictureActions.h"

#include "export/PictureFile.h"
#include "platform/ErrorBox.h"

#include <QApplication>
#include <QDrag>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStandardPaths>

namespace meter {
namespace {

QString askWithFileDialog(QWidget* parent)
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString filter = QStringLiteral("PNG-Bild (*.png)");
    QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Bild speichern unter"), QDir(pictures).filePath("Quorvel.png"),
        QStringLiteral("PNG-Bild (*.png);;BMP-Bild (*.bmp)"), &filter);
    if (!path.isEmpty() && exporting::PictureFormatFor(path).isEmpty())
        path += filter.startsWith(QLatin1String("BMP")) ? QStringLiteral(".bmp")
                                                        : QStringLiteral(".png");
    return path;
}

} // namespace

PictureActions::PictureActions(QWidget* picture, std::function<QImage()> makePicture,
                               std::function<void()> copy)
    : QObject(picture), askSaveFileName(askWithFileDialog), picture_(picture),
      makePicture_(std::move(makePicture)), menu_(new QMenu(picture))
{
    menu_->addAction(QStringLiteral("Bild speichern unter…"), this,
                     platform::guarded([this] { SavePictureAs(); }));
    menu_->addAction(QStringLiteral("In die Zwischenablage kopieren"), this,
                     platform::guarded(std::move(copy)));
    picture_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picture_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(picture_->mapToGlobal(at)); });
    picture_->installEventFilter(this);
}

void PictureActions::SavePictureAs()
{
    const QString path = askSaveFileName(picture_->window());
    if (!path.isEmpty())
        exporting::SavePictureFile(makePicture_(), path);
}

QMimeData* PictureActions::DragData()
{
    return exporting::PictureMimeData(makePicture_(), dragFolder_.path(),
                                      QStringLiteral("Quorvel.png"));
}

bool PictureActions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != picture_)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        pressed_ = mouse->button() == Qt::LeftButton;
        pressedAt_ = mouse->position().toPoint();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        pressed_ = false;
    } else if (event->type() == QEvent::MouseMove && pressed_) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if ((mouse->position().toPoint() - pressedAt_).manhattanLength() >=
            QApplication::startDragDistance()) {
            pressed_ = false;
            platform::guarded([this] {
                auto* drag = new QDrag(picture_);
                drag->setMimeData(DragData());
                drag->exec(Qt::CopyAction);
            })();
        }
    }
    return false;
}

} // namespace meter
