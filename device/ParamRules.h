// What a valid value of each writable row is. The one definition: the
// pages' checks and tolvoctl's checks both use it.
#pragma once

#include "ConfigTable.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <variant>

constexpr int32_t MIN_CHANNEL = 0;
constexpr int32_t MAX_CHANNEL = 14;
constexpr int32_t MIN_TRANS_POWER = 0;
constexpr int32_t MAX_TRANS_POWER = 12;
constexpr uint32_t MIN_TCP_PORT = 128;
constexpr uint32_t MAX_TCP_PORT = 65535;

// What a writable row's values may be: device text, a dotted address, a
// whole number in a range, or one of a list of numbers.
struct TextRule {};
struct AddressRule {};
struct RangeRule {
    int64_t low;
    int64_t high;
};
using ValueRule = std::variant<TextRule, AddressRule, RangeRule, std::span<const int32_t>>;

ValueRule RuleOf(const ConfigParam& row);

// Whether value holds a CR, an LF or a zero byte: sent, it would end the
// command early, and the rest would reach the device as a command of its
// own. No value to be sent may.
bool BreaksFraming(const QString& value);

// Whether value is of the form of a device's error reply, as the simulator
// answers a key it does not know ("ERROR unknown key"): the five capital
// letters ERROR at its start, and either nothing after them or a blank.
// The wire format defines no error replies, so such a value may be text a
// device holds; but a backup holding one for a key of an older firmware
// would restore that text into another device.
bool IsErrorReply(const QString& value);

// Whether value, as the device would hold it (one character per byte), is a
// valid value of row. The rows the device only reports (serial number,
// firmware) take any text.
bool IsValidValue(const ConfigParam& row, const QString& value);

// A dotted-quad IPv4 address ("192.168.1.20"), in host order; nothing for
// any other text.
std::optional<uint32_t> ParseDottedAddress(const QString& text);

// The writable row with this key, or nullptr.
const ConfigParam* FindWritableRow(const DeviceSettings& settings, const QString& key);
