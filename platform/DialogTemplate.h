// Dialog templates kept as data: each dialog's size in dialog units, its
// font and its controls in template order (which is also the tab order).
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

struct ControlTemplate {
    QString kind; // label, static, edit, combo, ipaddress, groupbox, button, tab, icon
    int id = -1;  // -1 for controls without an id
    QString text;
    QRect rect;        // x, y, width, height in dialog units
    QStringList style; // e.g. tabstop, default, readonly
    QStringList items; // list items, in order
    int labelFor = -1; // a label names the control with this id
    QString name;      // accessible name of a control that has no label
};

struct DialogTemplate {
    int id = -1;
    QString caption;
    QSize size; // dialog units
    QString fontFace;
    int fontPoints = 8;
    QStringList style;
    QList<ControlTemplate> controls;
};

// The template with this id from the program's resources. Aborts when there
// is none: a missing template is a build fault, not a run-time condition.
const DialogTemplate& FindDialogTemplate(int id);

// Parses templates from JSON text; errorText says what is wrong when the
// result is empty.
QList<DialogTemplate> ParseDialogTemplates(const QByteArray& json, QString* errorText = nullptr);

// A string of the program's string table; empty when there is none.
QString LoadResourceString(int id);
