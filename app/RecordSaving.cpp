#include "RecordSaving.h"

#include "CTolvoConfigApp.h"
#include "DialogTemplate.h"
#include "FileChooser.h"
#include "Prompts.h"
#include "RecordFiles.h"
#include "RecordNoteDlg.h"
#include "RecordReader.h"
#include "StringIds.h"
#include "version.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString PDF_SUFFIX = QStringLiteral("pdf");

void SayNotWritten(QWidget* owner, const RecordFiles& files)
{
    const QString text = files.jsonWritten
                             ? LoadResourceString(IDS_RECORD_PDF_NOT_WRITTEN)
                                   .arg(files.error, QDir::toNativeSeparators(files.jsonPath))
                             : LoadResourceString(IDS_RECORD_NOT_WRITTEN).arg(files.error);
    ShowPrompt(owner, {text, LoadResourceString(IDS_RECORD_FAILED_CAPTION), PromptIcon::Error});
}

// Whether the JSON document may go to its path beside pdfPath: where a file
// is there already, only as the partner of the PDF being replaced, or when
// the user says so (it may be a settings file of the same name).
bool JsonMayReplace(QWidget* owner, const QString& pdfPath, const QString& caption)
{
    const QString jsonPath = RecordJsonPath(pdfPath);
    // (What is no regular file is not read here: the write refuses it.)
    if (!QFileInfo(jsonPath).isFile())
        return true;
    QString problem;
    if (QFileInfo::exists(pdfPath) && LoadRecordFile(jsonPath, problem))
        return true;
    return ShowPrompt(
               owner,
               {LoadResourceString(IDS_RECORD_JSON_EXISTS).arg(QDir::toNativeSeparators(jsonPath)),
                caption, PromptIcon::Exclamation, PromptButtons::YesNo, PromptAnswer::No}) ==
           PromptAnswer::Yes;
}

} // namespace

CommissioningRecord WindowRecord(RecordKind kind, const QString& note)
{
    const QString version = FormatProductVersion((TOLVO_VERSION_MAJOR << 16) | TOLVO_VERSION_MINOR,
                                                 (TOLVO_VERSION_PATCH << 16) | TOLVO_VERSION_TWEAK);
    return NewRecord(QStringLiteral("TolvoSConfig"), version, kind, note);
}

bool SaveRecordAsked(QWidget* owner, RecordKind kind, std::vector<RecordDevice> devices)
{
    RecordNoteDlg ask(owner);
    if (ask.exec() != QDialog::Accepted)
        return false;
    const QString caption = LoadResourceString(IDS_RECORD_CAPTION);
    const QString path = ChooseFile(owner, FileChoice::Save, caption,
                                    LoadResourceString(IDS_RECORD_FILE_FILTER), PDF_SUFFIX);
    if (path.isEmpty() || !JsonMayReplace(owner, path, caption))
        return false;
    CommissioningRecord record = WindowRecord(kind, ask.note());
    record.devices = std::move(devices);
    const RecordFiles files = SaveRecordFiles(path, record);
    if (!files.error.isEmpty()) {
        SayNotWritten(owner, files);
        return false;
    }
    ShowPrompt(owner,
               {LoadResourceString(IDS_RECORD_SAVED)
                    .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(files.jsonPath),
                         QFileInfo(files.jsonPath).fileName(), QString::fromLatin1(files.sha256)),
                caption, PromptIcon::Information});
    return true;
}
