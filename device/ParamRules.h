// What a valid value of each writable row is. The one definition: the
// pages' checks and tolvoctl's checks both use it.
#pragma once

#include "ConfigTable.h"

#include <QString>

#include <cstdint>
#include <optional>

constexpr int32_t MIN_CHANNEL = 0;
constexpr int32_t MAX_CHANNEL = 14;
constexpr int32_t MIN_TRANS_POWER = 0;
constexpr int32_t MAX_TRANS_POWER = 12;
constexpr uint32_t MIN_TCP_PORT = 128;
constexpr uint32_t MAX_TCP_PORT = 65535;

// Why value, as the device would hold it (one character per byte), is no
// valid value of row: a sentence naming what is allowed. Empty when valid.
// The rows the device only reports (serial number, firmware) take any text.
QString ValueProblem(const ConfigParam& row, const QString& value);

// What a row's values may be, as a phrase ("a whole number from 0 to 14").
QString AllowedValues(const ConfigParam& row);

// A dotted-quad IPv4 address ("192.168.1.20"), in host order; nothing for
// any other text.
std::optional<uint32_t> ParseDottedAddress(const QString& text);

// The writable row with this key, or nullptr.
const ConfigParam* FindWritableRow(const DeviceSettings& settings, const QString& key);
