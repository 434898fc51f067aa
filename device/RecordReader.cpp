#include "RecordReader.h"

#include "BoundedRead.h"
#include "CoreMessages.h"
#include "PasswordMask.h"
#include "SettingNames.h"
#include "Transcript.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// The longest a record's member is: a device's value, name or serial number
// is at most 1023 bytes; the note and a failure's reason may be longer. A
// forged record of longer ones would take the PDF's layout minutes.
constexpr qsizetype MAX_TEXT = 4096;
constexpr qsizetype MAX_SENTENCE = 64 * 1024;
// The most entries: devices in one run, and a device's 25 settings.
constexpr qsizetype MAX_DEVICES = 4096;
constexpr qsizetype MAX_SETTINGS = 25;

// The members of a document, each named by its path ("devices[2].outcome")
// in the sentence that refuses it; the first problem is kept.
class Members {
public:
    const QString& problem() const { return m_problem; }

    QString Text(const QJsonObject& object, const QString& path, const char* name,
                 qsizetype most = MAX_TEXT)
    {
        const QJsonValue value = object.value(QLatin1String(name));
        if (!value.isString())
            Fail(Tr(MSG_RECORD_MEMBER).arg(Path(path, name)));
        Bound(value.toString().size(), most, path, name);
        return value.toString();
    }
    QJsonObject Object(const QJsonValue& value, const QString& path)
    {
        if (!value.isObject())
            Fail(Tr(MSG_RECORD_MEMBER).arg(path));
        return value.toObject();
    }
    QJsonArray Array(const QJsonObject& object, const QString& path, const char* name,
                     qsizetype most = MAX_SETTINGS)
    {
        const QJsonValue value = object.value(QLatin1String(name));
        if (!value.isArray())
            Fail(Tr(MSG_RECORD_MEMBER).arg(Path(path, name)));
        Bound(value.toArray().size(), most, path, name);
        return value.toArray();
    }
    // A text that is none of the values the member may hold.
    void Refuse(const QString& path, const char* name, const QString& value)
    {
        Fail(Tr(MSG_RECORD_VALUE).arg(Path(path, name), EscapedText(value)));
    }
    // The password's value where only "********" or "" may stand.
    void Password(const QString& key, const QString& value, const QString& path, const char* name)
    {
        if (IsPasswordKey(key) && !value.isEmpty() && value != MASKED_VALUE)
            Fail(Tr(MSG_RECORD_PASSWORD).arg(Path(path, name)));
    }
    void Bound(qsizetype size, qsizetype most, const QString& path, const char* name)
    {
        if (size > most)
            Fail(Tr(MSG_RECORD_TOO_LONG).arg(Path(path, name)).arg(most));
    }
    void Fail(const QString& sentence)
    {
        if (m_problem.isEmpty())
            m_problem = sentence;
    }

    static QString Path(const QString& path, const char* name)
    {
        return path.isEmpty() ? QLatin1String(name) : path + u'.' + QLatin1String(name);
    }
    static QString Item(const QString& path, const char* name, qsizetype index)
    {
        return QStringLiteral("%1[%2]").arg(Path(path, name)).arg(index);
    }

private:
    QString m_problem;
};

RecordSetting ReadSetting(Members& members, const QJsonValue& value, const QString& path)
{
    const QJsonObject object = members.Object(value, path);
    RecordSetting setting{members.Text(object, path, "key"), members.Text(object, path, "name"),
                          members.Text(object, path, "value"), std::nullopt};
    if (EnglishSettingName(setting.key).isEmpty())
        members.Refuse(path, "key", setting.key);
    members.Password(setting.key, setting.value, path, "value");
    const QJsonValue verified = object.value(QLatin1String("verified"));
    if (verified.isBool())
        setting.verified = verified.toBool();
    else if (!verified.isNull())
        members.Fail(Tr(MSG_RECORD_MEMBER).arg(Members::Path(path, "verified")));
    return setting;
}

// A change (before, after) or a difference (device, wanted): a key and two
// values.
struct KeyAndValues {
    QString key;
    QString first;
    QString second;
};
KeyAndValues ReadKeyAndValues(Members& members, const QJsonValue& value, const QString& path,
                              const char* first, const char* second)
{
    const QJsonObject object = members.Object(value, path);
    KeyAndValues read{members.Text(object, path, "key"), members.Text(object, path, first),
                      members.Text(object, path, second)};
    if (EnglishSettingName(read.key).isEmpty())
        members.Refuse(path, "key", read.key);
    members.Password(read.key, read.first, path, first);
    members.Password(read.key, read.second, path, second);
    return read;
}

RecordDevice ReadDevice(Members& members, const QJsonValue& value, const QString& path)
{
    const QJsonObject object = members.Object(value, path);
    RecordDevice device;
    device.address = members.Text(object, path, "address");
    const QJsonValue verifiedAt = object.value(QLatin1String("verifiedAt"));
    if (!verifiedAt.isString() && !verifiedAt.isNull())
        members.Fail(Tr(MSG_RECORD_MEMBER).arg(Members::Path(path, "verifiedAt")));
    device.verifiedAt = verifiedAt.toString();
    device.serialNumber = members.Text(object, path, "serialNumber");
    device.firmwareVersion = members.Text(object, path, "firmwareVersion");
    device.deviceName = members.Text(object, path, "deviceName");
    const QString outcome = members.Text(object, path, "outcome");
    if (const auto named = RecordOutcomeNamed(outcome))
        device.outcome = *named;
    else
        members.Refuse(path, "outcome", outcome);
    device.error = members.Text(object, path, "error", MAX_SENTENCE);
    const QJsonArray settings = members.Array(object, path, "settings");
    for (qsizetype i = 0; i < settings.size(); ++i)
        device.settings.push_back(
            ReadSetting(members, settings[i], Members::Item(path, "settings", i)));
    const QJsonArray changes = members.Array(object, path, "changes");
    for (qsizetype i = 0; i < changes.size(); ++i) {
        const auto [key, before, after] = ReadKeyAndValues(
            members, changes[i], Members::Item(path, "changes", i), "before", "after");
        device.changes.push_back({key, before, after});
    }
    const QJsonArray differences = members.Array(object, path, "differences");
    for (qsizetype i = 0; i < differences.size(); ++i) {
        const auto [key, held, wanted] = ReadKeyAndValues(
            members, differences[i], Members::Item(path, "differences", i), "device", "wanted");
        device.differences.push_back({key, held, wanted});
    }
    return device;
}

// Local time with its offset, as a record writes it.
std::optional<QDateTime> ReadLocalTime(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d$)"));
    const QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (!form.match(text).hasMatch() || !time.isValid())
        return std::nullopt;
    return time;
}

} // namespace

std::optional<CommissioningRecord> ReadRecord(const QByteArray& json, QString& problem)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    const QJsonObject root = document.object();
    if (parseError.error != QJsonParseError::NoError) {
        problem = Tr(MSG_NOT_JSON).arg(parseError.errorString()).arg(parseError.offset);
        return std::nullopt;
    }
    if (root.value("format").toString() != RECORD_FORMAT ||
        root.value("version").toInt(-1) != RECORD_VERSION) {
        problem = Tr(MSG_NOT_A_RECORD).arg(RECORD_FORMAT).arg(RECORD_VERSION);
        return std::nullopt;
    }
    Members members;
    CommissioningRecord record;
    const QJsonObject program = members.Object(root.value("program"), QStringLiteral("program"));
    record.program = members.Text(program, QStringLiteral("program"), "name");
    record.programVersion = members.Text(program, QStringLiteral("program"), "version");
    const QString createdAt = members.Text(root, {}, "createdAt");
    if (const auto time = ReadLocalTime(createdAt))
        record.createdAt = *time;
    else
        members.Refuse({}, "createdAt", createdAt);
    record.timeZone = members.Text(root, {}, "timeZone");
    const QString kind = members.Text(root, {}, "kind");
    if (const auto named = RecordKindNamed(kind))
        record.kind = *named;
    else
        members.Refuse({}, "kind", kind);
    record.note = members.Text(root, {}, "note", MAX_SENTENCE);
    const QJsonArray devices = members.Array(root, {}, "devices", MAX_DEVICES);
    for (qsizetype i = 0; i < devices.size() && members.problem().isEmpty(); ++i)
        record.devices.push_back(ReadDevice(members, devices[i], Members::Item({}, "devices", i)));
    problem = members.problem();
    if (!problem.isEmpty())
        return std::nullopt;
    return record;
}

std::optional<CommissioningRecord> LoadRecordFile(const QString& path, QString& problem,
                                                  QByteArray* sha256)
{
    QFile file(path);
    bool tooLarge = false;
    const std::optional<QByteArray> bytes = file.open(QIODevice::ReadOnly)
                                                ? ReadAtMost(file, MAX_RECORD_FILE_BYTES, tooLarge)
                                                : std::nullopt;
    if (!bytes) {
        problem = tooLarge
                      ? Tr(MSG_RECORD_TOO_LARGE).arg(path).arg(MAX_RECORD_FILE_BYTES / 1024 / 1024)
                      : Tr(MSG_CANNOT_READ).arg(path, file.errorString());
        return std::nullopt;
    }
    if (sha256 != nullptr)
        *sha256 = Sha256Hex(*bytes);
    return ReadRecord(*bytes, problem);
}

QString RecordPathProblem(const QString& path)
{
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile())
        return Tr(MSG_CANNOT_WRITE).arg(path, Tr(MSG_NOT_A_REGULAR_FILE));
    if (QString problem; existing.exists() && !LoadRecordFile(path, problem))
        return Tr(MSG_RECORD_NOT_REPLACED).arg(path);
    // A file made beside it and dropped: the folder takes one.
    QSaveFile probe(path);
    if (!probe.open(QIODevice::WriteOnly))
        return Tr(MSG_CANNOT_WRITE).arg(path, probe.errorString());
    probe.cancelWriting();
    return {};
}
