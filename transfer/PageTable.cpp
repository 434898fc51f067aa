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

// The row gets the value set's entry at the list's selection, or is left
// out when the list has none.
void SaveListValue(const QComboBox* list, std::span<const int32_t> values, int index, int group)
{
    const int selected = ListSelection(list);
    if (selected >= 0 && selected < static_cast<int>(values.size()))
        SetParamInt(index, group, values[selected]);
    else
        ClearParamModified(index, group);
}

// The row gets the list's selected position, or is left out.
void SaveListPosition(const QComboBox* list, int index, int group)
{
    const int selected = ListSelection(list);
    if (selected >= 0)
        SetParamInt(index, group, selected);
    else
        ClearParamModified(index, group);
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

bool CopyPagesToTable(Pages pages)
{
    const TolvoWiFi& wifi = pages.wifi;
    const TolvoPortSettings& ports = pages.portSettings;
    const TolvoPortRouting& routing = pages.portRouting;

    SetParamInt(5, GROUP_WIFI, wifi.m_channel);
    SetParamInt(7, GROUP_WIFI, wifi.m_transPower);
    const bool textsStored = SetParamText(8, wifi.m_deviceName) == 0 &&
                             SetParamText(0, wifi.m_ssid) == 0 &&
                             SetParamText(1, wifi.m_password) == 0;
    if (!textsStored)
        return false;
    SetParamText(2, DottedAddress(wifi.m_ipAddress));
    SetParamText(3, DottedAddress(wifi.m_ipMask));
    SetParamInt(4, GROUP_WIFI, wifi.m_dhcpIndex);
    SetParamInt(6, GROUP_WIFI, wifi.m_networkTypeIndex);

    SaveListValue(ports.m_rs232BaudCombo, BaudRates, 0, GROUP_PORTS);
    SaveListValue(ports.m_rs232DataBitsCombo, DataBitsValues, 1, GROUP_PORTS);
    SaveListValue(ports.m_rs232StopBitsCombo, StopBitsValues, 2, GROUP_PORTS);
    SaveListPosition(ports.m_rs232ParityCombo, 3, GROUP_PORTS);
    SaveListValue(ports.m_directBaudCombo, BaudRates, 4, GROUP_PORTS);
    SaveListValue(ports.m_directDataBitsCombo, DataBitsValues, 5, GROUP_PORTS);
    SaveListValue(ports.m_directStopBitsCombo, StopBitsValues, 6, GROUP_PORTS);
    SaveListPosition(ports.m_directParityCombo, 7, GROUP_PORTS);

    for (int n = 0; n < TolvoPortRouting::ENTRIES; ++n) {
        SaveListPosition(routing.m_connectCombo[n], 2 * n, GROUP_ROUTING);
        SetParamInt(2 * n + 1, GROUP_ROUTING, routing.m_tcpPort[n]);
    }
    return true;
}
