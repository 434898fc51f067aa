// What Load and Save share: the connection with its Retry/Cancel prompt,
// and the reading of the pages.
#include "CTolvoConfigDlg.h"

#include "PageTable.h"
#include "Prompts.h"
#include "TabControl.h"
#include "TolvoInfo.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"

#include <QLineEdit>

Pages CTolvoConfigDlg::PageSet()
{
    return {*m_pInfo, *m_pWiFi, *m_pPortSettings, *m_pPortRouting};
}

bool CTolvoConfigDlg::ConnectToDevice(uint32_t address)
{
    m_socket = std::make_unique<DeviceConnection>();
    while (!m_socket->Connect(address)) {
        const Prompt box{"Could not connecto to Tolvo.", "Connection Error", PromptIcon::Error,
                         PromptButtons::RetryCancel, PromptAnswer::Retry};
        if (ShowPrompt(this, box) != PromptAnswer::Retry) {
            CloseDeviceConnection();
            return false;
        }
    }
    return true;
}

void CTolvoConfigDlg::CloseDeviceConnection()
{
    if (m_socket)
        m_socket->Close();
    m_socket.reset();
}

bool CTolvoConfigDlg::ReadPagesForSave()
{
    for (int i = 0; i < static_cast<int>(m_pages.size()); ++i) {
        if (m_pages[i]->UpdateData(true))
            continue;
        // The page has warned; bring it to the front with the field to mend.
        m_tab->setCurrentIndex(i);
        ShowSelectedPage();
        if (QWidget* field = m_pages[i]->FailedControl()) {
            field->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(field))
                edit->selectAll();
        }
        return false;
    }
    return UpdateData(true);
}
