#include "ListControl.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// Set while the list shows typed text; cleared when an item is selected.
const char* const TYPED_TEXT = "tolvoTypedText";

void ForgetTypedText(QComboBox* combo)
{
    combo->setProperty(TYPED_TEXT, false);
}

// The first item whose whole text equals text, case ignored, or -1.
int FindItem(const QComboBox* combo, const QString& text)
{
    for (int index = 0; index < combo->count(); ++index) {
        if (combo->itemText(index).compare(text, Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

} // namespace

void MakeEditableList(QComboBox* combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setDuplicatesEnabled(true);
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                     [combo](const QString& text) {
                         combo->setProperty(TYPED_TEXT, true);
                         const int index = combo->currentIndex();
                         if (index < 0 || combo->itemText(index) == text)
                             return;
                         const int cursor = combo->lineEdit()->cursorPosition();
                         combo->setCurrentIndex(-1);
                         combo->setEditText(text);
                         combo->lineEdit()->setCursorPosition(cursor);
                     });
    QObject::connect(combo, &QComboBox::activated, combo, [combo] { ForgetTypedText(combo); });
}

bool HasTypedText(const QComboBox* combo)
{
    return combo->currentIndex() < 0 && combo->property(TYPED_TEXT).toBool();
}

bool SelectTypedItem(QComboBox* combo)
{
    const int index = FindItem(combo, combo->currentText().trimmed());
    if (index < 0)
        return false;
    SelectListPosition(combo, index);
    return true;
}

QStringList ListItems(const QComboBox* combo)
{
    QStringList items;
    for (int index = 0; index < combo->count(); ++index)
        items << combo->itemText(index);
    return items;
}

void SelectListPosition(QComboBox* combo, int index)
{
    ForgetTypedText(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

int ListSelection(const QComboBox* combo)
{
    return combo->currentIndex();
}

int SelectListText(QComboBox* combo, int start, const QString& text)
{
    ForgetTypedText(combo);
    const int count = combo->count();
    for (int step = 1; step <= count; ++step) {
        const int index = ((start < 0 ? -1 : start) + step) % count;
        if (combo->itemText(index).compare(text, Qt::CaseInsensitive) == 0) {
            combo->setCurrentIndex(index);
            return index;
        }
    }
    combo->setCurrentIndex(-1);
    return -1;
}
