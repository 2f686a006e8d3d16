#pragma once

#include <QMouseEvent>
#include <QRect>

namespace platform {

// The click rule of a control: the left button pressed on it and released on it.
class ClickTracker {
public:
    void press(const QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

    // True when this release completes a click inside `area`.
    bool release(const QMouseEvent* event, const QRect& area)
    {
        const bool click = pressed_ && event->button() == Qt::LeftButton &&
                           area.contains(event->position().toPoint());
        pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};

} // namespace platform
