#include "PageTable.h"

#include "ConfigTable.h"
#include "Dialog.h"
#include "DialogTemplate.h"
#include "IpAddressCtrl.h"
#include "ListControl.h"
#include "ParamRules.h"
#include "SettingNames.h"
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

// A row of the table's definition: its key, label and flags.
const ConfigParam& DefinedRow(ParamRow row)
{
    static const DeviceSettings definition;
    return *definition.Find(row.group, row.index);
}

void SelectByText(QComboBox* list, const DeviceSettings& table, ParamRow row)
{
    SelectListText(list, 0, DeviceTextToWide(RowText(table, row)));
}

void SelectByIndex(QComboBox* list, const DeviceSettings& table, ParamRow row)
{
    SelectListPosition(list, DeviceInteger(RowText(table, row)));
}

// The row gets value, or is left out of the save when the page has none
// (a list without a selection); then list names it among those left out.
void SaveOrLeaveOut(std::optional<int32_t> value, const QComboBox* list, ParamRow row,
                    DeviceSettings& table, QStringList& leftOut)
{
    if (value) {
        table.SetInt(row.index, row.group, *value);
        return;
    }
    table.ClearModified(row.index, row.group);
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

} // namespace

std::string RowText(const DeviceSettings& table, ParamRow row)
{
    const ConfigParam* param = table.Find(row.group, row.index);
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

std::vector<ParamRow> UnshowableRows(const DeviceSettings& table)
{
    std::vector<ParamRow> rows;
    for (int group = 0; group < static_cast<int>(table.size()); ++group)
        for (int index = 0; index < table[group].count(); ++index)
            if (const ConfigParam& row = table[group].rows[index]; row.value && !IsShowable(row))
                rows.push_back({group, index});
    return rows;
}

QString RowName(Pages pages, ParamRow row)
{
    const QString name = RowControl(pages, row)->accessibleName();
    return name.isEmpty() ? QString::fromLatin1(DefinedRow(row).label) : name;
}

namespace {

// The control of the pages' templates that a template name or a label
// names english, and whether it is the label; none where no control does.
std::optional<std::pair<const ControlTemplate*, bool>> PageControlNamed(const QString& english)
{
    for (const int page : {int(TolvoInfo::IDD), int(TolvoWiFi::IDD), int(TolvoPortSettings::IDD),
                           int(TolvoPortRouting::IDD)}) {
        for (const ControlTemplate& control : FindDialogTemplate(page).controls) {
            if (control.name == english)
                return std::pair{&control, false};
            if (control.labelFor >= 0 && NameFromLabel(control.text) == english)
                return std::pair{&control, true};
        }
    }
    return std::nullopt;
}

} // namespace

QString ShownSettingName(const QString& key)
{
    const QString english = EnglishSettingName(key);
    if (english.isEmpty())
        return {};
    // The pages name a field by its template's name, else by its label.
    const auto control = PageControlNamed(english);
    if (!control)
        return english;
    const auto [found, isLabel] = *control;
    return isLabel ? NameFromLabel(TemplateText(found->text)) : TemplateText(found->name);
}

QString ShownChoice(const QString& key, const QString& value)
{
    // The settings whose value is the position in their list.
    std::vector<ParamRow> positions{ROW_DHCP, ROW_NETWORK_TYPE, ROW_RS232_PARITY,
                                    ROW_DIRECT_PARITY};
    for (int n = 0; n < TolvoPortRouting::ENTRIES; ++n)
        positions.push_back(RoutingConnectRow(n));
    if (std::none_of(positions.begin(), positions.end(),
                     [&](ParamRow row) { return key == QLatin1String(DefinedRow(row).key); }))
        return {};
    bool number = false;
    const int position = value.toInt(&number);
    const auto control = PageControlNamed(EnglishSettingName(key));
    if (!number || !control || position < 0 || position >= control->first->items.size())
        return {};
    return TemplateText(control->first->items[position]);
}

QHash<QString, QString> WritableRowNames(Pages pages)
{
    QHash<QString, QString> names;
    for (const ParamRow row : WritableRows())
        names.insert(QLatin1String(DefinedRow(row).key), RowName(pages, row));
    return names;
}

std::vector<ParamRow> WritableRows()
{
    const DeviceSettings definition;
    std::vector<ParamRow> rows;
    for (int group = 0; group < static_cast<int>(definition.size()); ++group)
        for (int index = 0; index < definition[group].count(); ++index)
            if ((definition[group].rows[index].flags & PARAM_WRITE) != 0)
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

std::vector<Dialog*> PageList(Pages pages)
{
    return {&pages.info, &pages.wifi, &pages.portSettings, &pages.portRouting};
}

void CopyTableToPages(const DeviceSettings& table, Pages pages)
{
    TolvoWiFi& wifi = pages.wifi;
    TolvoPortSettings& ports = pages.portSettings;
    TolvoPortRouting& routing = pages.portRouting;
    const auto text = [&table](ParamRow row) { return DeviceTextToWide(RowText(table, row)); };
    const auto integer = [&table](ParamRow row) { return DeviceInteger(RowText(table, row)); };

    wifi.m_channel = integer(ROW_CHANNEL);
    wifi.m_transPower = integer(ROW_TRANS_POWER);
    pages.info.m_serialNumber = text(ROW_SERIAL_NUMBER);
    pages.info.m_firmwareVersion = text(ROW_FIRMWARE_VERSION);
    wifi.m_ssid = text(ROW_SSID);
    wifi.m_password = text(ROW_PASSWORD);
    wifi.m_ipAddress = DeviceAddress(RowText(table, ROW_IP_ADDRESS));
    wifi.m_ipMask = DeviceAddress(RowText(table, ROW_IP_MASK));
    wifi.m_dhcpIndex = integer(ROW_DHCP);
    wifi.m_networkTypeIndex = integer(ROW_NETWORK_TYPE);
    wifi.m_deviceName = text(ROW_DEVICE_NAME);

    SelectByText(ports.m_rs232BaudCombo, table, ROW_RS232_BAUD);
    SelectByText(ports.m_rs232DataBitsCombo, table, ROW_RS232_DATA_BITS);
    SelectByText(ports.m_rs232StopBitsCombo, table, ROW_RS232_STOP_BITS);
    SelectByIndex(ports.m_rs232ParityCombo, table, ROW_RS232_PARITY);
    SelectByText(ports.m_directBaudCombo, table, ROW_DIRECT_BAUD);
    SelectByText(ports.m_directDataBitsCombo, table, ROW_DIRECT_DATA_BITS);
    SelectByText(ports.m_directStopBitsCombo, table, ROW_DIRECT_STOP_BITS);
    SelectByIndex(ports.m_directParityCombo, table, ROW_DIRECT_PARITY);

    for (int n = 0; n < TolvoPortRouting::ENTRIES; ++n) {
        SelectByIndex(routing.m_connectCombo[n], table, RoutingConnectRow(n));
        routing.m_tcpPort[n] = integer(RoutingPortRow(n));
    }
}

std::optional<QStringList> CopyPagesToTable(Pages pages, DeviceSettings& table)
{
    const TolvoWiFi& wifi = pages.wifi;
    const TolvoPortSettings& ports = pages.portSettings;
    const TolvoPortRouting& routing = pages.portRouting;
    QStringList leftOut;
    const auto setInt = [&table](ParamRow row, int32_t value) {
        table.SetInt(row.index, row.group, value);
    };

    setInt(ROW_CHANNEL, wifi.m_channel);
    setInt(ROW_TRANS_POWER, wifi.m_transPower);
    const bool textsStored = table.SetText(ROW_DEVICE_NAME.index, wifi.m_deviceName) == 0 &&
                             table.SetText(ROW_SSID.index, wifi.m_ssid) == 0 &&
                             table.SetText(ROW_PASSWORD.index, wifi.m_password) == 0;
    if (!textsStored)
        return std::nullopt;
    table.SetText(ROW_IP_ADDRESS.index, DottedText(wifi.m_ipAddress));
    table.SetText(ROW_IP_MASK.index, DottedText(wifi.m_ipMask));
    SaveOrLeaveOut(Position(wifi.m_dhcpIndex), wifi.m_dhcpCombo, ROW_DHCP, table, leftOut);
    SaveOrLeaveOut(Position(wifi.m_networkTypeIndex), wifi.m_networkTypeCombo, ROW_NETWORK_TYPE,
                   table, leftOut);

    const auto saveValue = [&](const QComboBox* list, std::span<const int32_t> values,
                               ParamRow row) {
        SaveOrLeaveOut(ListValue(list, values), list, row, table, leftOut);
    };
    const auto savePosition = [&](const QComboBox* list, ParamRow row) {
        SaveOrLeaveOut(Position(ListSelection(list)), list, row, table, leftOut);
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
        setInt(RoutingPortRow(n), routing.m_tcpPort[n]);
    }
    return leftOut;
}
