#pragma once

#include "platform/ClickTracker.h"
#include "platform/StaticText.h"

namespace about {

// A static text that reports a left click: pressed and released on the label.
class ClickableLabel : public platform::StaticText {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    platform::ClickTracker clicks_;
};

} // namespace about
