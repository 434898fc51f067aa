#include "SettingsFile.h"

#include "BoundedRead.h"
#include "CoreMessages.h"
#include "ParamRules.h"
#include "PasswordMask.h"
#include "Transcript.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString ValueText(const ConfigParam& row)
{
    return row.value ? DeviceTextToWide(*row.value) : QString();
}

const ConfigParam* DeviceRow(const DeviceSettings& device, int index)
{
    return device.Find(GROUP_INFO, index);
}

} // namespace

SettingsFile FileFromDevice(const DeviceSettings& device, const QString& address,
                            const QDateTime& time)
{
    SettingsFile file{ValueText(*DeviceRow(device, ROW_SERIAL_NUMBER.index)),
                      ValueText(*DeviceRow(device, ROW_FIRMWARE_VERSION.index)),
                      address,
                      time,
                      {}};
    for (const ConfigGroup& group : device) {
        for (const ConfigParam& row : group.rows) {
            if ((row.flags & PARAM_WRITE) != 0 && row.value)
                file.values.append({QString::fromLatin1(row.key), ValueText(row)});
        }
    }
    return file;
}

QByteArray SettingsFileJson(const SettingsFile& file)
{
    QJsonObject settings;
    for (const auto& [key, value] : file.values)
        settings.insert(key, value);
    const QJsonObject device{{"serialNumber", file.serialNumber},
                             {"firmwareVersion", file.firmwareVersion},
                             {"address", file.address}};
    const QJsonObject root{{"format", SETTINGS_FORMAT},
                           {"version", SETTINGS_VERSION},
                           {"device", device},
                           {"time", file.time.toUTC().toString(Qt::ISODate)},
                           {"settings", settings}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<SettingsFile> ReadSettingsFile(const QByteArray& json, QStringList& problems)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        problems << (parseError.error != QJsonParseError::NoError
                         ? Tr(MSG_NOT_JSON).arg(parseError.errorString()).arg(parseError.offset)
                         : Tr(MSG_NOT_AN_OBJECT));
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value("format").toString() != SETTINGS_FORMAT ||
        root.value("version").toInt(-1) != SETTINGS_VERSION) {
        problems << Tr(MSG_WRONG_FORMAT).arg(SETTINGS_FORMAT).arg(SETTINGS_VERSION);
        return std::nullopt;
    }
    if (!root.value("settings").isObject()) {
        problems << Tr(MSG_NO_SETTINGS);
        return std::nullopt;
    }
    const QJsonObject device = root.value("device").toObject();
    SettingsFile file{device.value("serialNumber").toString(),
                      device.value("firmwareVersion").toString(),
                      device.value("address").toString(),
                      QDateTime::fromString(root.value("time").toString(), Qt::ISODate),
                      {}};
    const QJsonObject settings = root.value("settings").toObject();
    const DeviceSettings table;
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        if (FindWritableRow(table, it.key()) == nullptr)
            problems << Tr(MSG_UNKNOWN_SETTING).arg(EscapedText(it.key()));
        else if (!it.value().isString())
            problems << Tr(MSG_NOT_A_STRING).arg(it.key());
    }
    // In table order, as the device and the window program have them.
    for (const ConfigGroup& group : table) {
        for (const ConfigParam& row : group.rows) {
            const QJsonValue value = settings.value(QLatin1String(row.key));
            if (!value.isString() || (row.flags & PARAM_WRITE) == 0)
                continue;
            const QString text = value.toString();
            if (const QString problem = InvalidValue(row, text); !problem.isEmpty())
                problems << problem;
            file.values.append({QString::fromLatin1(row.key), text});
        }
    }
    if (!problems.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<SettingsFile> LoadSettingsFile(const QString& path, QStringList& problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems << Tr(MSG_CANNOT_READ).arg(path, file.errorString());
        return std::nullopt;
    }
    return ReadSettingsFile(file, path, problems);
}

std::optional<SettingsFile> ReadSettingsFile(QFile& file, const QString& name,
                                             QStringList& problems)
{
    bool tooLarge = false;
    const std::optional<QByteArray> text = ReadAtMost(file, MAX_SETTINGS_FILE_BYTES, tooLarge);
    if (!text) {
        problems
            << (tooLarge
                    ? Tr(MSG_SETTINGS_FILE_TOO_LARGE).arg(name).arg(MAX_SETTINGS_FILE_BYTES / 1024)
                    : Tr(MSG_CANNOT_READ).arg(name, file.errorString()));
        return std::nullopt;
    }
    return ReadSettingsFile(*text, problems);
}

SettingsFile FileOfModifiedRows(const DeviceSettings& device, const QString& address,
                                const QDateTime& time)
{
    SettingsFile file = FileFromDevice(device, address, time);
    file.values.removeIf([&device](const QPair<QString, QString>& entry) {
        const ConfigParam* row = FindWritableRow(device, entry.first);
        return (row->flags & PARAM_MODIFIED) == 0;
    });
    return file;
}

QStringList ErrorReplies(const QList<QPair<QString, QString>>& values, QStringList* keys)
{
    QStringList sentences;
    for (const auto& [key, value] : values) {
        if (!IsErrorReply(value))
            continue;
        sentences << Tr(MSG_ERROR_REPLY_VALUE).arg(key, QuotedValue(key, value));
        if (keys != nullptr)
            *keys << key;
    }
    return sentences;
}
