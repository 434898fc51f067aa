// tolvoctl history, and the versions that diff reads: a device's file at a
// version of a folder kept by "backup --history", or a file of any version.
#include "AddressList.h"
#include "History.h"
#include "Invocation.h"

#include <QDir>

namespace cli {

std::optional<SettingsFile> LoadVersion(const Invocation& run, const QString& name,
                                        QStringList& problems)
{
    const qsizetype at = name.lastIndexOf('@');
    if (at <= 0 || QFileInfo::exists(name))
        return LoadSettingsFile(name, problems);
    // SERIAL@VERSION
    HistoryFolder folder(run.Given("dir") ? run.parser.value("dir") : QDir::currentPath());
    QString error;
    const auto text = folder.Show(name.mid(at + 1), SerialFileName(name.left(at)), error);
    if (!text) {
        problems << error;
        return std::nullopt;
    }
    return ReadSettingsFile(*text, problems);
}

int DiffVersions(Invocation& run)
{
    const QString fromName = run.positional[0];
    const QString toName = run.positional[1];
    QStringList problems;
    const std::optional<SettingsFile> from = LoadVersion(run, fromName, problems);
    if (!from)
        return ReportFileProblems(fromName, problems);
    const std::optional<SettingsFile> to = LoadVersion(run, toName, problems);
    if (!to)
        return ReportFileProblems(toName, problems);
    QHash<QString, QString> fromValues;
    for (const auto& [key, value] : from->values)
        fromValues.insert(key, value);
    QJsonArray rows;
    for (const auto& [key, value] : to->values) {
        if (fromValues.value(key) == value && fromValues.contains(key))
            continue;
        rows.append(QJsonObject{{"key", key}, {"from", fromValues.value(key)}, {"to", value}});
        if (!run.json)
            Out() << Tr(MSG_VERSIONS_DIFFER_LINE)
                         .arg(key, fromValues.value(key), fromName, value, toName)
                  << Qt::endl;
    }
    const int status = rows.isEmpty() ? EXIT_OK : EXIT_DIFFERENT;
    if (run.json)
        Out() << QJsonDocument(QJsonObject{{"schemaVersion", JSON_SCHEMA_VERSION},
                                           {"command", "diff"},
                                           {"from", fromName},
                                           {"to", toName},
                                           {"differences", rows},
                                           {"exitStatus", status}})
                     .toJson(QJsonDocument::Indented);
    else
        Out() << Tr(rows.size() == 1 ? MSG_ONE_DIFFERS : MSG_SEVERAL_DIFFER)
                     .arg(Settings(rows.size()))
              << Qt::endl;
    return status;
}

int History(Invocation& run)
{
    if (run.positional.size() != 2)
        return Usage(Tr(MSG_HISTORY_ARGUMENTS));
    const QString dir = run.positional[0];
    const QString file = SerialFileName(run.positional[1]);
    HistoryFolder folder(dir);
    QString error;
    const auto versions = folder.Versions(file, error);
    if (!versions)
        return Usage(error);
    if (versions->isEmpty())
        return Usage(Tr(MSG_NO_VERSIONS).arg(dir, file));
    QJsonArray list;
    for (const FileVersion& version : *versions) {
        list.append(QJsonObject{{"commit", version.commit},
                                {"time", version.time},
                                {"changedKeys", QJsonArray::fromStringList(version.changedKeys)}});
        if (!run.json)
            Out() << version.commit << "  " << version.time << "  "
                  << (version.first ? Tr(MSG_HISTORY_NEW) : version.changedKeys.join(", "))
                  << Qt::endl;
    }
    if (run.json)
        Out() << QJsonDocument(QJsonObject{{"schemaVersion", JSON_SCHEMA_VERSION},
                                           {"command", "history"},
                                           {"serialNumber", run.positional[1]},
                                           {"versions", list}})
                     .toJson(QJsonDocument::Indented);
    return EXIT_OK;
}

} // namespace cli
