#pragma once

#include "ClickTracker.h"

#include <QImage>
#include <QWidget>

namespace platform {

// A picture control. Drawn at its top-left corner, unscaled and clipped to the
// control. When transparent, every pixel of the key colour (the colour of the
// picture's bottom-left pixel) is skipped, so whatever lies beneath shows there.
class Picture : public QWidget {
    Q_OBJECT

public:
    explicit Picture(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

    // Replaces the picture with the named bitmap resource; on error the picture stays.
    void LoadFromResourceName(const QString& name);

    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);

    // The picture as drawn: key-colour pixels fully transparent when transparent.
    const QImage& drawnPicture() const { return drawn_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void prepare();

    QImage picture_;
    QImage drawn_;
    bool transparent_ = false;
    ClickTracker clicks_;
};

} // namespace platform
