// What Load and Save share: the connection with its Retry/Cancel prompt,
// and the reading of the pages.
#include "CTolvoConfigDlg.h"

#include "DataExchange.h"
#include "PageTable.h"
#include "Prompts.h"
#include "TabControl.h"
#include "TolvoInfo.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"
#include "WaitCursor.h"

Pages CTolvoConfigDlg::PageSet()
{
    return {*m_pInfo, *m_pWiFi, *m_pPortSettings, *m_pPortRouting};
}

std::optional<int> CTolvoConfigDlg::RunOnDevice(int (*operation)(DeviceConnection&))
{
    // The address is formed once per run; every retry reuses it.
    const uint32_t address = m_deviceAddress;
    m_socket = std::make_unique<DeviceConnection>();
    std::optional<int> result;
    for (;;) {
        if (m_socket->Connect(address)) {
            result = operation(*m_socket);
            break;
        }
        const Prompt box{"Could not connecto to Tolvo.", "Connection Error", PromptIcon::Error,
                         PromptButtons::RetryCancel, PromptAnswer::Retry};
        if (ShowPrompt(this, box) != PromptAnswer::Retry)
            break;
    }
    m_socket->Close();
    m_socket.reset();
    WaitCursor::Restore();
    return result;
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
