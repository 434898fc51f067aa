#include "CTolvoConfigDlg.h"

#include "ConfigTable.h"
#include "DialogTemplate.h"
#include "PageTable.h"
#include "Prompts.h"
#include "StringIds.h"
#include "TransferFailure.h"
#include "WaitCursor.h"

namespace {

// The success text, and which settings the device kept because the pages
// had no value for them.
QString SavedText(const QStringList& leftOut)
{
    QString text = LoadResourceString(IDS_SAVE_DONE);
    if (!leftOut.isEmpty())
        text += "\n\n" + LoadResourceString(IDS_SAVE_LEFT_OUT).arg(leftOut.join(", "));
    return text;
}

} // namespace

void CTolvoConfigDlg::SaveConfiguration()
{
    if (!m_loadedFrom) {
        // The pages hold blanks until a load; sending them would wipe the device.
        ShowPrompt(this,
                   {LoadResourceString(IDS_SAVE_LOAD_FIRST), LoadResourceString(IDS_SAVE_CAPTION),
                    PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    if (!ConfirmSaveAddress())
        return;
    WaitCursor wait;
    if (!ReadPagesForSave())
        return; // the page has said what to mend; nothing was written or sent
    const std::optional<QStringList> leftOut = CopyPagesToTable(PageSet());
    if (!leftOut) {
        ShowPrompt(this, {LoadResourceString(IDS_SAVE_TEXT_NOT_STORED),
                          LoadResourceString(IDS_SAVE_FAILED_CAPTION), PromptIcon::Error,
                          PromptButtons::Ok});
        return;
    }
    // What the device holds after the apply, read back on the same connection.
    DeviceSettings readBack;
    const std::optional<DeviceRun> pushed = RunOnDevice(
        LoadResourceString(IDS_SAVE_PROGRESS).arg(DottedText(m_deviceAddress)),
        [&readBack](DeviceConnection& link) { link.StartPush(ConfigTable, &readBack); });
    if (!pushed)
        return;
    if (pushed->result == DEVICE_OK) {
        if (const std::vector<std::string> notKept = NotKept(ConfigTable, readBack);
            !notKept.empty()) {
            QStringList keys;
            for (const std::string& key : notKept)
                keys << QString::fromStdString(key);
            ShowPrompt(this, {LoadResourceString(IDS_SAVE_NOT_KEPT).arg(keys.join(", ")),
                              LoadResourceString(IDS_SAVE_FAILED_CAPTION), PromptIcon::Error,
                              PromptButtons::Ok});
            return;
        }
    }
    ShowSaveOutcome(*pushed, *leftOut);
}

void CTolvoConfigDlg::ShowSaveOutcome(const DeviceRun& pushed, const QStringList& leftOut)
{
    switch (pushed.result) {
    case DEVICE_OK:
        KeepPageValuesAsSaved();
        ShowPrompt(this, {SavedText(leftOut), LoadResourceString(IDS_SUCCESS_CAPTION),
                          PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    case DEVICE_APPLY_UNCONFIRMED:
        ShowPrompt(this, {LoadResourceString(IDS_SAVE_APPLY_UNCONFIRMED),
                          LoadResourceString(IDS_SAVE_NOT_CONFIRMED_CAPTION),
                          PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    case DEVICE_READ_BACK_FAILED:
        ShowPrompt(this, {LoadResourceString(IDS_SAVE_READ_BACK_FAILED),
                          LoadResourceString(IDS_SAVE_NOT_CONFIRMED_CAPTION),
                          PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    case DEVICE_CANCELLED:
        ShowPrompt(this, {pushed.connected ? LoadResourceString(IDS_SAVE_CANCELLED_AFTER_SENDING)
                                           : LoadResourceString(IDS_SAVE_CANCELLED_BEFORE_SENDING),
                          LoadResourceString(IDS_SAVE_CANCELLED_CAPTION), PromptIcon::Information,
                          PromptButtons::Ok});
        return;
    case DEVICE_COMMAND_TOO_LONG:
        ShowSaveFailure(pushed, LoadResourceString(IDS_SAVE_NOTHING_SENT));
        return;
    case DEVICE_SEND_FAILED:
    case DEVICE_HOST_NOT_FOUND:
    case DEVICE_NO_DATA:
    case DEVICE_SOCKET_ERROR:
    case DEVICE_TIMED_OUT:
    case DEVICE_CONNECTION_CLOSED:
    case DEVICE_REPLY_TOO_LONG:
    case DEVICE_CONNECT_FAILED:
        ShowSaveFailure(pushed, LoadResourceString(IDS_SAVE_NOT_APPLIED));
        return;
    }
}

void CTolvoConfigDlg::ShowSaveFailure(const DeviceRun& pushed, const QString& state)
{
    ShowPrompt(this,
               {DescribeDeviceFailure(pushed) + "\n\n" + state,
                LoadResourceString(IDS_SAVE_FAILED_CAPTION), PromptIcon::Error, PromptButtons::Ok});
}

// Sending one device's settings to another address may be intended (copying
// a set-up), but it gives two devices one IP address: ask first.
bool CTolvoConfigDlg::ConfirmSaveAddress()
{
    if (m_deviceAddress == *m_loadedFrom)
        return true;
    const Prompt box{LoadResourceString(IDS_SAVE_OTHER_ADDRESS)
                         .arg(DottedText(*m_loadedFrom), DottedText(m_deviceAddress)),
                     LoadResourceString(IDS_SAVE_CAPTION), PromptIcon::Question,
                     PromptButtons::YesNo, PromptAnswer::No};
    return ShowPrompt(this, box) == PromptAnswer::Yes;
}
