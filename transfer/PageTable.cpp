#include "PageTable.h"

#include "ConfigTable.h"
#include "IpAddressCtrl.h"
#include "ListControl.h"
#include "ParamRules.h"
#include "TolvoInfo.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"

#include <QComboBox>
#include <QLineEdit>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <arpa/inet.h>
#endif

#include <cctype>
#include <optional>
#include <span>

namespace {

QString RowWide(ParamRow row)
{
    return DeviceTextToWide(RowText(row));
}

int32_t RowInteger(ParamRow row)
{
    return DeviceInteger(RowText(row));
}

void SelectByText(QComboBox* list, ParamRow row)
{
    SelectListText(list, 0, RowWide(row));
}

void SelectByIndex(QComboBox* list, ParamRow row)
{
    SelectListPosition(list, RowInteger(row));
}

void SetRowInt(ParamRow row, int32_t value)
{
    SetParamInt(row.index, row.group, value);
}

void SetRowText(ParamRow row, const QString& text)
{
    SetParamText(row.index, text);
}

// The row gets value, or is left out of the save when the page has none
// (a list without a selection); then list names it among those left out.
void SaveOrLeaveOut(std::optional<int32_t> value, const QComboBox* list, ParamRow row,
                    QStringList& leftOut)
{
    if (value) {
        SetRowInt(row, *value);
        return;
    }
    ClearParamModified(row.index, row.group);
    leftOut << list->accessibleName();
}

// The value set's entry at the list's selection.
std::optional<int32_t> ListValue(const QComboBox* list, std::span<const int32_t> values)
{
    const int selected = ListSelection(list);
    if (selected >= 0 && selected < static_cast<int>(values.size()))
        return values[selected];
    return std::nullopt;
}

// A selected position, as the value of its row.
std::optional<int32_t> Position(int32_t selected)
{
    return selected >= 0 ? std::optional<int32_t>(selected) : std::nullopt;
}

QString DottedAddress(uint32_t address)
{
    return QString::fromStdString(FormatDottedAddress(address));
}

} // namespace

std::string RowText(ParamRow row)
{
    const ConfigParam* param = FindParam(row.group, row.index);
    return param != nullptr && param->value ? *param->value : std::string("0");
}

int32_t DeviceInteger(const std::string& text)
{
    auto it = text.begin();
    while (it != text.end() && std::isspace(static_cast<unsigned char>(*it)))
        ++it;
    bool negative = false;
    if (it != text.end() && (*it == '+' || *it == '-'))
        negative = *it++ == '-';
    int64_t value = 0;
    for (; it != text.end() && std::isdigit(static_cast<unsigned char>(*it)); ++it)
        value = std::min<int64_t>(value * 10 + (*it - '0'), int64_t(INT32_MAX) + 1);
    value = negative ? -value : std::min<int64_t>(value, INT32_MAX);
    return static_cast<int32_t>(value);
}

uint32_t DeviceAddress(const std::string& text)
{
    return ntohl(inet_addr(text.c_str()));
}

namespace {

bool IsShowable(const ConfigParam& row)
{
    const std::string& text = *row.value;
    const ValueRule rule = RuleOf(row);
    if (std::holds_alternative<TextRule>(rule))
        return text.find('\0') == std::string::npos;
    if (std::holds_alternative<AddressRule>(rule)) {
        const auto address = ParseDottedAddress(QString::fromStdString(text));
        return address && FormatDottedAddress(*address) == text;
    }
    return std::to_string(DeviceInteger(text)) == text;
}

} // namespace

std::vector<ParamRow> UnshowableRows()
{
    std::vector<ParamRow> rows;
    for (int group = 0; group < static_cast<int>(ConfigTable.size()); ++group)
        for (int index = 0; index < ConfigTable[group].count(); ++index)
            if (const ConfigParam& row = ConfigTable[group].rows[index];
                row.value && !IsShowable(row))
                rows.push_back({group, index});
    return rows;
}

QString RowName(Pages pages, ParamRow row)
{
    const QString name = RowControl(pages, row)->accessibleName();
    return name.isEmpty() ? QString::fromLatin1(FindParam(row.group, row.index)->label) : name;
}

std::vector<ParamRow> WritableRows()
{
    std::vector<ParamRow> rows;
    for (int group = 0; group < static_cast<int>(ConfigTable.size()); ++group)
        for (int index = 0; index < ConfigTable[group].count(); ++index)
            if ((ConfigTable[group].rows[index].flags & PARAM_WRITE) != 0)
                rows.push_back({group, index});
    return rows;
}

QWidget* RowControl(Pages pages, ParamRow row)
{
    const TolvoWiFi& wifi = pages.wifi;
    const TolvoPortSettings& ports = pages.portSettings;
    switch (row.group) {
    case GROUP_INFO:
        return pages.info.Control(row.index == ROW_SERIAL_NUMBER.index
                                      ? TolvoInfo::IDC_SERIAL_NUMBER
                                      : TolvoInfo::IDC_FIRMWARE_VERSION);
    case GROUP_WIFI: {
        QWidget* const fields[] = {
            wifi.m_ssidEdit,         wifi.m_passwordEdit,   wifi.m_ipAddressCtrl,
            wifi.m_ipMaskCtrl,       wifi.m_dhcpCombo,      wifi.m_channelEdit,
            wifi.m_networkTypeCombo, wifi.m_transPowerEdit, wifi.m_deviceNameEdit};
        return fields[row.index];
    }
    case GROUP_PORTS: {
        QWidget* const lists[] = {ports.m_rs232BaudCombo,      ports.m_rs232DataBitsCombo,
                                  ports.m_rs232StopBitsCombo,  ports.m_rs232ParityCombo,
                                  ports.m_directBaudCombo,     ports.m_directDataBitsCombo,
                                  ports.m_directStopBitsCombo, ports.m_directParityCombo};
        return lists[row.index];
    }
    case GROUP_ROUTING:
        if (row.index % 2 == 0)
            return pages.portRouting.m_connectCombo[row.index / 2];
        return pages.portRouting.m_tcpPortEdit[row.index / 2];
    }
    return nullptr;
}

void CopyTableToPages(Pages pages)
{
    TolvoWiFi& wifi = pages.wifi;
    TolvoPortSettings& ports = pages.portSettings;
    TolvoPortRouting& routing = pages.portRouting;

    wifi.m_channel = RowInteger(ROW_CHANNEL);
    wifi.m_transPower = RowInteger(ROW_TRANS_POWER);
    pages.info.m_serialNumber = RowWide(ROW_SERIAL_NUMBER);
    pages.info.m_firmwareVersion = RowWide(ROW_FIRMWARE_VERSION);
    wifi.m_ssid = RowWide(ROW_SSID);
    wifi.m_password = RowWide(ROW_PASSWORD);
    wifi.m_ipAddress = DeviceAddress(RowText(ROW_IP_ADDRESS));
    wifi.m_ipMask = DeviceAddress(RowText(ROW_IP_MASK));
    wifi.m_dhcpIndex = RowInteger(ROW_DHCP);
    wifi.m_networkTypeIndex = RowInteger(ROW_NETWORK_TYPE);
    wifi.m_deviceName = RowWide(ROW_DEVICE_NAME);

    SelectByText(ports.m_rs232BaudCombo, ROW_RS232_BAUD);
    SelectByText(ports.m_rs232DataBitsCombo, ROW_RS232_DATA_BITS);
    SelectByText(ports.m_rs232StopBitsCombo, ROW_RS232_STOP_BITS);
    SelectByIndex(ports.m_rs232ParityCombo, ROW_RS232_PARITY);
    SelectByText(ports.m_directBaudCombo, ROW_DIRECT_BAUD);
    SelectByText(ports.m_directDataBitsCombo, ROW_DIRECT_DATA_BITS);
    SelectByText(ports.m_directStopBitsCombo, ROW_DIRECT_STOP_BITS);
    SelectByIndex(ports.m_directParityCombo, ROW_DIRECT_PARITY);

    for (int n = 0; n < TolvoPortRouting::ENTRIES; ++n) {
        SelectByIndex(routing.m_connectCombo[n], RoutingConnectRow(n));
        routing.m_tcpPort[n] = RowInteger(RoutingPortRow(n));
    }
}

std::optional<QStringList> CopyPagesToTable(Pages pages)
{
    const TolvoWiFi& wifi = pages.wifi;
    const TolvoPortSettings& ports = pages.portSettings;
    const TolvoPortRouting& routing = pages.portRouting;
    QStringList leftOut;

    SetRowInt(ROW_CHANNEL, wifi.m_channel);
    SetRowInt(ROW_TRANS_POWER, wifi.m_transPower);
    const bool textsStored = SetParamText(ROW_DEVICE_NAME.index, wifi.m_deviceName) == 0 &&
                             SetParamText(ROW_SSID.index, wifi.m_ssid) == 0 &&
                             SetParamText(ROW_PASSWORD.index, wifi.m_password) == 0;
    if (!textsStored)
        return std::nullopt;
    SetRowText(ROW_IP_ADDRESS, DottedAddress(wifi.m_ipAddress));
    SetRowText(ROW_IP_MASK, DottedAddress(wifi.m_ipMask));
    SaveOrLeaveOut(Position(wifi.m_dhcpIndex), wifi.m_dhcpCombo, ROW_DHCP, leftOut);
    SaveOrLeaveOut(Position(wifi.m_networkTypeIndex), wifi.m_networkTypeCombo, ROW_NETWORK_TYPE,
                   leftOut);

    const auto saveValue = [&](const QComboBox* list, std::span<const int32_t> values,
                               ParamRow row) {
        SaveOrLeaveOut(ListValue(list, values), list, row, leftOut);
    };
    const auto savePosition = [&](const QComboBox* list, ParamRow row) {
        SaveOrLeaveOut(Position(ListSelection(list)), list, row, leftOut);
    };
    saveValue(ports.m_rs232BaudCombo, BaudRates, ROW_RS232_BAUD);
    saveValue(ports.m_rs232DataBitsCombo, DataBitsValues, ROW_RS232_DATA_BITS);
    saveValue(ports.m_rs232StopBitsCombo, StopBitsValues, ROW_RS232_STOP_BITS);
    savePosition(ports.m_rs232ParityCombo, ROW_RS232_PARITY);
    saveValue(ports.m_directBaudCombo, BaudRates, ROW_DIRECT_BAUD);
    saveValue(ports.m_directDataBitsCombo, DataBitsValues, ROW_DIRECT_DATA_BITS);
    saveValue(ports.m_directStopBitsCombo, StopBitsValues, ROW_DIRECT_STOP_BITS);
    savePosition(ports.m_directParityCombo, ROW_DIRECT_PARITY);

    for (int n = 0; n < TolvoPortRouting::ENTRIES; ++n) {
        savePosition(routing.m_connectCombo[n], RoutingConnectRow(n));
        SetRowInt(RoutingPortRow(n), routing.m_tcpPort[n]);
    }
    return leftOut;
}
