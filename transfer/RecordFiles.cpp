#include "RecordFiles.h"

#include "RecordDocument.h"
#include "StagedFile.h"

#include <QFileInfo>
#include <QTextDocument>

namespace {

const QString PDF_SUFFIX = QStringLiteral(".pdf");
const QString JSON_SUFFIX = QStringLiteral(".json");

QByteArray PdfOf(const CommissioningRecord& record, const QString& jsonName,
                 const QByteArray& sha256)
{
    const std::unique_ptr<QTextDocument> document = RecordDocument(record, jsonName, sha256);
    return RecordPdf(*document);
}

} // namespace

QString RecordJsonPath(const QString& pdfPath)
{
    if (pdfPath.endsWith(PDF_SUFFIX, Qt::CaseInsensitive))
        return pdfPath.chopped(PDF_SUFFIX.size()) + JSON_SUFFIX;
    return pdfPath + JSON_SUFFIX;
}

RecordFiles SaveRecordFiles(const QString& pdfPath, const CommissioningRecord& record)
{
    RecordFiles files;
    files.jsonPath = RecordJsonPath(pdfPath);
    const QByteArray json = RecordJson(record);
    files.sha256 = Sha256Hex(json);
    StagedFile jsonFile(files.jsonPath, json);
    StagedFile pdfFile(pdfPath, PdfOf(record, QFileInfo(files.jsonPath).fileName(), files.sha256));
    // Both are on the disk before either replaces anything: a full disk
    // leaves the earlier pair as it was, not a new JSON beside an old PDF.
    for (StagedFile* file : {&jsonFile, &pdfFile}) {
        file->ExpectStage();
        file->Stage();
        if (files.error.isEmpty())
            files.error = file->error();
    }
    const bool keep = files.error.isEmpty();
    jsonFile.Settle(keep);
    if (!keep) {
        pdfFile.Settle(false);
        return files;
    }
    files.error = jsonFile.error();
    if (!files.error.isEmpty()) {
        pdfFile.Settle(false);
        return files;
    }
    files.jsonWritten = true;
    pdfFile.Settle(true);
    files.error = pdfFile.error();
    return files;
}

QString SaveRecordPdf(const QString& path, const CommissioningRecord& record,
                      const QString& jsonName, const QByteArray& sha256)
{
    QString error;
    SaveFileAtomically(path, PdfOf(record, jsonName, sha256), error);
    return error;
}
