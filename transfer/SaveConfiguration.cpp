#include "CTolvoConfigDlg.h"

#include "ConfigTable.h"
#include "PageTable.h"
#include "Prompts.h"
#include "TransferFailure.h"
#include "WaitCursor.h"

namespace {

// The success text, and which settings the device kept because the pages
// had no value for them.
QString SavedText(const QStringList& leftOut)
{
    QString text = "Current configuration has been saved to Tolvo.";
    if (!leftOut.isEmpty())
        text += "\n\nNot sent, the device's value matches no item: " + leftOut.join(", ") + ".";
    return text;
}

} // namespace

void CTolvoConfigDlg::SaveConfiguration()
{
    if (!m_loadedFrom) {
        // The pages hold blanks until a load; sending them would wipe the device.
        ShowPrompt(this, {"Load the configuration from the device first.\n\nUntil a load has "
                          "succeeded the pages hold blank values, and saving them would overwrite "
                          "the device's settings.",
                          "Save Configuration", PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    if (!ConfirmSaveAddress())
        return;
    WaitCursor wait;
    if (!ReadPagesForSave())
        return; // the page has said what to mend; nothing was written or sent
    const std::optional<QStringList> leftOut = CopyPagesToTable(PageSet());
    if (!leftOut) {
        ShowPrompt(this, {"A text setting cannot be stored on the device. Nothing was sent.",
                          "Save Failed", PromptIcon::Error, PromptButtons::Ok});
        return;
    }
    const std::optional<DeviceRun> pushed =
        RunOnDevice(QString("Sending the settings to %1").arg(DottedText(m_deviceAddress)),
                    [](DeviceConnection& link) { link.StartPush(ConfigTable); });
    if (!pushed)
        return;
    ShowSaveOutcome(*pushed, *leftOut);
}

void CTolvoConfigDlg::ShowSaveOutcome(const DeviceRun& pushed, const QStringList& leftOut)
{
    switch (pushed.result) {
    case DEVICE_OK:
        KeepPageValuesAsSaved();
        ShowPrompt(this,
                   {SavedText(leftOut), "Success!", PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    case DEVICE_APPLY_UNCONFIRMED:
        ShowPrompt(this, {"All settings were sent, but the device did not confirm that it "
                          "applied them (it may have restarted).\n\nLoad the configuration to "
                          "see what the device holds.",
                          "Save Not Confirmed", PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    case DEVICE_CANCELLED:
        ShowPrompt(this, {pushed.connected
                              ? QStringLiteral("Saving was cancelled. Some settings may have "
                                               "reached the device, but the apply command was "
                                               "not sent, so the device has not applied them.")
                              : QStringLiteral("Saving was cancelled before anything was sent: "
                                               "the device keeps its settings."),
                          "Save Cancelled", PromptIcon::Information, PromptButtons::Ok});
        return;
    case DEVICE_COMMAND_TOO_LONG:
        ShowSaveFailure(pushed, "Nothing was sent: the device keeps its settings.");
        return;
    case DEVICE_SEND_FAILED:
    case DEVICE_HOST_NOT_FOUND:
    case DEVICE_NO_DATA:
    case DEVICE_SOCKET_ERROR:
    case DEVICE_TIMED_OUT:
    case DEVICE_CONNECTION_CLOSED:
    case DEVICE_REPLY_TOO_LONG:
    case DEVICE_CONNECT_FAILED:
        ShowSaveFailure(pushed, "Saving stopped before the device confirmed every setting. The "
                                "apply command was not sent, so the device has not applied the "
                                "new settings.");
        return;
    }
}

void CTolvoConfigDlg::ShowSaveFailure(const DeviceRun& pushed, const QString& state)
{
    ShowPrompt(this, {DescribeDeviceFailure(pushed) + "\n\n" + state, "Save Failed",
                      PromptIcon::Error, PromptButtons::Ok});
}

// Sending one device's settings to another address may be intended (copying
// a set-up), but it gives two devices one IP address: ask first.
bool CTolvoConfigDlg::ConfirmSaveAddress()
{
    if (m_deviceAddress == *m_loadedFrom)
        return true;
    const Prompt box{QString("The settings were loaded from %1. Send them to %2?")
                         .arg(DottedText(*m_loadedFrom), DottedText(m_deviceAddress)),
                     "Save Configuration", PromptIcon::Question, PromptButtons::YesNo,
                     PromptAnswer::No};
    return ShowPrompt(this, box) == PromptAnswer::Yes;
}
