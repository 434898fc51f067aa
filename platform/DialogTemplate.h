// Dialog templates kept as data: each dialog's size in dialog units, its
// font and its controls in template order (which is also the tab order).
#pragma once

#include <QList>
#include <QMap>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

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

// The templates and the string table of a program, as read from its JSON.
struct ProgramResources {
    QMap<int, DialogTemplate> dialogs;
    QMap<int, QString> strings;
};

// The translation contexts of the templates' texts and of the string table.
inline constexpr const char* TEMPLATE_TEXT_CONTEXT = "Templates";
inline constexpr const char* STRING_TABLE_CONTEXT = "Strings";

// Reads templates and strings from JSON text; errorText says what is wrong
// when there is no result.
std::optional<ProgramResources> ParseResources(const QByteArray& json,
                                               QString* errorText = nullptr);

// The template with this id from the program's resources. Aborts when there
// is none: a missing template is a build fault, not a run-time condition.
const DialogTemplate& FindDialogTemplate(int id);

// A string of the program's string table, in the user's language when a
// catalogue has it. Aborts when there is none, like a missing template.
QString LoadResourceString(int id);

// A template's text (caption, label, list item, accessible name) as shown:
// in the user's language when a catalogue has it.
QString TemplateText(const QString& text);

// A label's or button's text as plain words, for a caption or a name for
// screen readers: without its mnemonic marker (nor the "(&S)" that Chinese
// and Japanese append), its trailing ellipsis and its colon.
QString PlainWords(QString text);

// Every text of the resources that a translator may translate, with its
// context: what the translation catalogue template is made from.
struct TranslatableText {
    const char* context;
    QString text;
};
QList<TranslatableText> TranslatableTexts(const ProgramResources& resources);
