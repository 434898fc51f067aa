#include "PageTable.h"

#include "ConfigTable.h"
#include "ListControl.h"
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

QString RowWide(int group, int index)
{
    return DeviceTextToWide(RowText(group, index));
}

void SelectByText(QComboBox* list, int group, int index)
{
    SelectListText(list, 0, RowWide(group, index));
}

void SelectByIndex(QComboBox* list, int group, int index)
{
    SelectListPosition(list, DeviceInteger(RowText(group, index)));
}

// The row gets value, or is left out of the save when the page has none
// (a list without a selection); then list names it among those left out.
void SaveOrLeaveOut(std::optional<int32_t> value, const QComboBox* list, int index, int group,
                    QStringList& leftOut)
{
    if (value) {
        SetParamInt(index, group, *value);
        return;
    }
    ClearParamModified(index, group);
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

std::string RowText(int group, int index)
{
    const ConfigParam* row = FindParam(group, index);
    return row != nullptr && row->value ? *row->value : std::string("0");
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

void CopyTableToPages(Pages pages)
{
    TolvoWiFi& wifi = pages.wifi;
    TolvoPortSettings& ports = pages.portSettings;
    TolvoPortRouting& routing = pages.portRouting;

    wifi.m_channel = DeviceInteger(RowText(GROUP_WIFI, 5));
    wifi.m_transPower = DeviceInteger(RowText(GROUP_WIFI, 7));
    pages.info.m_serialNumber = RowWide(GROUP_INFO, 0);
    pages.info.m_firmwareVersion = RowWide(GROUP_INFO, 1);
    wifi.m_ssid = RowWide(GROUP_WIFI, 0);
    wifi.m_password = RowWide(GROUP_WIFI, 1);
    wifi.m_ipAddress = DeviceAddress(RowText(GROUP_WIFI, 2));
    wifi.m_ipMask = DeviceAddress(RowText(GROUP_WIFI, 3));
    wifi.m_dhcpIndex = DeviceInteger(RowText(GROUP_WIFI, 4));
    wifi.m_networkTypeIndex = DeviceInteger(RowText(GROUP_WIFI, 6));
    wifi.m_deviceName = RowWide(GROUP_WIFI, 8);

    SelectByText(ports.m_rs232BaudCombo, GROUP_PORTS, 0);
    SelectByText(ports.m_rs232DataBitsCombo, GROUP_PORTS, 1);
    SelectByText(ports.m_rs232StopBitsCombo, GROUP_PORTS, 2);
    SelectByIndex(ports.m_rs232ParityCombo, GROUP_PORTS, 3);
    SelectByText(ports.m_directBaudCombo, GROUP_PORTS, 4);
    SelectByText(ports.m_directDataBitsCombo, GROUP_PORTS, 5);
    SelectByText(ports.m_directStopBitsCombo, GROUP_PORTS, 6);
    SelectByIndex(ports.m_directParityCombo, GROUP_PORTS, 7);

    for (int n = 0; n < TolvoPortRouting::ENTRIES; ++n) {
        SelectByIndex(routing.m_connectCombo[n], GROUP_ROUTING, 2 * n);
        routing.m_tcpPort[n] = DeviceInteger(RowText(GROUP_ROUTING, 2 * n + 1));
    }
}

std::optional<QStringList> CopyPagesToTable(Pages pages)
{
    const TolvoWiFi& wifi = pages.wifi;
    const TolvoPortSettings& ports = pages.portSettings;
    const TolvoPortRouting& routing = pages.portRouting;
    QStringList leftOut;

    SetParamInt(5, GROUP_WIFI, wifi.m_channel);
    SetParamInt(7, GROUP_WIFI, wifi.m_transPower);
    const bool textsStored = SetParamText(8, wifi.m_deviceName) == 0 &&
                             SetParamText(0, wifi.m_ssid) == 0 &&
                             SetParamText(1, wifi.m_password) == 0;
    if (!textsStored)
        return std::nullopt;
    SetParamText(2, DottedAddress(wifi.m_ipAddress));
    SetParamText(3, DottedAddress(wifi.m_ipMask));
    SaveOrLeaveOut(Position(wifi.m_dhcpIndex), wifi.m_dhcpCombo, 4, GROUP_WIFI, leftOut);
    SaveOrLeaveOut(Position(wifi.m_networkTypeIndex), wifi.m_networkTypeCombo, 6, GROUP_WIFI,
                   leftOut);

    const auto saveValue = [&](const QComboBox* list, std::span<const int32_t> values, int index) {
        SaveOrLeaveOut(ListValue(list, values), list, index, GROUP_PORTS, leftOut);
    };
    const auto savePosition = [&](const QComboBox* list, int index, int group) {
        SaveOrLeaveOut(Position(ListSelection(list)), list, index, group, leftOut);
    };
    saveValue(ports.m_rs232BaudCombo, BaudRates, 0);
    saveValue(ports.m_rs232DataBitsCombo, DataBitsValues, 1);
    saveValue(ports.m_rs232StopBitsCombo, StopBitsValues, 2);
    savePosition(ports.m_rs232ParityCombo, 3, GROUP_PORTS);
    saveValue(ports.m_directBaudCombo, BaudRates, 4);
    saveValue(ports.m_directDataBitsCombo, DataBitsValues, 5);
    saveValue(ports.m_directStopBitsCombo, StopBitsValues, 6);
    savePosition(ports.m_directParityCombo, 7, GROUP_PORTS);

    for (int n = 0; n < TolvoPortRouting::ENTRIES; ++n) {
        savePosition(routing.m_connectCombo[n], 2 * n, GROUP_ROUTING);
        SetParamInt(2 * n + 1, GROUP_ROUTING, routing.m_tcpPort[n]);
    }
    return leftOut;
}
