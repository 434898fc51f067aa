// What Load and Save share: the connection with its Retry/Cancel prompt and
// the wait for the device, and the reading of the pages.
#include "CTolvoConfigDlg.h"

#include "DataExchange.h"
#include "DialogTemplate.h"
#include "PageTable.h"
#include "ProgressWait.h"
#include "Prompts.h"
#include "StringIds.h"
#include "TabControl.h"
#include "TolvoInfo.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"
#include "WaitCursor.h"

#include "ConfigTable.h"

#include <QScopeGuard>

namespace {

// Waits, keeping the window painting, until the connection's operation ends.
DeviceResult AwaitDevice(DeviceConnection& link, ProgressWait& wait)
{
    if (link.busy())
        wait.Run();
    return link.result();
}

} // namespace

Pages CTolvoConfigDlg::PageSet()
{
    return {*m_pInfo, *m_pWiFi, *m_pPortSettings, *m_pPortRouting};
}

std::optional<DeviceRun>
CTolvoConfigDlg::RunOnDevice(const QString& label,
                             const std::function<void(DeviceConnection&)>& operation)
{
    // The address is formed once per run; every retry reuses it.
    const uint32_t address = m_deviceAddress;
    m_socket = std::make_unique<DeviceConnection>(m_deviceTimeoutMs);
    DeviceConnection& link = *m_socket;
    m_transcript.Clear();
    link.SetTranscript(&m_transcript);
    const auto closeAtEnd = qScopeGuard([this] {
        m_socket.reset();
        WaitCursor::Restore();
    });
    ProgressWait wait(this, label);
    connect(&link, &DeviceConnection::finished, &wait, &ProgressWait::Finish);
    // Queued: the dialog may run the event loop as it updates, and must not
    // do so inside the connection's own handling of a reply.
    connect(&link, &DeviceConnection::progress, &wait, &ProgressWait::SetProgress,
            Qt::QueuedConnection);
    // A cancel that comes as the connect ends, before the operation has
    // started, finds the link idle: it is kept, so that nothing is started.
    bool cancelled = false;
    connect(&wait, &ProgressWait::canceled, &link, [&cancelled, &link] {
        cancelled = true;
        link.Cancel();
    });
    for (;;) {
        link.StartConnect(address);
        const DeviceResult connected = AwaitDevice(link, wait);
        if (cancelled || connected == DEVICE_CANCELLED)
            return DeviceRun{DEVICE_CANCELLED, false, {}};
        if (connected == DEVICE_OK)
            break;
        const Prompt box{LoadResourceString(IDS_CONNECT_FAILED),
                         LoadResourceString(IDS_CONNECT_FAILED_CAPTION),
                         PromptIcon::Error,
                         PromptButtons::RetryCancel,
                         PromptAnswer::Retry,
                         m_transcript.text()};
        if (ShowPrompt(this, box) != PromptAnswer::Retry)
            return std::nullopt;
    }
    operation(link);
    const DeviceResult result = AwaitDevice(link, wait);
    return DeviceRun{result, true, link.errorText()};
}

void CTolvoConfigDlg::ShowFailure(const QString& text, int caption, PromptIcon icon)
{
    ShowPrompt(this, {text, LoadResourceString(caption), icon, PromptButtons::Ok, PromptAnswer::Ok,
                      m_transcript.text()});
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
