// Reading a commissioning record's file back (to make its PDF): a document
// that is no record of this format and version, or holds what a record never
// does, is refused with a sentence that names the member.
#pragma once

#include "CommissioningRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a record's document; nothing, with a sentence saying what is wrong,
// when it is no record of this format and version, or holds what a record
// never does (a setting that does not exist, a password's value).
std::optional<CommissioningRecord> ReadRecord(const QByteArray& json, QString& problem);
// The same for the file at path (at most MAX_RECORD_FILE_BYTES); with
// sha256, the SHA-256 of its bytes too.
std::optional<CommissioningRecord> LoadRecordFile(const QString& path, QString& problem,
                                                  QByteArray* sha256 = nullptr);

// Why a record may not go to path, found before a run sends anything: what
// is there is no regular file, or a file that is no record (a settings file,
// a backup: a record replaces only an earlier record), or no file can be
// made there (a missing or read-only folder); empty when it may. A full disk
// shows only as the record is written.
QString RecordPathProblem(const QString& path);
