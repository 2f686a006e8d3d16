#include "ComboBox.h"

#include <QCompleter>
#include <QLineEdit>
#include <QSignalBlocker>
#include <limits>

namespace platform {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    completer()->setCompletionMode(QCompleter::InlineCompletion);
    completer()->setCaseSensitivity(Qt::CaseInsensitive);

    connect(this, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        itemIndex_ = findText(text, Qt::MatchFixedString);
        emit changed();
    });
    connect(this, &QComboBox::activated, this, &ComboBox::selectPicked);
}

// A pick of the entry whose text is already shown changes no text but selects it.
void ComboBox::selectPicked(int index)
{
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    emit changed();
}

void ComboBox::pick(int index)
{
    setCurrentIndex(index);
    selectPicked(index);
}

void ComboBox::setItemIndex(int index)
{
    itemIndex_ = index;
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
}

void ComboBox::setEditTextUnselected(const QString& text)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(-1);
    setEditText(text);
    itemIndex_ = -1;
}

} // namespace platform
