#include "ParamRules.h"

#include <QRegularExpression>

namespace {

const int32_t parity[] = {0, 1, 2};
const int32_t dhcp[] = {0, 1, 2};
const int32_t networkType[] = {0, 1};
const int32_t connectTarget[] = {0, 1, 2, 3};

// A decimal number as the device writes one: an optional minus, digits.
bool ParseDecimal(const QString& text, int64_t& value)
{
    static const QRegularExpression decimal(
        QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]{1,10}")));
    if (!decimal.match(text).hasMatch())
        return false;
    value = text.toLongLong();
    return true;
}

} // namespace

ValueRule RuleOf(const ConfigParam& row)
{
    const QString key = QString::fromLatin1(row.key);
    if (row.kind == PARAM_IPADDR)
        return AddressRule{};
    if (key == "CHANNEL")
        return RangeRule{MIN_CHANNEL, MAX_CHANNEL};
    if (key == "TRANSPOWER")
        return RangeRule{MIN_TRANS_POWER, MAX_TRANS_POWER};
    if (key.startsWith("PORT "))
        return RangeRule{MIN_TCP_PORT, MAX_TCP_PORT};
    if (key.endsWith(" baudrate"))
        return BaudRates;
    if (key.endsWith(" databits"))
        return DataBitsValues;
    if (key.endsWith(" stopbits"))
        return StopBitsValues;
    if (key.endsWith(" parity"))
        return std::span<const int32_t>(parity);
    if (key == "DHCP")
        return std::span<const int32_t>(dhcp);
    if (key == "NTYPE")
        return std::span<const int32_t>(networkType);
    if (key.startsWith("PORTCONNECT "))
        return std::span<const int32_t>(connectTarget);
    return TextRule{};
}

std::optional<uint32_t> ParseDottedAddress(const QString& text)
{
    // Anchored at both ends exactly: "$" alone would also match before a
    // final line feed, and let "10.1.2.3\n" through.
    static const QRegularExpression quad(QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})")));
    const QRegularExpressionMatch match = quad.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    uint32_t address = 0;
    for (int part = 1; part <= 4; ++part) {
        const uint32_t octet = match.captured(part).toUInt();
        if (octet > 255)
            return std::nullopt;
        address = (address << 8) | octet;
    }
    return address;
}

bool BreaksFraming(const QString& value)
{
    return value.contains(u'\r') || value.contains(u'\n') || value.contains(QChar(0));
}

bool IsErrorReply(const QString& value)
{
    static const QString ERROR_WORD = QStringLiteral("ERROR");
    return value.startsWith(ERROR_WORD) &&
           (value.size() == ERROR_WORD.size() || value[ERROR_WORD.size()] == u' ');
}

bool IsValidValue(const ConfigParam& row, const QString& value)
{
    if ((row.flags & PARAM_WRITE) == 0)
        return true;
    if (BreaksFraming(value))
        return false;
    const ValueRule rule = RuleOf(row);
    bool valid = true;
    int64_t number = 0;
    if (std::holds_alternative<TextRule>(rule)) {
        valid = ParamTextProblem(value) == TextProblem::None;
    } else if (std::holds_alternative<AddressRule>(rule)) {
        valid = ParseDottedAddress(value).has_value();
    } else if (!ParseDecimal(value, number)) {
        valid = false;
    } else if (const auto* range = std::get_if<RangeRule>(&rule)) {
        valid = number >= range->low && number <= range->high;
    } else {
        const auto list = std::get<std::span<const int32_t>>(rule);
        valid = std::find(list.begin(), list.end(), number) != list.end();
    }
    return valid;
}

const ConfigParam* FindWritableRow(const DeviceSettings& settings, const QString& key)
{
    for (const ConfigGroup& group : settings) {
        for (const ConfigParam& row : group.rows) {
            if ((row.flags & PARAM_WRITE) != 0 && key == QLatin1String(row.key))
                return &row;
        }
    }
    return nullptr;
}
