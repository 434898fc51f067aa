// A commissioning record as a person reads it, and its PDF: the record's
// program, run, time and note, the SHA-256 of its JSON file, then for each
// device who it is, every setting as read back and whether it was verified,
// what the run changed or how the device differs. Every text is the
// window's string table's (the settings by the names the pages give them),
// in the window's language; what came from the record (values, addresses,
// the note) is marked as such (IsRecordValue), so that a test can tell it
// from the texts a catalogue must give.
#pragma once

#include "CommissioningRecord.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QTextCharFormat;
class QTextDocument;

// The record's document; jsonName is the JSON file's name as shown, sha256
// the hex of its bytes.
std::unique_ptr<QTextDocument> RecordDocument(const CommissioningRecord& record,
                                              const QString& jsonName, const QByteArray& sha256);

// Whether text of this format is the record's (a value, an address, the
// note) rather than a text of the string table.
bool IsRecordValue(const QTextCharFormat& format);

// The document laid out on A4 pages, as a PDF's bytes.
QByteArray RecordPdf(QTextDocument& document);
