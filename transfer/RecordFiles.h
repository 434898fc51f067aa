// The files of a commissioning record that the window writes: its PDF, and
// its JSON document beside it, whose SHA-256 the PDF carries. Both are
// written whole or neither is (StagedFile.h), readable by their owner only.
#pragma once

#include "CommissioningRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Where the JSON document of the PDF at pdfPath goes: the same name ending
// in .json in place of .pdf (a name without .pdf gets .json added).
QString RecordJsonPath(const QString& pdfPath);

struct RecordFiles {
    QString jsonPath;
    QByteArray sha256; // of the JSON file's bytes, as sha256sum prints it
    // Why the files are not there: empty when both were written. With
    // jsonWritten the JSON document was, and the PDF not.
    QString error;
    bool jsonWritten = false;
};

// Writes record's PDF to pdfPath and its JSON document beside it.
RecordFiles SaveRecordFiles(const QString& pdfPath, const CommissioningRecord& record);

// Writes the PDF of record, whose JSON file jsonName has the SHA-256
// sha256, to path whole or not at all; the error, or empty.
QString SaveRecordPdf(const QString& path, const CommissioningRecord& record,
                      const QString& jsonName, const QByteArray& sha256);
