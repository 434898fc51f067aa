// Editable drop-down lists: items in the order given, selection by position.
// A list reports the position of its selected item, or -1 when none is.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

// Makes combo an editable, unsorted list that never adds typed text as an
// item and never completes it. Typing text other than the selected item's
// clears the selection, so the list never reports an item it does not show.
void MakeEditableList(QComboBox* combo);

// Whether the list shows text the user typed rather than a selected item.
// Selecting an item, by the user or through the functions below, ends it.
bool HasTypedText(const QComboBox* combo);

// Selects the item whose text equals the typed text (whole text, case and
// blanks around it ignored). False, with nothing changed, when none does.
bool SelectTypedItem(QComboBox* combo);

// The list's items, in order.
QStringList ListItems(const QComboBox* combo);

// Selects the item at index; an index outside the list leaves none selected.
void SelectListPosition(QComboBox* combo, int index);

// The selected position, or -1.
int ListSelection(const QComboBox* combo);

// Selects the first item whose whole text equals text, case ignored,
// searching from the item after start to the end and then from the first
// item up to start. When none matches, no item is left selected. Returns
// the position selected, or -1.
int SelectListText(QComboBox* combo, int start, const QString& text);
