#include "PageTable.h"

#include "ConfigTable.h"
#include "ListControl.h"
#include "ParamRules.h"
#include "TolvoInfo.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"

#include <QComboBox>

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

QStringList UnshowableRows()
{
    QStringList keys;
    for (const ConfigGroup& group : ConfigTable)
        for (const ConfigParam& row : group.rows)
            if (row.value && !IsShowable(row))
                keys << QString::fromLatin1(row.key);
    return keys;
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
