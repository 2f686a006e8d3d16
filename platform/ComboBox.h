#pragma once

#include <QComboBox>

namespace platform {

// An editable drop-down list with typing completion that keeps its own notion of
// the selected entry, ItemIndex():
// - picking an entry selects it;
// - after any change of the text, the entry whose text equals it (ignoring case) is
//   selected, or none (-1) when no entry does; completion of a typed beginning to an
//   entry therefore selects that entry;
// - setEditTextUnselected() sets a text with no entry selected, as a window opens.
// changed() follows every change of the text and every pick from the list.
class ComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit ComboBox(QWidget* parent = nullptr);

    int ItemIndex() const { return itemIndex_; }
    void setItemIndex(int index);
    // Does what picking the entry from the list does.
    void pick(int index);
    void setEditTextUnselected(const QString& text);

signals:
    void changed();

private:
    void selectPicked(int index);

    int itemIndex_ = -1;
};

} // namespace platform
