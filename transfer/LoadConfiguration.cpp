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
    const std::optional<int> fetched = RunOnDevice(FetchAllParams);
    if (!fetched)
        return;
    if (*fetched != DEVICE_OK) {
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
