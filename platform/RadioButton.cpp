#include "RadioButton.h"

namespace platform {

RadioButton::RadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent)
{
    setFocusPolicy(Qt::ClickFocus);
    // Qt reports the sibling that lost its check first, so on `true` every state is final.
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        applyTabStops();
        if (on)
            emit turnedChecked();
    });
}

void RadioButton::setChecked(bool checked)
{
    if (checked == isChecked())
        return;
    if (checked) {
        QRadioButton::setChecked(true);
        return;
    }
    // Qt refuses to uncheck the checked button of an exclusive group.
    setAutoExclusive(false);
    QRadioButton::setChecked(false);
    setAutoExclusive(true);
}

void RadioButton::focusInEvent(QFocusEvent* event)
{
    QRadioButton::focusInEvent(event);
    // Qt makes the focused button the group's Tab stop; the checked one must stay it.
    applyTabStops();
}

void RadioButton::applyTabStops()
{
    if (!parentWidget())
        return;
    const auto siblings =
        parentWidget()->findChildren<RadioButton*>(QString(), Qt::FindDirectChildrenOnly);
    for (RadioButton* button : siblings)
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace platform
