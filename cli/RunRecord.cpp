#include "RunRecord.h"

#include "RecordReader.h"
#include "StagedFile.h"

namespace cli {

namespace {

// The file of runFiles that the record's path names too; empty when none.
QString SharedFile(const QString& record, const QStringList& runFiles)
{
    for (const QString& file : runFiles)
        if (NamesSameFile(record, file))
            return file;
    return {};
}

} // namespace

QString RecordOptionProblem(const Invocation& run)
{
    if (!Records(run))
        return run.Given("note") ? Tr(MSG_NOTE_NEEDS_RECORD) : QString();
    // The files named on the command line that the run reads or writes: a
    // record there would replace a backup, or the settings file restored.
    QStringList runFiles;
    for (const QString& option : QStringList{"output", "hosts", "plan"})
        if (run.Given(option))
            runFiles << run.parser.value(option);
    if (QLatin1String(run.command->name) == QLatin1String("restore") && !run.positional.isEmpty())
        runFiles << run.positional.last();
    const QString record = run.parser.value("record");
    if (!SharedFile(record, runFiles).isEmpty())
        return Tr(MSG_RECORD_SAME_FILE).arg(record);
    return RecordPathProblem(record);
}

int WriteRunRecord(const Invocation& run, RecordKind kind, std::vector<RecordDevice> devices,
                   int status, QJsonObject& extra, const QStringList& runFiles)
{
    if (!Records(run))
        return status;
    CommissioningRecord record =
        NewRecord(QStringLiteral("tolvoctl"), QStringLiteral(TOLVO_VERSION_TEXT), kind,
                  run.parser.value("note"));
    record.devices = std::move(devices);
    const QString path = run.parser.value("record");
    // (A backup into a folder may have written a file of the record's name.)
    const bool ownFile = SharedFile(path, runFiles).isEmpty();
    QString error = ownFile ? QString() : Tr(MSG_RECORD_SAME_FILE).arg(path);
    const std::optional<QByteArray> sha256 =
        ownFile ? SaveRecord(path, record, error) : std::nullopt;
    // Only a record that holds this run is named: "" where none was written.
    QJsonObject written{{"file", sha256 ? path : QString()},
                        {"sha256", QString::fromLatin1(sha256.value_or(QByteArray()))}};
    if (!sha256)
        written.insert("error", error);
    extra.insert("record", written);
    if (!sha256) {
        Err() << "tolvoctl: " << Tr(MSG_RECORD_NOT_WRITTEN).arg(error) << Qt::endl;
        return std::max(status, EXIT_DEVICE_ERROR);
    }
    if (!run.json)
        Out() << Tr(MSG_RECORD_WRITTEN).arg(path, QString::fromLatin1(*sha256)) << Qt::endl;
    return status;
}

} // namespace cli
