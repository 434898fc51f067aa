// The WiFi page: the device's nine network settings, with the checks of the
// numeric and text fields and the rule that ties the channel to the
// network type.
#pragma once

#include "Dialog.h"

#include <cstdint>

class IpAddressCtrl;
class QComboBox;
class QLineEdit;

class TolvoWiFi : public Dialog {
    Q_OBJECT
public:
    enum {
        IDD = 131,
        IDC_IP_ADDRESS = 1007,
        IDC_IP_MASK = 1008,
        IDC_SSID = 1009,
        IDC_PASSWORD = 1010,
        IDC_DEVICE_NAME = 1011,
        IDC_CHANNEL = 1012,
        IDC_TRANS_POWER = 1016,
        IDC_NETWORK_TYPE = 1017,
        IDC_DHCP = 1018,
    };
    // Network-type list positions.
    enum { NETWORK_ACCESS_POINT = 0 };
    // The channel an infrastructure network gets when it has none.
    static constexpr int32_t DEFAULT_INFRASTRUCTURE_CHANNEL = 7;

    TolvoWiFi();

    // Enables or disables the nine editable controls.
    void EnableControls(bool enable);

    QLineEdit* m_channelEdit = nullptr;
    QLineEdit* m_transPowerEdit = nullptr;
    QComboBox* m_networkTypeCombo = nullptr;
    QLineEdit* m_ssidEdit = nullptr;
    QLineEdit* m_passwordEdit = nullptr;
    QComboBox* m_dhcpCombo = nullptr;
    IpAddressCtrl* m_ipAddressCtrl = nullptr;
    IpAddressCtrl* m_ipMaskCtrl = nullptr;
    QString m_deviceName;
    QString m_ssid;
    QString m_password;
    uint32_t m_ipAddress = 0;
    uint32_t m_ipMask = 0;
    int32_t m_dhcpIndex = 0;
    int32_t m_networkTypeIndex = 0;
    int32_t m_channel = 0;
    int32_t m_transPower = 0;
    QLineEdit* m_deviceNameEdit = nullptr;

protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;

private:
    void OnNetworkTypeChosen();
    void OnChannelEdited();
};
