#include "CTolvoConfigDlg.h"

#include "ConfigTable.h"
#include "ControlValue.h"
#include "DialogTemplate.h"
#include "FieldMarks.h"
#include "PageTable.h"
#include "Prompts.h"
#include "StringIds.h"
#include "TransferFailure.h"
#include "WaitCursor.h"

namespace {

// The names of the rows the push sent whose value differs from before.
QStringList ChangedRows(const DeviceSettings& before, const std::function<QString(ParamRow)>& name)
{
    QStringList names;
    for (int group = 0; group < static_cast<int>(ConfigTable.size()); ++group) {
        for (int index = 0; index < ConfigTable[group].count(); ++index) {
            const ConfigParam& row = ConfigTable[group].rows[index];
            if ((row.flags & PARAM_MODIFIED) != 0 && row.value != before[group].rows[index].value)
                names << name({group, index});
        }
    }
    return names;
}

// Keys for a sentence: "SSID, CHANNEL".
QString KeyList(const std::vector<std::string>& keys)
{
    QStringList list;
    for (const std::string& key : keys)
        list << QString::fromStdString(key);
    return list.join(", ");
}

// The success text: what changed, and which settings the device kept
// because the pages had no value for them or showed them otherwise.
QString SavedText(const QStringList& changed, const QStringList& leftOut, const QStringList& kept)
{
    QString text =
        LoadResourceString(IDS_SAVE_DONE) + "\n\n" +
        (changed.isEmpty() ? LoadResourceString(IDS_SAVE_NONE_CHANGED)
                           : LoadResourceString(IDS_SAVE_CHANGED).arg(changed.join(", ")));
    if (!leftOut.isEmpty())
        text += "\n\n" + LoadResourceString(IDS_SAVE_LEFT_OUT).arg(leftOut.join(", "));
    if (!kept.isEmpty())
        text += "\n\n" + LoadResourceString(IDS_SAVE_KEPT_DEVICE_VALUE).arg(kept.join(", "));
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
    const DeviceSettings before = ConfigTable; // what the device held, as far as known
    const std::optional<QStringList> leftOut = CopyPagesToTable(PageSet());
    if (!leftOut) {
        ShowPrompt(this, {LoadResourceString(IDS_SAVE_TEXT_NOT_STORED),
                          LoadResourceString(IDS_SAVE_FAILED_CAPTION), PromptIcon::Error,
                          PromptButtons::Ok});
        return;
    }
    const QStringList kept = KeepUneditedDeviceValues();
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
            ShowFailure(LoadResourceString(IDS_SAVE_NOT_KEPT).arg(KeyList(notKept)),
                        IDS_SAVE_FAILED_CAPTION);
            return;
        }
        // A row left out keeps the device's value, unless the apply committed
        // one that an earlier, interrupted write had left pending.
        if (const std::vector<std::string> unsent = UnsentChanges(before, ConfigTable, readBack);
            !unsent.empty()) {
            ShowFailure(LoadResourceString(IDS_SAVE_UNSENT_CHANGED).arg(KeyList(unsent)),
                        IDS_SAVE_FAILED_CAPTION);
            return;
        }
    }
    const QStringList changed =
        ChangedRows(before, [this](ParamRow row) { return RowName(PageSet(), row); });
    ShowSaveOutcome(*pushed, SavedText(changed, *leftOut, kept));
}

void CTolvoConfigDlg::ShowSaveOutcome(const DeviceRun& pushed, const QString& savedText)
{
    switch (pushed.result) {
    case DEVICE_OK:
        ForgetSentDeviceValues();
        KeepPageValuesAsSaved();
        ShowPrompt(this, {savedText, LoadResourceString(IDS_SUCCESS_CAPTION),
                          PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    case DEVICE_APPLY_UNCONFIRMED:
        ShowFailure(LoadResourceString(IDS_SAVE_APPLY_UNCONFIRMED), IDS_SAVE_NOT_CONFIRMED_CAPTION,
                    PromptIcon::Exclamation);
        return;
    case DEVICE_READ_BACK_FAILED:
        ShowFailure(LoadResourceString(IDS_SAVE_READ_BACK_FAILED), IDS_SAVE_NOT_CONFIRMED_CAPTION,
                    PromptIcon::Exclamation);
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
    case DEVICE_OUT_OF_STEP:
        ShowSaveFailure(pushed, LoadResourceString(IDS_SAVE_NOT_APPLIED));
        return;
    }
}

void CTolvoConfigDlg::ShowSaveFailure(const DeviceRun& pushed, const QString& state)
{
    ShowFailure(DescribeDeviceFailure(pushed) + "\n\n" + state, IDS_SAVE_FAILED_CAPTION);
}

QStringList CTolvoConfigDlg::KeepUneditedDeviceValues()
{
    QStringList names;
    for (const DeviceValueRow& held : m_deviceValueRows) {
        const ConfigParam* row = FindParam(held.row.group, held.row.index);
        if ((row->flags & PARAM_MODIFIED) == 0) // left out already (a list without a selection)
            continue;
        if (ControlValue(RowControl(PageSet(), held.row)) != held.shownAtLoad)
            continue; // edited: the user's value goes out
        ClearParamModified(held.row.index, held.row.group);
        names << RowName(PageSet(), held.row);
    }
    return names;
}

void CTolvoConfigDlg::ForgetSentDeviceValues()
{
    std::erase_if(m_deviceValueRows, [this](const DeviceValueRow& held) {
        const bool sent = (FindParam(held.row.group, held.row.index)->flags & PARAM_MODIFIED) != 0;
        if (sent)
            m_marks->SetDeviceValue(RowControl(PageSet(), held.row), {});
        return sent;
    });
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
