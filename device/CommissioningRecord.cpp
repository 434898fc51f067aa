#include "CommissioningRecord.h"

#include "StagedFile.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <array>
#include <cstdlib>

namespace {

const std::array<std::pair<RecordKind, const char*>, 7> KIND_NAMES{{
    {RecordKind::Load, "load"},
    {RecordKind::Save, "save"},
    {RecordKind::Send, "send"},
    {RecordKind::Check, "check"},
    {RecordKind::Backup, "backup"},
    {RecordKind::Restore, "restore"},
    {RecordKind::Set, "set"},
}};

const std::array<std::pair<RecordOutcome, const char*>, 5> OUTCOME_NAMES{{
    {RecordOutcome::Verified, "verified"},
    {RecordOutcome::Read, "read"},
    {RecordOutcome::Matches, "matches"},
    {RecordOutcome::Differs, "differs"},
    {RecordOutcome::Failed, "failed"},
}};

template <typename Value, std::size_t N>
QString NameOf(const std::array<std::pair<Value, const char*>, N>& names, Value value)
{
    for (const auto& [each, name] : names)
        if (each == value)
            return QLatin1String(name);
    return {};
}

template <typename Value, std::size_t N>
std::optional<Value> Named(const std::array<std::pair<Value, const char*>, N>& names,
                           const QString& name)
{
    for (const auto& [each, text] : names)
        if (name == QLatin1String(text))
            return each;
    return std::nullopt;
}

// "2025-03-04T14:05:09+01:00": ISO 8601 with the offset written out, also
// where it is zero, so that the text says it is local time.
QString LocalTimeText(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + UtcOffsetText(time);
}

QJsonValue VerifiedJson(const std::optional<bool>& verified)
{
    return verified ? QJsonValue(*verified) : QJsonValue(QJsonValue::Null);
}

QJsonObject DeviceJson(const RecordDevice& device)
{
    QJsonArray settings;
    for (const RecordSetting& setting : device.settings)
        settings.append(QJsonObject{{"key", setting.key},
                                    {"name", setting.name},
                                    {"value", setting.value},
                                    {"verified", VerifiedJson(setting.verified)}});
    QJsonArray changes;
    for (const RecordChange& change : device.changes)
        changes.append(
            QJsonObject{{"key", change.key}, {"before", change.before}, {"after", change.after}});
    QJsonArray differences;
    for (const RecordDifference& difference : device.differences)
        differences.append(QJsonObject{
            {"key", difference.key}, {"device", difference.device}, {"wanted", difference.wanted}});
    return QJsonObject{
        {"address", device.address},
        {"verifiedAt", device.verifiedAt.isEmpty() ? QJsonValue(QJsonValue::Null)
                                                   : QJsonValue(device.verifiedAt)},
        {"serialNumber", device.serialNumber},
        {"firmwareVersion", device.firmwareVersion},
        {"deviceName", device.deviceName},
        {"outcome", RecordOutcomeName(device.outcome)},
        {"error", device.error},
        {"settings", settings},
        {"changes", changes},
        {"differences", differences},
    };
}

} // namespace

CommissioningRecord NewRecord(const QString& program, const QString& programVersion,
                              RecordKind kind, const QString& note)
{
    const QDateTime now = QDateTime::currentDateTime();
    CommissioningRecord record;
    record.program = program;
    record.programVersion = programVersion;
    // Whole seconds, at the offset the local time has now.
    record.createdAt =
        QDateTime::fromSecsSinceEpoch(now.toSecsSinceEpoch()).toOffsetFromUtc(now.offsetFromUtc());
    record.timeZone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    record.kind = kind;
    record.note = note;
    return record;
}

QString RecordKindName(RecordKind kind)
{
    return NameOf(KIND_NAMES, kind);
}

QString RecordOutcomeName(RecordOutcome outcome)
{
    return NameOf(OUTCOME_NAMES, outcome);
}

std::optional<RecordKind> RecordKindNamed(const QString& name)
{
    return Named(KIND_NAMES, name);
}

std::optional<RecordOutcome> RecordOutcomeNamed(const QString& name)
{
    return Named(OUTCOME_NAMES, name);
}

QByteArray RecordJson(const CommissioningRecord& record)
{
    QJsonArray devices;
    for (const RecordDevice& device : record.devices)
        devices.append(DeviceJson(device));
    const QJsonObject root{
        {"format", RECORD_FORMAT},
        {"version", RECORD_VERSION},
        {"program", QJsonObject{{"name", record.program}, {"version", record.programVersion}}},
        {"createdAt", LocalTimeText(record.createdAt)},
        {"timeZone", record.timeZone},
        {"kind", RecordKindName(record.kind)},
        {"note", record.note},
        {"devices", devices},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<QByteArray> SaveRecord(const QString& path, const CommissioningRecord& record,
                                     QString& error)
{
    const QByteArray bytes = RecordJson(record);
    if (!SaveFileAtomically(path, bytes, error))
        return std::nullopt;
    return Sha256Hex(bytes);
}

QByteArray Sha256Hex(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QString UtcOffsetText(const QDateTime& time)
{
    const int minutes = std::abs(time.offsetFromUtc()) / 60;
    return (time.offsetFromUtc() < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

bool IsWriteKind(RecordKind kind)
{
    return kind == RecordKind::Save || kind == RecordKind::Send || kind == RecordKind::Restore ||
           kind == RecordKind::Set;
}
