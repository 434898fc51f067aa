#include "CTolvoConfigDlg.h"

#include "ConfigTable.h"
#include "PageTable.h"
#include "Prompts.h"
#include "TransferFailure.h"
#include "WaitCursor.h"

void CTolvoConfigDlg::SaveConfiguration()
{
    if (!m_configurationLoaded) {
        // The pages hold blanks until a load; sending them would wipe the device.
        ShowPrompt(this, {"Load the configuration from the device first.\n\nUntil a load has "
                          "succeeded the pages hold blank values, and saving them would overwrite "
                          "the device's settings.",
                          "Save Configuration", PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    WaitCursor wait;
    if (!ReadPagesForSave())
        return; // the page has said what to mend; nothing was written or sent
    if (!CopyPagesToTable(PageSet())) {
        ShowPrompt(this, {"A text setting cannot be stored on the device. Nothing was sent.",
                          "Save Failed", PromptIcon::Error, PromptButtons::Ok});
        return;
    }
    const std::optional<int> pushed = RunOnDevice(PushModifiedParams);
    if (!pushed)
        return;
    if (*pushed != DEVICE_OK) {
        const QString state =
            *pushed == DEVICE_COMMAND_TOO_LONG
                ? "Nothing was sent: the device keeps its settings."
                : "Saving stopped before the device confirmed every setting. The apply command "
                  "was not sent, so the device has not applied the new settings.";
        ShowPrompt(this, {DescribeDeviceFailure(*pushed) + "\n\n" + state, "Save Failed",
                          PromptIcon::Error, PromptButtons::Ok});
        return;
    }
    ShowPrompt(this, {"Current configuration has been saved to Tolvo.", "Success!",
                      PromptIcon::Exclamation, PromptButtons::Ok});
}
