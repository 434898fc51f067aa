#include "SettingNames.h"

#include <array>
#include <utility>

namespace {

// As the pages name each field (res/templates.json: the name of a list or
// field, else the label beside it); the two rows of the Info page by their
// labels. The test of the session compares them with the pages.
const std::array<std::pair<const char*, const char*>, 25> NAMES{{
    {"SERIALN", "Serial Number"},
    {"FWVERSION", "Firmware Version"},
    {"SSID", "SSID"},
    {"PASSWORD", "Password"},
    {"IPADDRESS", "IP address"},
    {"IPMASK", "IP mask"},
    {"DHCP", "DHCP mode"},
    {"CHANNEL", "Wi-Fi channel"},
    {"NTYPE", "Network type"},
    {"TRANSPOWER", "Transmission Power"},
    {"DEVICEID", "Device Name"},
    {"RS232 baudrate", "RS232 baud rate"},
    {"RS232 databits", "RS232 data bits"},
    {"RS232 stopbits", "RS232 stop bits"},
    {"RS232 parity", "RS232 parity"},
    {"DIRECT baudrate", "DIRECT baud rate"},
    {"DIRECT databits", "DIRECT data bits"},
    {"DIRECT stopbits", "DIRECT stop bits"},
    {"DIRECT parity", "DIRECT parity"},
    {"PORTCONNECT 0", "Port 0 connection"},
    {"PORT 0", "Port 0 TCP/IP port"},
    {"PORTCONNECT 1", "Port 1 connection"},
    {"PORT 1", "Port 1 TCP/IP port"},
    {"PORTCONNECT 2", "Port 2 connection"},
    {"PORT 2", "Port 2 TCP/IP port"},
}};

} // namespace

QString EnglishSettingName(const QString& key)
{
    for (const auto& [each, name] : NAMES)
        if (key == QLatin1String(each))
            return QLatin1String(name);
    return {};
}
