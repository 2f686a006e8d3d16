#pragma once

#include <QWidget>

namespace about {

// A panel without caption in the window's colour, framed by a lowered outer bevel and a
// raised inner bevel, one pixel each.
class Panel : public QWidget {
    Q_OBJECT

public:
    explicit Panel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace about
