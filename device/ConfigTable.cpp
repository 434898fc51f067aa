#include "ConfigTable.h"

#include <iterator>
#include <utility>

namespace {

constexpr uint32_t RW = PARAM_READ | PARAM_WRITE;

const int32_t baudRates[] = {9600, 19200, 38400, 57600, 115200, 230400};
const int32_t dataBits[] = {8, 9};
const int32_t stopBits[] = {1, 2};
const int32_t parity[] = {0, 1, 2};
const int32_t channels[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
const int32_t powerLevels[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
const char* const connectTargets[] = {"Configuration", "RS232", "Direct", "NO connection"};
const NamedChoice networkTypes[] = {{"Access Point", 0}, {"Infrastructure", 1}};
const NamedChoice dhcpModes[] = {{"Disabled", 0}, {"Enabled", 1}};

} // namespace

const std::span<const int32_t> BaudRates = baudRates;
const std::span<const int32_t> DataBitsValues = dataBits;
const std::span<const int32_t> StopBitsValues = stopBits;
const std::span<const int32_t> ParityValues = parity;
const std::span<const int32_t> WiFiChannels = channels;
const std::span<const int32_t> TransPowerLevels = powerLevels;
const ValueRange TcpPortRange = {1024, 65536};
const std::span<const char* const> ConnectTargetNames = connectTargets;
const std::span<const NamedChoice> NetworkTypeChoices = networkTypes;
const std::span<const NamedChoice> DhcpChoices = dhcpModes;

namespace {

const ConfigParam infoRows[] = {
    {"SERIALN", "Serial Number", {}, PARAM_TEXT, PARAM_READ, {}},
    {"FWVERSION", "Firmware Version", {}, PARAM_TEXT, PARAM_READ, {}},
};

const ConfigParam wifiRows[] = {
    {"SSID", "SSID", {}, PARAM_TEXT, RW, {}},
    {"PASSWORD", "Password", {}, PARAM_TEXT, RW, {}},
    {"IPADDRESS", "IP address", {}, PARAM_IPADDR, RW, {}},
    {"IPMASK", "IP mask", {}, PARAM_IPADDR, RW, {}},
    {"DHCP", "DHCP", {}, PARAM_CHOICE, RW, DhcpChoices},
    {"CHANNEL", "WiFi channel", {}, PARAM_LIST, RW, WiFiChannels},
    {"NTYPE", "Network type", {}, PARAM_CHOICE, RW, NetworkTypeChoices},
    {"TRANSPOWER", "Transmission power", {}, PARAM_LIST, RW, TransPowerLevels},
    {"DEVICEID", "Device Name", {}, PARAM_TEXT, RW, {}},
};

const ConfigParam portRows[] = {
    {"RS232 baudrate", "Port I baudrate", {}, PARAM_LIST, RW, BaudRates},
    {"RS232 databits", "Port I data bits", {}, PARAM_LIST, RW, DataBitsValues},
    {"RS232 stopbits", "Port I stopbits", {}, PARAM_LIST, RW, StopBitsValues},
    {"RS232 parity", "Port I parity", {}, PARAM_LIST, RW, ParityValues},
    {"DIRECT baudrate", "Port II baudrate", {}, PARAM_LIST, RW, BaudRates},
    {"DIRECT databits", "Port II data bits", {}, PARAM_LIST, RW, DataBitsValues},
    {"DIRECT stopbits", "Port II stopbits", {}, PARAM_LIST, RW, StopBitsValues},
    {"DIRECT parity", "Port II parity", {}, PARAM_LIST, RW, ParityValues},
};

const ConfigParam routingRows[] = {
    {"PORTCONNECT 0", "Port 0", {}, PARAM_INDEX, RW, ConnectTargetNames},
    {"PORT 0", "TCP/IP port", {}, PARAM_RANGE, RW, &TcpPortRange},
    {"PORTCONNECT 1", "Port 1", {}, PARAM_INDEX, RW, ConnectTargetNames},
    {"PORT 1", "TCP/IP port", {}, PARAM_RANGE, RW, &TcpPortRange},
    {"PORTCONNECT 2", "Port 2", {}, PARAM_INDEX, RW, ConnectTargetNames},
    {"PORT 2", "TCP/IP port", {}, PARAM_RANGE, RW, &TcpPortRange},
};

// Stores text as the row's value and marks the row modified.
void StoreValue(ConfigParam& row, std::string text)
{
    row.value = std::move(text);
    row.flags |= PARAM_MODIFIED;
}

template <std::size_t N> ConfigGroup Group(const ConfigParam (&rows)[N])
{
    return {std::vector<ConfigParam>(std::begin(rows), std::end(rows))};
}

} // namespace

DeviceSettings::DeviceSettings()
    : m_groups{Group(infoRows), Group(wifiRows), Group(portRows), Group(routingRows)}
{}

ConfigParam* DeviceSettings::Find(int group, int index)
{
    return const_cast<ConfigParam*>(std::as_const(*this).Find(group, index));
}

const ConfigParam* DeviceSettings::Find(int group, int index) const
{
    if (group < 0 || group >= static_cast<int>(m_groups.size()))
        return nullptr;
    const ConfigGroup& g = m_groups[group];
    if (index < 0 || index >= g.count())
        return nullptr;
    return &g.rows[index];
}

int DeviceSettings::SetText(int index, const QString& text)
{
    ConfigParam* row = Find(GROUP_WIFI, index);
    if (row == nullptr || ParamTextProblem(text) != TextProblem::None)
        return -1;
    StoreValue(*row, text.toLatin1().toStdString());
    return 0;
}

int DeviceSettings::SetInt(int index, int group, int32_t value)
{
    ConfigParam* row = Find(group, index);
    if (row == nullptr)
        return -1;
    StoreValue(*row, std::to_string(value));
    return 0;
}

bool DeviceSettings::SetByKey(const std::string& key, std::string bytes)
{
    for (ConfigGroup& group : m_groups) {
        for (ConfigParam& row : group.rows) {
            if (key == row.key) {
                StoreValue(row, std::move(bytes));
                return true;
            }
        }
    }
    return false;
}

int DeviceSettings::ClearModified(int index, int group)
{
    ConfigParam* row = Find(group, index);
    if (row == nullptr)
        return -1;
    row->flags &= ~PARAM_MODIFIED;
    return 0;
}

TextProblem ParamTextProblem(const QString& text)
{
    if (text.size() > MAX_PARAM_TEXT)
        return TextProblem::TooLong;
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return TextProblem::NotLatin1;
        if (c == u'\r' || c == u'\n' || c == u'\0')
            return TextProblem::LineBreakOrNul;
    }
    return TextProblem::None;
}

std::string FormatDottedAddress(uint32_t address)
{
    return std::to_string(address >> 24) + '.' + std::to_string((address >> 16) & 0xFF) + '.' +
           std::to_string((address >> 8) & 0xFF) + '.' + std::to_string(address & 0xFF);
}

QString DottedText(uint32_t address)
{
    return QString::fromStdString(FormatDottedAddress(address));
}

QString DeviceTextToWide(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
