// The window's Load, Save, Import and Export: each checks what the window
// knows (a load first, the pages' fields), runs the session's operation and
// turns its outcome into the box the user sees.
#include "CTolvoConfigDlg.h"

#include "DataExchange.h"
#include "DialogTemplate.h"
#include "FieldMarks.h"
#include "FileChooser.h"
#include "PageTable.h"
#include "Prompts.h"
#include "StringIds.h"
#include "TabControl.h"
#include "TolvoInfo.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"
#include "WaitCursor.h"
#include "WindowWait.h"

#include <QDir>

namespace {

const QString FILE_SUFFIX = QStringLiteral("json");

// The success text of a save: what changed (where known), and which
// settings the device kept because the pages had no value for them or
// showed them otherwise.
QString SavedText(const SaveOutcome& saved)
{
    QString text = LoadResourceString(IDS_SAVE_DONE);
    if (saved.changed)
        text +=
            "\n\n" + (saved.changed->isEmpty()
                          ? LoadResourceString(IDS_SAVE_NONE_CHANGED)
                          : LoadResourceString(IDS_SAVE_CHANGED).arg(saved.changed->join(", ")));
    if (!saved.leftOut.isEmpty())
        text += "\n\n" + LoadResourceString(IDS_SAVE_LEFT_OUT).arg(saved.leftOut.join(", "));
    if (!saved.kept.isEmpty())
        text += "\n\n" + LoadResourceString(IDS_SAVE_KEPT_DEVICE_VALUE).arg(saved.kept.join(", "));
    return text;
}

Prompt OkBox(const QString& text, StringId caption, PromptIcon icon)
{
    return {text, LoadResourceString(caption), icon, PromptButtons::Ok, PromptAnswer::Ok};
}

} // namespace

Pages CTolvoConfigDlg::PageSet()
{
    return {*m_pInfo, *m_pWiFi, *m_pPortSettings, *m_pPortRouting};
}

void CTolvoConfigDlg::ShowFailure(const QString& text, int caption, PromptIcon icon)
{
    Prompt box = OkBox(text, StringId(caption), icon);
    box.details = m_session.transcript().text();
    ShowPrompt(this, box);
}

bool CTolvoConfigDlg::ReadPagesForSave()
{
    for (int i = 0; i < static_cast<int>(m_pages.size()); ++i) {
        if (m_pages[i]->UpdateData(true))
            continue;
        // The page has warned; bring it to the front with the field to mend.
        // (ShowSelectedPage follows the tab change.)
        m_tab->setCurrentIndex(i);
        if (QWidget* field = m_pages[i]->FailedControl())
            FocusField(field);
        return false;
    }
    return UpdateData(true);
}

void CTolvoConfigDlg::LoadConfiguration()
{
    WaitCursor busy;
    LoadOutcome loaded;
    {
        WindowWait wait(this);
        loaded = m_session.Load(m_deviceAddress, m_deviceTimeoutMs, PageSet(), wait);
    }
    EnableRecordAction();
    if (loaded.kind == LoadOutcome::Kind::Cancelled)
        return;
    if (loaded.kind == LoadOutcome::Kind::Failed) {
        ShowFailure(loaded.failure + "\n\n" + LoadResourceString(IDS_LOAD_NOTHING_CHANGED),
                    IDS_LOAD_FAILED_CAPTION);
        return;
    }
    UpdateData(false);
    EnablePageControls(true);
    KeepPageValuesAsSaved();
    ShowDeviceValueMarks();
    QString text = LoadResourceString(IDS_LOAD_DONE);
    QStringList lines;
    for (const ShownOtherwise& row : loaded.rows)
        lines << LoadResourceString(IDS_LOAD_DEVICE_HOLDS).arg(row.name, row.held);
    if (!lines.isEmpty())
        text += "\n\n" + LoadResourceString(IDS_LOAD_SHOWN_OTHERWISE).arg(lines.join('\n'));
    ShowPrompt(this, OkBox(text, IDS_SUCCESS_CAPTION, PromptIcon::Exclamation));
}

// Marks the fields that show a device value otherwise than the device holds it.
void CTolvoConfigDlg::ShowDeviceValueMarks()
{
    m_marks->ClearDeviceValues();
    for (const ConfigSession::DeviceValueRow& held : m_session.deviceValueRows())
        m_marks->SetDeviceValue(RowControl(PageSet(), held.row), held.held);
}

void CTolvoConfigDlg::SaveConfiguration()
{
    m_session.SetMoveWait(m_moveWaitMs);
    // The pages hold blanks until a load; sending them would wipe the device.
    if (!RequireLoad(IDS_SAVE_LOAD_FIRST, IDS_SAVE_CAPTION) || !ConfirmSaveAddress())
        return;
    WaitCursor busy;
    if (!ReadPagesForSave())
        return; // the page has said what to mend; nothing was written or sent
    SaveOutcome saved;
    {
        WindowWait wait(this);
        saved = m_session.Save(m_deviceAddress, m_deviceTimeoutMs, PageSet(), wait);
    }
    EnableRecordAction();
    ShowSaveOutcome(saved);
}

void CTolvoConfigDlg::ShowSaveOutcome(const SaveOutcome& saved)
{
    using Kind = SaveOutcome::Kind;
    const QString keys = saved.keys.join(", ");
    // A device read back at a new address is followed there, whatever the
    // read-back showed, so that the next Load reaches it.
    QString moved;
    if (saved.verifiedAt != 0 && saved.verifiedAt != m_deviceAddress) {
        FollowDevice(saved.verifiedAt);
        moved = "\n\n" + LoadResourceString(IDS_SAVE_MOVED).arg(DottedText(saved.verifiedAt));
    }
    switch (saved.kind) {
    case Kind::NotConnected: return;
    case Kind::TextNotStored:
        ShowPrompt(this, OkBox(LoadResourceString(IDS_SAVE_TEXT_NOT_STORED),
                               IDS_SAVE_FAILED_CAPTION, PromptIcon::Error));
        return;
    case Kind::Saved: {
        ShowDeviceValueMarks();
        KeepPageValuesAsSaved();
        ShowPrompt(this,
                   OkBox(SavedText(saved) + moved, IDS_SUCCESS_CAPTION, PromptIcon::Exclamation));
        return;
    }
    case Kind::NotSeen:
        ShowFailure(LoadResourceString(IDS_SAVE_NOT_SEEN).arg(saved.failure),
                    IDS_SAVE_NOT_CONFIRMED_CAPTION, PromptIcon::Exclamation);
        return;
    case Kind::NotKept:
        ShowFailure(LoadResourceString(IDS_SAVE_NOT_KEPT).arg(keys) + moved,
                    IDS_SAVE_FAILED_CAPTION);
        return;
    case Kind::UnsentChanged:
        ShowFailure(LoadResourceString(IDS_SAVE_UNSENT_CHANGED).arg(keys), IDS_SAVE_FAILED_CAPTION);
        return;
    case Kind::ApplyUnconfirmed:
        ShowFailure(LoadResourceString(IDS_SAVE_APPLY_UNCONFIRMED), IDS_SAVE_NOT_CONFIRMED_CAPTION,
                    PromptIcon::Exclamation);
        return;
    case Kind::ReadBackFailed:
        ShowFailure(LoadResourceString(IDS_SAVE_READ_BACK_FAILED), IDS_SAVE_NOT_CONFIRMED_CAPTION,
                    PromptIcon::Exclamation);
        return;
    case Kind::Cancelled:
        ShowPrompt(
            this, OkBox(LoadResourceString(saved.sentSomething ? IDS_SAVE_CANCELLED_AFTER_SENDING
                                                               : IDS_SAVE_CANCELLED_BEFORE_SENDING),
                        IDS_SAVE_CANCELLED_CAPTION, PromptIcon::Information));
        return;
    case Kind::NothingSent:
    case Kind::NotApplied:
        ShowFailure(saved.failure + "\n\n" +
                        LoadResourceString(saved.kind == Kind::NothingSent ? IDS_SAVE_NOTHING_SENT
                                                                           : IDS_SAVE_NOT_APPLIED),
                    IDS_SAVE_FAILED_CAPTION);
        return;
    }
}

// Sending one device's settings to another address may be intended (copying
// a set-up), but it gives two devices one IP address: ask first.
bool CTolvoConfigDlg::ConfirmSaveAddress()
{
    const uint32_t loadedFrom = *m_session.loadedFrom();
    if (m_deviceAddress == loadedFrom)
        return true;
    const Prompt box{LoadResourceString(IDS_SAVE_OTHER_ADDRESS)
                         .arg(DottedText(loadedFrom), DottedText(m_deviceAddress)),
                     LoadResourceString(IDS_SAVE_CAPTION), PromptIcon::Question,
                     PromptButtons::YesNo, PromptAnswer::No};
    return ShowPrompt(this, box) == PromptAnswer::Yes;
}

bool CTolvoConfigDlg::RequireLoad(int text, int caption)
{
    if (m_session.loadedFrom())
        return true;
    ShowPrompt(this, OkBox(LoadResourceString(StringId(text)), StringId(caption),
                           PromptIcon::Exclamation));
    return false;
}

std::optional<PageSettings> CTolvoConfigDlg::CheckedPageSettings(int loadFirstText, int caption,
                                                                 int failedCaption)
{
    if (!RequireLoad(loadFirstText, caption) || !ReadPagesForSave())
        return std::nullopt; // the checks have said what to mend
    std::optional<PageSettings> settings = m_session.CheckedPages(PageSet());
    if (!settings)
        ShowPrompt(this, OkBox(LoadResourceString(IDS_SAVE_TEXT_NOT_STORED),
                               StringId(failedCaption), PromptIcon::Error));
    return settings;
}

void CTolvoConfigDlg::ExportSettings()
{
    const std::optional<PageSettings> settings =
        CheckedPageSettings(IDS_EXPORT_LOAD_FIRST, IDS_EXPORT_CAPTION, IDS_EXPORT_FAILED_CAPTION);
    if (!settings)
        return;
    const QString path = ChooseFile(this, FileChoice::Save, LoadResourceString(IDS_EXPORT_CAPTION),
                                    LoadResourceString(IDS_FILE_FILTER), FILE_SUFFIX);
    if (path.isEmpty())
        return;
    if (const QString error = ConfigSession::Export(*settings, path); !error.isEmpty()) {
        ShowPrompt(this, OkBox(error, IDS_EXPORT_FAILED_CAPTION, PromptIcon::Error));
        return;
    }
    QString text = LoadResourceString(IDS_EXPORT_DONE).arg(QDir::toNativeSeparators(path));
    if (!settings->leftOut.isEmpty())
        text += "\n\n" + LoadResourceString(IDS_EXPORT_LEFT_OUT).arg(settings->leftOut.join(", "));
    ShowPrompt(this, OkBox(text, IDS_EXPORT_CAPTION, PromptIcon::Information));
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
    const ImportOutcome imported = m_session.Import(path, PageSet());
    if (!imported.imported) {
        ShowPrompt(
            this,
            OkBox(
                LoadResourceString(IDS_IMPORT_INVALID).arg(shownPath, imported.problems.join('\n')),
                IDS_IMPORT_FAILED_CAPTION, PromptIcon::Error));
        return;
    }
    QString text = LoadResourceString(IDS_IMPORT_DONE).arg(imported.count).arg(shownPath);
    if (!imported.fileSerial.isEmpty())
        text += "\n\n" + LoadResourceString(IDS_IMPORT_OTHER_DEVICE)
                             .arg(imported.fileSerial, imported.deviceSerial);
    ShowPrompt(this, OkBox(text, IDS_IMPORT_CAPTION, PromptIcon::Information));
}
