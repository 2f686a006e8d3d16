#include "Placement.h"

#include <algorithm>

namespace about {

QPoint centredOver(const QRect& ownerFrame, const QSize& dialog, const QRect& desktop)
{
    const int left = ownerFrame.left() + (ownerFrame.width() - dialog.width()) / 2;
    const int top = ownerFrame.top() + (ownerFrame.height() - dialog.height()) / 2;
    return {std::max(left, desktop.left()), std::max(top, desktop.top())};
}

} // namespace about
