#include "CTolvoConfigDlg.h"

#include "ConfigTable.h"
#include "DialogTemplate.h"
#include "PageTable.h"
#include "Prompts.h"
#include "StringIds.h"
#include "TransferFailure.h"
#include "WaitCursor.h"

void CTolvoConfigDlg::LoadConfiguration()
{
    WaitCursor wait;
    const uint32_t address = m_deviceAddress;
    const std::optional<DeviceRun> fetched =
        RunOnDevice(LoadResourceString(IDS_LOAD_PROGRESS).arg(DottedText(address)),
                    [](DeviceConnection& link) { link.StartFetch(ConfigTable); });
    // Cancelled, at the prompt or while waiting: the pages stay as they were.
    if (!fetched || fetched->result == DEVICE_CANCELLED)
        return;
    if (fetched->result != DEVICE_OK) {
        // Nothing is copied: the pages keep what they showed.
        ShowPrompt(this, {DescribeDeviceFailure(*fetched) + "\n\n" +
                              LoadResourceString(IDS_LOAD_NOTHING_CHANGED),
                          LoadResourceString(IDS_LOAD_FAILED_CAPTION), PromptIcon::Error,
                          PromptButtons::Ok});
        return;
    }

    // A value the pages would show otherwise than the device sent it (a
    // number with more after it, say) is not shown at all: nor is any other.
    if (const QStringList unshowable = UnshowableRows(); !unshowable.isEmpty()) {
        ShowPrompt(this, {LoadResourceString(IDS_LOAD_UNSHOWABLE).arg(unshowable.join(", ")) +
                              "\n\n" + LoadResourceString(IDS_LOAD_NOTHING_CHANGED),
                          LoadResourceString(IDS_LOAD_FAILED_CAPTION), PromptIcon::Error,
                          PromptButtons::Ok});
        return;
    }
    CopyTableToPages(PageSet());
    for (Dialog* page : m_pages)
        page->UpdateData(false);
    UpdateData(false);
    EnablePageControls(true);
    m_loadedFrom = address;
    KeepPageValuesAsSaved();
    ShowPrompt(this, {LoadResourceString(IDS_LOAD_DONE), LoadResourceString(IDS_SUCCESS_CAPTION),
                      PromptIcon::Exclamation, PromptButtons::Ok});
}
