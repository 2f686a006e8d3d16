#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace about {

// The outer top-left corner that centres a dialog of outer size `dialog` over the
// owner's outer frame, halving with the remainder dropped toward zero, then moved
// right and down where it would lie beyond the desktop's left or top edge.
QPoint centredOver(const QRect& ownerFrame, const QSize& dialog, const QRect& desktop);

} // namespace about
