#pragma once

#include <QColor>
#include <QWidget>

namespace platform {

// A rectangle with a solid fill and a solid black outline one pixel wide.
class Shape : public QWidget {
    Q_OBJECT

public:
    explicit Shape(QWidget* parent = nullptr);

    QColor brushColor() const { return brush_; }
    // Repaints at once when the colour changes; the same colour does nothing.
    void setBrushColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor brush_ = Qt::white;
};

} // namespace platform
