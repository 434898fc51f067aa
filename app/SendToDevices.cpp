// Sending the pages' settings to many devices from the window, or checking
// the devices against them: the devices picked in Find devices, a
// confirmation (for a send), and the results window. Nothing here waits:
// each step opens a window-modal dialog and goes on from its signal.
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
    auto* send = new QAction(LoadResourceString(IDS_ACTION_SEND), this);
    connect(send, &QAction::triggered, this, &CTolvoConfigDlg::SendToPickedDevices);
    addAction(send);
    auto* check = new QAction(LoadResourceString(IDS_ACTION_CHECK), this);
    connect(check, &QAction::triggered, this, &CTolvoConfigDlg::CheckPickedDevices);
    addAction(check);
}

std::optional<std::vector<uint32_t>> CTolvoConfigDlg::PickedDevices(int noneText, int caption)
{
    std::vector<uint32_t> picked =
        m_findDevices ? m_findDevices->picked() : std::vector<uint32_t>{};
    if (!picked.empty())
        return picked;
    ShowPrompt(this, {LoadResourceString(StringId(noneText)), LoadResourceString(StringId(caption)),
                      PromptIcon::Exclamation});
    FindDevices();
    return std::nullopt;
}

QWidget* CTolvoConfigDlg::ResultsOwner()
{
    // Over Find devices when the run comes from there, else over the window.
    if (m_findDevices && m_findDevices->isVisible())
        return m_findDevices;
    return this;
}

void CTolvoConfigDlg::SendToPickedDevices()
{
    if (const auto picked = PickedDevices(IDS_SEND_NONE_PICKED, IDS_SEND_CONFIRM_CAPTION))
        SendToDevices(*picked);
}

void CTolvoConfigDlg::SendToDevices(const std::vector<uint32_t>& addresses)
{
    const int caption = IDS_SEND_CONFIRM_CAPTION;
    const auto checked = CheckedPageSettings(IDS_SEND_LOAD_FIRST, caption, caption);
    if (!checked)
        return;
    delete m_sendConfirm;
    m_sendConfirm = new SendConfirmDlg(ResultsOwner(), checked->file.values, addresses,
                                       WritableRowNames(PageSet()));
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
    ShowResults(m_sendConfirm->parentWidget(), std::move(run));
}

void CTolvoConfigDlg::CheckPickedDevices()
{
    if (const auto picked = PickedDevices(IDS_CHECK_NONE_PICKED, IDS_CHECK_CAPTION))
        CheckDevices(*picked);
}

void CTolvoConfigDlg::CheckDevices(const std::vector<uint32_t>& addresses)
{
    // The pages are checked as for a send: a value a send would refuse is no
    // value to compare with either.
    const int caption = IDS_CHECK_CAPTION;
    const auto checked = CheckedPageSettings(IDS_CHECK_LOAD_FIRST, caption, caption);
    if (!checked)
        return;
    ShowResults(ResultsOwner(),
                std::make_unique<SendRun>(addresses, SendConfirmDlg::SharedOf(checked->file.values),
                                          DEVICE_COMMAND_PORT, m_deviceTimeoutMs, m_sendJobs,
                                          RunKind::Check));
}

void CTolvoConfigDlg::ShowResults(QWidget* owner, std::unique_ptr<SendRun> run)
{
    delete m_sendResults;
    m_sendResults = new SendResultsDlg(owner, std::move(run));
    m_sendResults->setWindowModality(Qt::WindowModal);
    m_sendResults->open();
}
