// Sending the pages' settings to many devices from the window: the devices
// picked in Find devices, a confirmation, and the results window. Nothing
// here waits: each step opens a window-modal dialog and goes on from its
// signal.
#include "CTolvoConfigDlg.h"

#include "DialogTemplate.h"
#include "FindDevicesDlg.h"
#include "PageTable.h"
#include "Prompts.h"
#include "SendConfirmDlg.h"
#include "SendResultsDlg.h"
#include "SettingsFile.h"
#include "StringIds.h"

#include <QAction>

void CTolvoConfigDlg::AddSendAction()
{
    auto* action = new QAction(LoadResourceString(IDS_ACTION_SEND), this);
    connect(action, &QAction::triggered, this, &CTolvoConfigDlg::SendToPickedDevices);
    addAction(action);
}

void CTolvoConfigDlg::SendToPickedDevices()
{
    const std::vector<uint32_t> picked =
        m_findDevices ? m_findDevices->picked() : std::vector<uint32_t>{};
    if (!picked.empty()) {
        SendToDevices(picked);
        return;
    }
    const QString caption = LoadResourceString(IDS_SEND_CONFIRM_CAPTION);
    ShowPrompt(this, {LoadResourceString(IDS_SEND_NONE_PICKED), caption, PromptIcon::Exclamation});
    FindDevices();
}

void CTolvoConfigDlg::SendToDevices(const std::vector<uint32_t>& addresses)
{
    const int caption = IDS_SEND_CONFIRM_CAPTION;
    const auto checked = CheckedPageSettings(IDS_SEND_LOAD_FIRST, caption, caption);
    if (!checked)
        return;
    // Over Find devices when the send comes from there, else over the window.
    QWidget* owner = this;
    if (m_findDevices && m_findDevices->isVisible())
        owner = m_findDevices;
    delete m_sendConfirm;
    m_sendConfirm =
        new SendConfirmDlg(owner, checked->file.values, addresses, WritableRowNames(PageSet()));
    m_sendConfirm->setWindowModality(Qt::WindowModal);
    connect(m_sendConfirm, &QDialog::accepted, this, [this, addresses] { StartSend(addresses); });
    m_sendConfirm->open();
}

void CTolvoConfigDlg::StartSend(const std::vector<uint32_t>& addresses)
{
    auto run = std::make_unique<SendRun>(addresses, m_sendConfirm->wanted(), DEVICE_COMMAND_PORT,
                                         m_deviceTimeoutMs, m_sendJobs);
    if (m_sendConfirm->planned())
        run->SetPlan(m_sendConfirm->plannedAddresses(), m_sendConfirm->planMask());
    delete m_sendResults;
    m_sendResults = new SendResultsDlg(m_sendConfirm->parentWidget(), std::move(run));
    m_sendResults->setWindowModality(Qt::WindowModal);
    m_sendResults->open();
}
