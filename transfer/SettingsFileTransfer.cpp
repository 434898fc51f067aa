// Export and Import: the pages' settings to a settings file and back, in the
// file format of tolvoctl backup, read and written by the same code.
#include "CTolvoConfigDlg.h"

#include "ConfigTable.h"
#include "ControlValue.h"
#include "DialogTemplate.h"
#include "FileChooser.h"
#include "PageTable.h"
#include "Prompts.h"
#include "SettingsFile.h"
#include "StagedFile.h"
#include "StringIds.h"

#include <QDateTime>
#include <QDir>
#include <QScopeGuard>

namespace {

const QString FILE_SUFFIX = QStringLiteral("json");

// The table as it was when this goes: export and import only borrow it.
auto KeepTable()
{
    return qScopeGuard([held = ConfigTable] { ConfigTable = held; });
}

} // namespace

bool CTolvoConfigDlg::RequireLoad(int text, int caption)
{
    if (m_loadedFrom)
        return true;
    ShowPrompt(this, {LoadResourceString(text), LoadResourceString(caption),
                      PromptIcon::Exclamation, PromptButtons::Ok});
    return false;
}

std::optional<std::pair<SettingsFile, QStringList>>
CTolvoConfigDlg::CheckedPageSettings(int loadFirstText, int caption, int failedCaption)
{
    if (!RequireLoad(loadFirstText, caption) || !ReadPagesForSave())
        return std::nullopt; // the checks have said what to mend
    const auto restore = KeepTable();
    const std::optional<QStringList> leftOut = CopyPagesToTable(PageSet());
    if (!leftOut) {
        ShowPrompt(this, {LoadResourceString(IDS_SAVE_TEXT_NOT_STORED),
                          LoadResourceString(failedCaption), PromptIcon::Error});
        return std::nullopt;
    }
    return std::pair{
        FileOfModifiedRows(ConfigTable, DottedText(*m_loadedFrom), QDateTime::currentDateTimeUtc()),
        *leftOut};
}

void CTolvoConfigDlg::ExportSettings()
{
    const auto checked =
        CheckedPageSettings(IDS_EXPORT_LOAD_FIRST, IDS_EXPORT_CAPTION, IDS_EXPORT_FAILED_CAPTION);
    if (!checked)
        return;
    const auto& [file, leftOut] = *checked;
    const QString path = ChooseFile(this, FileChoice::Save, LoadResourceString(IDS_EXPORT_CAPTION),
                                    LoadResourceString(IDS_FILE_FILTER), FILE_SUFFIX);
    if (path.isEmpty())
        return;
    QString error;
    if (!SaveFileAtomically(path, SettingsFileJson(file), error)) {
        ShowPrompt(this, {error, LoadResourceString(IDS_EXPORT_FAILED_CAPTION), PromptIcon::Error});
        return;
    }
    QString text = LoadResourceString(IDS_EXPORT_DONE).arg(QDir::toNativeSeparators(path));
    if (!leftOut.isEmpty())
        text += "\n\n" + LoadResourceString(IDS_EXPORT_LEFT_OUT).arg(leftOut.join(", "));
    ShowPrompt(this, {text, LoadResourceString(IDS_EXPORT_CAPTION), PromptIcon::Information});
}

void CTolvoConfigDlg::ImportSettings()
{
    if (!RequireLoad(IDS_IMPORT_LOAD_FIRST, IDS_IMPORT_CAPTION))
        return;
    const QString path = ChooseFile(this, FileChoice::Open, LoadResourceString(IDS_IMPORT_CAPTION),
                                    LoadResourceString(IDS_FILE_FILTER));
    if (path.isEmpty())
        return;
    const QString shownPath = QDir::toNativeSeparators(path);
    QStringList problems;
    std::optional<SettingsFile> file = LoadSettingsFile(path, problems);
    // A device's error reply kept by a backup is no setting: the window has
    // no way to say "send it all the same", so the file is refused.
    if (file)
        problems = ErrorReplies(file->values);
    if (!file || !problems.isEmpty()) {
        ShowPrompt(this,
                   {LoadResourceString(IDS_IMPORT_INVALID).arg(shownPath, problems.join('\n')),
                    LoadResourceString(IDS_IMPORT_FAILED_CAPTION), PromptIcon::Error});
        return;
    }

    // The fields of settings the file lacks keep what they show.
    QList<QPair<QWidget*, QString>> untouched;
    for (const ParamRow row : WritableRows()) {
        const QString key = QString::fromLatin1(FindParam(row.group, row.index)->key);
        const bool inFile = std::any_of(file->values.begin(), file->values.end(),
                                        [&key](const auto& entry) { return entry.first == key; });
        if (QWidget* field = RowControl(PageSet(), row); !inFile)
            untouched.append({field, ControlValue(field)});
    }
    {
        const auto restore = KeepTable();
        for (const auto& [key, value] : file->values)
            ConfigTable.SetByKey(key.toStdString(), value.toLatin1().toStdString());
        CopyTableToPages(PageSet());
    }
    for (Dialog* page : m_pages)
        page->UpdateData(false);
    for (const auto& [field, value] : untouched)
        SetControlValue(field, value);

    QString text = LoadResourceString(IDS_IMPORT_DONE).arg(file->values.size()).arg(shownPath);
    const QString serial = DeviceTextToWide(RowText(ROW_SERIAL_NUMBER));
    if (!file->serialNumber.isEmpty() && file->serialNumber != serial)
        text +=
            "\n\n" + LoadResourceString(IDS_IMPORT_OTHER_DEVICE).arg(file->serialNumber, serial);
    ShowPrompt(this, {text, LoadResourceString(IDS_IMPORT_CAPTION), PromptIcon::Information});
}
