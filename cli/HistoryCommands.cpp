// tolvoctl history, and the versions that diff reads: a device's file at a
// version of a folder kept by "backup --history", or a file of any version.
#include "AddressList.h"
#include "History.h"
#include "Invocation.h"

#include <QDir>
#include <QSet>

namespace cli {

std::optional<SettingsFile> LoadVersion(const Invocation& run, const QString& name,
                                        QStringList& problems)
{
    const qsizetype at = name.lastIndexOf('@');
    if (at <= 0 || QFileInfo::exists(name))
        return LoadSettingsInput(name, problems);
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

namespace {

// One difference between two versions: a value in each, or a key that one
// of them lacks (a file may hold only some settings).
struct VersionDifference {
    QString key;
    std::optional<QString> from;
    std::optional<QString> to;
};

// The keys whose values differ, or that only one file holds: in the order of
// the second file, then those that only the first holds.
QList<VersionDifference> VersionDifferences(const SettingsFile& from, const SettingsFile& to)
{
    QHash<QString, QString> fromValues;
    for (const auto& [key, value] : from.values)
        fromValues.insert(key, value);
    QList<VersionDifference> differences;
    QSet<QString> toKeys;
    for (const auto& [key, value] : to.values) {
        toKeys.insert(key);
        const auto held = fromValues.constFind(key);
        if (held == fromValues.cend())
            differences.append({key, std::nullopt, value});
        else if (*held != value)
            differences.append({key, *held, value});
    }
    for (const auto& [key, value] : from.values)
        if (!toKeys.contains(key))
            differences.append({key, value, std::nullopt});
    return differences;
}

// A value as a difference shows it: the password's masked.
QString Shown(const VersionDifference& difference, const std::optional<QString>& value)
{
    return ShownValue(difference.key, value.value_or(QString()));
}

QString DifferenceLine(const VersionDifference& difference, const QString& fromName,
                       const QString& toName)
{
    const QString from = QuotedValue(difference.key, difference.from.value_or(QString()));
    const QString to = QuotedValue(difference.key, difference.to.value_or(QString()));
    if (!difference.from)
        return Tr(MSG_VERSIONS_ONLY_TO_LINE).arg(difference.key, fromName, to, toName);
    if (!difference.to)
        return Tr(MSG_VERSIONS_ONLY_FROM_LINE).arg(difference.key, from, fromName, toName);
    return Tr(MSG_VERSIONS_DIFFER_LINE).arg(difference.key, from, fromName, to, toName);
}

// A difference for --json: "from" and "to" are strings, "" where a file
// lacks the key, and then "missingIn" says which ("from" or "to").
QJsonObject DifferenceObject(const VersionDifference& difference)
{
    QJsonObject object{{"key", difference.key},
                       {"from", Shown(difference, difference.from)},
                       {"to", Shown(difference, difference.to)}};
    if (!difference.from || !difference.to)
        object.insert("missingIn", difference.from ? "to" : "from");
    return object;
}

} // namespace

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
    QJsonArray rows;
    for (const VersionDifference& difference : VersionDifferences(*from, *to)) {
        rows.append(DifferenceObject(difference));
        if (!run.json)
            Out() << DifferenceLine(difference, fromName, toName) << Qt::endl;
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
                  << (version.first ? Tr(MSG_HISTORY_NEW)
                                    : EscapedText(version.changedKeys.join(", ")))
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
