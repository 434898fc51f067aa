#include "DialogTemplate.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>

namespace {

QStringList Strings(const QJsonValue& value)
{
    QStringList out;
    for (const QJsonValue& item : value.toArray())
        out << item.toString();
    return out;
}

QRect Rect(const QJsonValue& value)
{
    const QJsonArray r = value.toArray();
    return QRect(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt(), r.at(3).toInt());
}

ControlTemplate ParseControl(const QJsonObject& object)
{
    ControlTemplate control;
    control.kind = object.value("kind").toString();
    control.id = object.value("id").toInt(-1);
    control.text = object.value("text").toString();
    control.rect = Rect(object.value("rect"));
    control.style = Strings(object.value("style"));
    control.items = Strings(object.value("items"));
    control.labelFor = object.value("for").toInt(-1);
    control.name = object.value("name").toString();
    return control;
}

DialogTemplate ParseDialog(const QJsonObject& object)
{
    DialogTemplate dialog;
    dialog.id = object.value("id").toInt(-1);
    dialog.caption = object.value("caption").toString();
    const QJsonArray size = object.value("size").toArray();
    dialog.size = QSize(size.at(0).toInt(), size.at(1).toInt());
    dialog.fontFace = object.value("font").toString();
    dialog.fontPoints = object.value("points").toInt(8);
    dialog.style = Strings(object.value("style"));
    for (const QJsonValue& control : object.value("controls").toArray())
        dialog.controls << ParseControl(control.toObject());
    return dialog;
}

} // namespace

std::optional<ProgramResources> ParseResources(const QByteArray& json, QString* errorText)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        if (errorText)
            *errorText = error.errorString() + " at offset " + QString::number(error.offset);
        return std::nullopt;
    }
    ProgramResources resources;
    for (const QJsonValue& value : document.object().value("dialogs").toArray()) {
        const DialogTemplate dialog = ParseDialog(value.toObject());
        resources.dialogs.insert(dialog.id, dialog);
    }
    const QJsonObject strings = document.object().value("strings").toObject();
    for (auto it = strings.begin(); it != strings.end(); ++it)
        resources.strings.insert(it.key().toInt(), it.value().toString());
    return resources;
}

namespace {

const ProgramResources& Resources()
{
    static const ProgramResources resources = [] {
        QFile file(":/templates.json");
        if (!file.open(QIODevice::ReadOnly))
            qFatal("dialog templates are missing from the resources");
        QString error;
        std::optional<ProgramResources> loaded = ParseResources(file.readAll(), &error);
        if (!loaded || loaded->dialogs.isEmpty())
            qFatal("dialog templates cannot be read: %s", qPrintable(error));
        return *std::move(loaded);
    }();
    return resources;
}

// Texts without a letter (baud rates, data bits) are values, not words: they
// are shown as they stand in every language.
bool IsWords(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

QString Translated(const char* context, const QString& text)
{
    return QCoreApplication::translate(context, text.toUtf8().constData());
}

} // namespace

const DialogTemplate& FindDialogTemplate(int id)
{
    const auto& dialogs = Resources().dialogs;
    const auto it = dialogs.constFind(id);
    if (it == dialogs.constEnd())
        qFatal("no dialog template %d", id);
    return *it;
}

QString LoadResourceString(int id)
{
    const auto& strings = Resources().strings;
    const auto it = strings.constFind(id);
    if (it == strings.constEnd())
        qFatal("no string %d in the string table", id);
    return Translated(STRING_TABLE_CONTEXT, *it);
}

QString PlainWords(QString text)
{
    static const QRegularExpression appendedMnemonic(
        QStringLiteral("\\s*[(\uFF08]&[^)\uFF09][)\uFF09]"));
    static const QChar ampersand(0xFFFF);
    text.remove(appendedMnemonic);
    text.replace(QLatin1String("&&"), ampersand).remove(u'&').replace(ampersand, u'&');
    text = text.trimmed();
    for (const QString& end : {QStringLiteral("..."), QStringLiteral("\u2026"), QStringLiteral(":"),
                               QStringLiteral("\uFF1A")}) {
        if (text.endsWith(end))
            text.chop(end.size());
    }
    return text.trimmed();
}

QString TemplateText(const QString& text)
{
    return IsWords(text) ? Translated(TEMPLATE_TEXT_CONTEXT, text) : text;
}

QList<TranslatableText> TranslatableTexts(const ProgramResources& resources)
{
    QList<TranslatableText> texts;
    const auto add = [&texts](const char* context, const QString& text) {
        if (IsWords(text))
            texts.append({context, text});
    };
    for (const DialogTemplate& dialog : resources.dialogs) {
        add(TEMPLATE_TEXT_CONTEXT, dialog.caption);
        for (const ControlTemplate& control : dialog.controls) {
            add(TEMPLATE_TEXT_CONTEXT, control.text);
            add(TEMPLATE_TEXT_CONTEXT, control.name);
            for (const QString& item : control.items)
                add(TEMPLATE_TEXT_CONTEXT, item);
        }
    }
    for (const QString& text : resources.strings)
        add(STRING_TABLE_CONTEXT, text);
    return texts;
}
