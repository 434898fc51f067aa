// The parameter table: the program's whole model of the device. 25 rows in
// four groups, each row keyed by its protocol key and holding its value as
// 8-bit text.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

enum ParamKind : int32_t {
    PARAM_TEXT = 2,
    PARAM_LIST = 3,
    PARAM_RANGE = 4,
    PARAM_IPADDR = 5,
    PARAM_INDEX = 6,
    PARAM_CHOICE = 7,
};

constexpr uint32_t PARAM_READ = 1;
constexpr uint32_t PARAM_WRITE = 2;
constexpr uint32_t PARAM_MODIFIED = 4;

enum ConfigGroupIndex : int {
    GROUP_INFO = 0,
    GROUP_WIFI = 1,
    GROUP_PORTS = 2,
    GROUP_ROUTING = 3,
};

struct ValueRange {
    int32_t low;
    int32_t high;
};

struct NamedChoice {
    const char* name;
    int32_t value;
};

// The value sets. The spans carry their length, so the end markers of a
// plain C table (-1, a null entry) are not part of the data.
extern const std::span<const int32_t> BaudRates;
extern const std::span<const int32_t> DataBitsValues;
extern const std::span<const int32_t> StopBitsValues;
extern const std::span<const int32_t> ParityValues;
extern const std::span<const int32_t> WiFiChannels;
extern const std::span<const int32_t> TransPowerLevels;
extern const ValueRange TcpPortRange;
extern const std::span<const char* const> ConnectTargetNames;
extern const std::span<const NamedChoice> NetworkTypeChoices;
extern const std::span<const NamedChoice> DhcpChoices;

using ParamChoices = std::variant<std::monostate, std::span<const int32_t>, const ValueRange*,
                                  std::span<const char* const>, std::span<const NamedChoice>>;

struct ConfigParam {
    const char* key;
    const char* label;
    std::optional<std::string> value; // none until fetched or set
    ParamKind kind;
    uint32_t flags;
    ParamChoices choices;
};

struct ConfigGroup {
    std::vector<ConfigParam> rows;
    int32_t count() const { return static_cast<int32_t>(rows.size()); }
};

// A row by its group and its position in the group, named after its key.
struct ParamRow {
    int group;
    int index;
};
constexpr ParamRow ROW_SERIAL_NUMBER{GROUP_INFO, 0};
constexpr ParamRow ROW_FIRMWARE_VERSION{GROUP_INFO, 1};
constexpr ParamRow ROW_SSID{GROUP_WIFI, 0};
constexpr ParamRow ROW_PASSWORD{GROUP_WIFI, 1};
constexpr ParamRow ROW_IP_ADDRESS{GROUP_WIFI, 2};
constexpr ParamRow ROW_IP_MASK{GROUP_WIFI, 3};
constexpr ParamRow ROW_DHCP{GROUP_WIFI, 4};
constexpr ParamRow ROW_CHANNEL{GROUP_WIFI, 5};
constexpr ParamRow ROW_NETWORK_TYPE{GROUP_WIFI, 6};
constexpr ParamRow ROW_TRANS_POWER{GROUP_WIFI, 7};
constexpr ParamRow ROW_DEVICE_NAME{GROUP_WIFI, 8};
constexpr ParamRow ROW_RS232_BAUD{GROUP_PORTS, 0};
constexpr ParamRow ROW_RS232_DATA_BITS{GROUP_PORTS, 1};
constexpr ParamRow ROW_RS232_STOP_BITS{GROUP_PORTS, 2};
constexpr ParamRow ROW_RS232_PARITY{GROUP_PORTS, 3};
constexpr ParamRow ROW_DIRECT_BAUD{GROUP_PORTS, 4};
constexpr ParamRow ROW_DIRECT_DATA_BITS{GROUP_PORTS, 5};
constexpr ParamRow ROW_DIRECT_STOP_BITS{GROUP_PORTS, 6};
constexpr ParamRow ROW_DIRECT_PARITY{GROUP_PORTS, 7};
// Routing entry n: what it connects to, and its TCP port.
constexpr ParamRow RoutingConnectRow(int n)
{
    return {GROUP_ROUTING, 2 * n};
}
constexpr ParamRow RoutingPortRow(int n)
{
    return {GROUP_ROUTING, 2 * n + 1};
}

// Longest text a row can take from the pages: the device's buffer holds 100
// bytes including the terminating zero.
constexpr int MAX_PARAM_TEXT = 99;

// Why a text cannot be stored in a row. Only U+0000 to U+00FF map to device
// bytes, and CR, LF and NUL would break the framing of the command that
// carries the value.
enum class TextProblem { None, TooLong, NotLatin1, LineBreakOrNul };
TextProblem ParamTextProblem(const QString& text);

// The settings of one device: the 25 rows in their four groups, each with
// its value and flags. A value type: every copy holds its own values, so
// that each device talked to has its own.
class DeviceSettings {
public:
    // Every row as the table defines it, without a value.
    DeviceSettings();

    // The row, or nullptr when group or index is outside the table.
    ConfigParam* Find(int group, int index);
    const ConfigParam* Find(int group, int index) const;

    // Stores text in WiFi row index (a null text counts as empty). Returns
    // 0, or -1 when the row does not exist or the text cannot be stored (see
    // ParamTextProblem); the row is then left as it was.
    int SetText(int index, const QString& text);
    // Stores value as decimal text in row index of group. Returns 0, or -1
    // when the row does not exist.
    int SetInt(int index, int group, int32_t value);
    // Stores bytes as the value of the row with this key and marks it
    // modified. False when no row has that key.
    bool SetByKey(const std::string& key, std::string bytes);
    // Takes row index of group out of the next push: a save that has no
    // value for the row leaves it out, so the device keeps its own. Returns
    // 0, or -1 when the row does not exist.
    int ClearModified(int index, int group);

    using Groups = std::array<ConfigGroup, 4>;
    Groups::iterator begin() { return m_groups.begin(); }
    Groups::iterator end() { return m_groups.end(); }
    Groups::const_iterator begin() const { return m_groups.begin(); }
    Groups::const_iterator end() const { return m_groups.end(); }
    static constexpr std::size_t size() { return 4; }
    ConfigGroup& operator[](std::size_t group) { return m_groups[group]; }
    const ConfigGroup& operator[](std::size_t group) const { return m_groups[group]; }

private:
    Groups m_groups;
};

// "%d.%d.%d.%d" of a host-order IPv4 address, most significant octet first.
std::string FormatDottedAddress(uint32_t address);
// The same as text to show.
QString DottedText(uint32_t address);

// Device bytes to page text and back, one byte per character U+0000..U+00FF.
QString DeviceTextToWide(const std::string& bytes);
