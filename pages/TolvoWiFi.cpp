#include "TolvoWiFi.h"

#include "DataExchange.h"
#include "DeviceText.h"
#include "DialogTemplate.h"
#include "IpAddressCtrl.h"
#include "ListControl.h"
#include "ParamRules.h"
#include "StringIds.h"

#include <QComboBox>
#include <QLineEdit>

TolvoWiFi::TolvoWiFi() : Dialog(IDD) {}

void TolvoWiFi::DoDataExchange(DataExchange& dx)
{
    dx.Control(IDC_CHANNEL, m_channelEdit);
    dx.Control(IDC_TRANS_POWER, m_transPowerEdit);
    dx.Control(IDC_NETWORK_TYPE, m_networkTypeCombo);
    dx.Control(IDC_SSID, m_ssidEdit);
    dx.Control(IDC_PASSWORD, m_passwordEdit);
    dx.Control(IDC_DHCP, m_dhcpCombo);
    dx.Control(IDC_IP_ADDRESS, m_ipAddressCtrl);
    dx.Control(IDC_IP_MASK, m_ipMaskCtrl);
    dx.Control(IDC_DEVICE_NAME, m_deviceNameEdit);

    dx.Text(IDC_DEVICE_NAME, m_deviceName);
    CheckDeviceText(dx, m_deviceName, LoadResourceString(IDS_NAME_DEVICE_NAME));
    dx.Text(IDC_SSID, m_ssid);
    CheckDeviceText(dx, m_ssid, LoadResourceString(IDS_NAME_SSID));
    dx.Text(IDC_PASSWORD, m_password);
    CheckDeviceText(dx, m_password, LoadResourceString(IDS_NAME_PASSWORD));
    dx.Address(IDC_IP_ADDRESS, m_ipAddress);
    dx.Address(IDC_IP_MASK, m_ipMask);
    dx.ListChoice(IDC_DHCP);
    dx.ListPosition(IDC_DHCP, m_dhcpIndex);
    dx.ListChoice(IDC_NETWORK_TYPE);
    dx.ListPosition(IDC_NETWORK_TYPE, m_networkTypeIndex);
    dx.Int(IDC_CHANNEL, m_channel);
    dx.MinMaxInt(m_channel, MIN_CHANNEL, MAX_CHANNEL);
    dx.Int(IDC_TRANS_POWER, m_transPower);
    dx.MinMaxInt(m_transPower, MIN_TRANS_POWER, MAX_TRANS_POWER);
}

bool TolvoWiFi::OnInitDialog()
{
    Dialog::OnInitDialog();
    // Only the user's own changes start the rule: activated and textEdited
    // are not emitted when the page writes into its controls.
    connect(m_networkTypeCombo, &QComboBox::activated, this, &TolvoWiFi::OnNetworkTypeChosen);
    connect(m_channelEdit, &QLineEdit::textEdited, this, &TolvoWiFi::OnChannelEdited);
    return true;
}

// The rule reads and writes only the two fields it ties together, so that
// an edit elsewhere on the page is never written over, and a field the user
// is not editing is never checked.
void TolvoWiFi::OnNetworkTypeChosen()
{
    m_networkTypeIndex = ListSelection(m_networkTypeCombo);
    if (m_networkTypeIndex == NETWORK_ACCESS_POINT)
        m_channel = 0;
    else if (!ParseWholeNumber(m_channelEdit->text(), m_channel) || m_channel != 0)
        return; // a channel the save will check, or one that stays as it is
    else
        m_channel = DEFAULT_INFRASTRUCTURE_CHANNEL;
    Exchange(false, [this](DataExchange& dx) { dx.Int(IDC_CHANNEL, m_channel); });
}

void TolvoWiFi::OnChannelEdited()
{
    // The channel is checked as it is typed, as the save would check it.
    Exchange(true, [this](DataExchange& dx) {
        dx.ListPosition(IDC_NETWORK_TYPE, m_networkTypeIndex);
        dx.Int(IDC_CHANNEL, m_channel);
        dx.MinMaxInt(m_channel, MIN_CHANNEL, MAX_CHANNEL);
    });
    if (m_networkTypeIndex == NETWORK_ACCESS_POINT)
        return;
    if (m_channel == 0)
        m_channel = DEFAULT_INFRASTRUCTURE_CHANNEL;
    Exchange(false, [this](DataExchange& dx) { dx.Int(IDC_CHANNEL, m_channel); });
}

void TolvoWiFi::EnableControls(bool enable)
{
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_channelEdit, m_transPowerEdit, m_networkTypeCombo, m_deviceNameEdit, m_ssidEdit,
             m_passwordEdit, m_dhcpCombo, m_ipAddressCtrl, m_ipMaskCtrl}) {
        control->setEnabled(enable);
    }
}
