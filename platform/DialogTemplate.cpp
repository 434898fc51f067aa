#include "DialogTemplate.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

QList<DialogTemplate> ParseDialogTemplates(const QByteArray& json, QString* errorText)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        if (errorText)
            *errorText = error.errorString() + " at offset " + QString::number(error.offset);
        return {};
    }
    QList<DialogTemplate> dialogs;
    for (const QJsonValue& dialog : document.object().value("dialogs").toArray())
        dialogs << ParseDialog(dialog.toObject());
    return dialogs;
}

namespace {

struct Resources {
    QHash<int, DialogTemplate> dialogs;
    QHash<int, QString> strings;
};

const Resources& ProgramResources()
{
    static const Resources resources = [] {
        QFile file(":/templates.json");
        if (!file.open(QIODevice::ReadOnly))
            qFatal("dialog templates are missing from the resources");
        const QByteArray json = file.readAll();
        QString error;
        const QList<DialogTemplate> list = ParseDialogTemplates(json, &error);
        if (list.isEmpty())
            qFatal("dialog templates cannot be read: %s", qPrintable(error));
        Resources loaded;
        for (const DialogTemplate& dialog : list)
            loaded.dialogs.insert(dialog.id, dialog);
        const QJsonObject strings =
            QJsonDocument::fromJson(json).object().value("strings").toObject();
        for (auto it = strings.begin(); it != strings.end(); ++it)
            loaded.strings.insert(it.key().toInt(), it.value().toString());
        return loaded;
    }();
    return resources;
}

} // namespace

const DialogTemplate& FindDialogTemplate(int id)
{
    const auto& dialogs = ProgramResources().dialogs;
    const auto it = dialogs.constFind(id);
    if (it == dialogs.constEnd())
        qFatal("no dialog template %d", id);
    return *it;
}

QString LoadResourceString(int id)
{
    return ProgramResources().strings.value(id);
}
