// How wide a control must be to show its text uncut: what a dialog laid out
// for English measures when a language's texts are longer.
#pragma once

class QLabel;
class QTableView;
class QWidget;

// The width in pixels that control needs for its text (every line of a
// label, every item of a list), or 0 for a control that shows none.
int TextWidthNeeded(const QWidget* control);

// Widens each column of table but a stretched last one to at least what its
// title needs, so that a longer language's titles are not cut.
void WidenColumnsToTitles(QTableView* table);

// Makes label's window taller when label wraps its text onto more lines than
// it has room for, as a longer language's sentence may.
void GrowForWrappedText(QLabel* label);
