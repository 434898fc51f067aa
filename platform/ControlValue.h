// What a control shows, as one text, and the way back: an edit's text, a
// list's selected position and its text, an address as its number. Two equal
// texts mean the control shows the same.
#pragma once

#include <QString>

class QWidget;

QString ControlValue(const QWidget* control);
// Makes control show what value (from ControlValue) describes.
void SetControlValue(QWidget* control, const QString& value);
