#pragma once

#include <QRadioButton>

namespace platform {

// A radio button grouped with the other radio buttons of its parent:
// - checking an unchecked button unchecks its siblings, then emits turnedChecked() once;
// - checking the checked button, or unchecking an unchecked one, does nothing;
// - unchecking the checked button just clears it, leaving none of the group checked;
// - a user click behaves like checking from code.
// Only the checked button of a group is a Tab stop; a group with none checked is passed over.
class RadioButton : public QRadioButton {
    Q_OBJECT

public:
    explicit RadioButton(const QString& text = {}, QWidget* parent = nullptr);

    void setChecked(bool checked);

signals:
    // The click handler's signal: the button has just turned from unchecked to checked.
    void turnedChecked();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void applyTabStops();
};

} // namespace platform
