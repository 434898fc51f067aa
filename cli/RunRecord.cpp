#include "RunRecord.h"

namespace cli {

QString RecordOptionProblem(const Invocation& run)
{
    return run.Given("note") && !Records(run) ? Tr(MSG_NOTE_NEEDS_RECORD) : QString();
}

int WriteRunRecord(const Invocation& run, RecordKind kind, std::vector<RecordDevice> devices,
                   int status, QJsonObject& extra)
{
    if (!Records(run))
        return status;
    CommissioningRecord record =
        NewRecord(QStringLiteral("tolvoctl"), QStringLiteral(TOLVO_VERSION_TEXT), kind,
                  run.parser.value("note"));
    record.devices = std::move(devices);
    const QString path = run.parser.value("record");
    QString error;
    const std::optional<QByteArray> sha256 = SaveRecord(path, record, error);
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
