#include "ListControl.h"

#include <QComboBox>
#include <QLineEdit>

void MakeEditableList(QComboBox* combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setDuplicatesEnabled(true);
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                     [combo](const QString& text) {
                         const int index = combo->currentIndex();
                         if (index < 0 || combo->itemText(index) == text)
                             return;
                         const int cursor = combo->lineEdit()->cursorPosition();
                         combo->setCurrentIndex(-1);
                         combo->setEditText(text);
                         combo->lineEdit()->setCursorPosition(cursor);
                     });
}

void SelectListPosition(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

int ListSelection(const QComboBox* combo)
{
    return combo->currentIndex();
}

int SelectListText(QComboBox* combo, int start, const QString& text)
{
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
