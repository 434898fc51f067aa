#include "CTolvoConfigDlg.h"

#include "ConfigTable.h"
#include "PageTable.h"
#include "Prompts.h"
#include "TransferFailure.h"
#include "WaitCursor.h"

void CTolvoConfigDlg::LoadConfiguration()
{
    WaitCursor wait;
    const uint32_t address = m_deviceAddress;
    const std::optional<DeviceRun> fetched =
        RunOnDevice(QString("Reading the settings from %1").arg(DottedText(address)),
                    [](DeviceConnection& link) { link.StartFetch(ConfigTable); });
    // Cancelled, at the prompt or while waiting: the pages stay as they were.
    if (!fetched || fetched->result == DEVICE_CANCELLED)
        return;
    if (fetched->result != DEVICE_OK) {
        // Nothing is copied: the pages keep what they showed.
        ShowPrompt(this,
                   {DescribeDeviceFailure(*fetched) +
                        "\n\nNothing was loaded: the pages still show what they showed before.",
                    "Load Failed", PromptIcon::Error, PromptButtons::Ok});
        return;
    }

    CopyTableToPages(PageSet());
    for (Dialog* page : m_pages)
        page->UpdateData(false);
    UpdateData(false);
    EnablePageControls(true);
    m_loadedFrom = address;
    KeepPageValuesAsSaved();
    ShowPrompt(this, {"Current configuration has been loaded from Tolvo.", "Success!",
                      PromptIcon::Exclamation, PromptButtons::Ok});
}
