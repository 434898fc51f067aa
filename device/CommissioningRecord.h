// The commissioning record: what each device of a run holds now, which of
// its settings were verified after the apply and what the run changed, with
// the time, the program and the technician's note. Its JSON document
// (docs/record-format.md) is what tolvoctl --record writes and what a PDF is
// made from (RecordReader.h reads it back); the SHA-256 of the file's bytes, printed on the PDF,
// shows a later edit. The Wi-Fi password's value is never in it: "********" when the device holds
// one, "" when not.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

inline const QString RECORD_FORMAT = QStringLiteral("tolvo-s-commissioning-record");
constexpr int RECORD_VERSION = 1;
// The most a record file may hold: 4096 devices of 25 settings each, every
// value at its longest and escaped, fit.
constexpr qint64 MAX_RECORD_FILE_BYTES = 64 * 1024 * 1024;

// What the run did: read (load, backup), wrote and read back (save, send,
// restore, set), or compared without sending anything (check).
enum class RecordKind { Load, Save, Send, Check, Backup, Restore, Set };
// How a device came out of it.
enum class RecordOutcome {
    Verified, // written, and every setting sent read back as sent
    Read,     // read only
    Matches,  // held every wanted value (a check; a write that sent nothing)
    Differs,  // a check that found differences
    Failed,   // see error
};

// One setting as read back. name is the page's name in English, for a
// reader of the JSON; a renderer shows the name its catalogue gives key.
struct RecordSetting {
    QString key;
    QString name;
    QString value;
    // Whether it read back as written; none where nothing was written and
    // read back (a read, a check, a row not sent).
    std::optional<bool> verified;
};

struct RecordChange {
    QString key;
    QString before;
    QString after;
};

struct RecordDifference {
    QString key;
    QString device;
    QString wanted;
};

struct RecordDevice {
    QString address;
    // Where the settings were read (after the apply: where the device was
    // found when it moved); empty when it was not read.
    QString verifiedAt;
    QString serialNumber;
    QString firmwareVersion;
    QString deviceName;
    RecordOutcome outcome = RecordOutcome::Failed;
    QString error;                             // the sentence, when failed
    std::vector<RecordSetting> settings;       // in table order
    std::vector<RecordChange> changes;         // what the run changed
    std::vector<RecordDifference> differences; // a check's
};

struct CommissioningRecord {
    QString program;
    QString programVersion;
    QDateTime createdAt; // local time, with its offset from UTC
    QString timeZone;    // the IANA id ("Europe/Berlin")
    RecordKind kind = RecordKind::Load;
    QString note;
    std::vector<RecordDevice> devices;
};

// A record made now, in this computer's time zone, without devices.
CommissioningRecord NewRecord(const QString& program, const QString& programVersion,
                              RecordKind kind, const QString& note);

// Whether a run of kind writes to its devices (save, send, restore, set).
bool IsWriteKind(RecordKind kind);

// The names of kinds and outcomes in the JSON ("restore", "matches").
QString RecordKindName(RecordKind kind);
QString RecordOutcomeName(RecordOutcome outcome);
std::optional<RecordKind> RecordKindNamed(const QString& name);
std::optional<RecordOutcome> RecordOutcomeNamed(const QString& name);

// The record as its JSON document, the bytes of its file.
QByteArray RecordJson(const CommissioningRecord& record);
// Writes the record's document to path as one whole file (StagedFile.h): a
// write that fails leaves no file and an earlier one at path as it was, and
// error names the file and why. The SHA-256 of the bytes written.
std::optional<QByteArray> SaveRecord(const QString& path, const CommissioningRecord& record,
                                     QString& error);

// A time's offset from UTC as "+01:00" ("+00:00" for UTC itself).
QString UtcOffsetText(const QDateTime& time);

// The SHA-256 of bytes, as 64 lower-case hex digits (as sha256sum prints it).
QByteArray Sha256Hex(const QByteArray& bytes);
