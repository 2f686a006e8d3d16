#include "StaticText.h"

namespace platform {

StaticText::StaticText(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
    setWordWrap(false);
    setMargin(0);
    setIndent(0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
}

void StaticText::setRightAligned(bool right)
{
    setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
}

} // namespace platform
