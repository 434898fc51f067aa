// The settings file: one device's writable settings, as JSON (format in
// docs/settings-file.md).
#pragma once

#include "ConfigTable.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

inline const QString SETTINGS_FORMAT = QStringLiteral("tolvo-s-settings");
constexpr int SETTINGS_VERSION = 1;

struct SettingsFile {
    QString serialNumber;
    QString firmwareVersion;
    QString address;
    QDateTime time;
    // Key and value, in table order; values hold one character per device byte.
    QList<QPair<QString, QString>> values;
};

// A device's writable rows as a file.
SettingsFile FileFromDevice(const DeviceSettings& device, const QString& address,
                            const QDateTime& time);
QByteArray SettingsFileJson(const SettingsFile& file);

// Reads and checks a file's text: every key known and writable, every value
// valid. Nothing, with one sentence per problem, when it is not.
std::optional<SettingsFile> ReadSettingsFile(const QByteArray& json, QStringList& problems);
// The same for the file at path; a file that cannot be read, or is larger
// than any settings file (MAX_SETTINGS_FILE_BYTES), is a problem too.
std::optional<SettingsFile> LoadSettingsFile(const QString& path, QStringList& problems);
// The same for an open file (standard input), which messages call name.
std::optional<SettingsFile> ReadSettingsFile(QFile& file, const QString& name,
                                             QStringList& problems);

// Only the rows of device that will be pushed (modified, with a value), as
// a file: what a program has taken from its pages.
SettingsFile FileOfModifiedRows(const DeviceSettings& device, const QString& address,
                                const QDateTime& time);

// A sentence for each value that is a device's error reply (see
// IsErrorReply), naming its key; the keys too, when keys is given. A backup
// of a device that lacked a setting holds one: it is not sent unasked.
QStringList ErrorReplies(const QList<QPair<QString, QString>>& values, QStringList* keys = nullptr);
