#include "DeviceMove.h"

#include "DeviceLink.h"
#include "ParamRules.h"

#include <QString>

namespace {

// The value row key holds once sent is applied: what was sent, else before's.
std::optional<std::string> Applied(const DeviceSettings& before, const DeviceSettings& sent,
                                   const char* key)
{
    for (int group = 0; group < int(sent.size()); ++group)
        for (int index = 0; index < sent[group].count(); ++index)
            if (QByteArray(sent[group].rows[index].key) == key)
                return IsPushed(sent[group].rows[index]) ? sent[group].rows[index].value
                                                         : before[group].rows[index].value;
    return std::nullopt;
}

// A value as what it means: a number of a list ("01" is 1), an address
// ("127.0.0.05" is 127.0.0.5), else its text.
std::optional<std::string> Meaning(const char* key, const std::optional<std::string>& value)
{
    if (!value)
        return value;
    const QString text = QString::fromStdString(*value);
    const QByteArray name(key);
    if (name == "IPADDRESS" || name == "IPMASK") {
        if (const auto address = ParseDottedAddress(text.trimmed()))
            return FormatDottedAddress(*address);
    } else if (name == "DHCP" || name == "NTYPE") {
        bool number = false;
        const int n = text.trimmed().toInt(&number);
        if (number)
            return std::to_string(n);
    }
    return value;
}

std::optional<std::string> AppliedMeaning(const DeviceSettings& before, const DeviceSettings& sent,
                                          const char* key)
{
    return Meaning(key, Applied(before, sent, key));
}

bool Changes(const DeviceSettings& before, const DeviceSettings& sent, const char* key)
{
    const ConfigParam* held = FindWritableRow(before, QLatin1String(key));
    return AppliedMeaning(before, sent, key) != Meaning(key, held ? held->value : std::nullopt);
}

} // namespace

DeviceMove MoveOf(const DeviceSettings& before, const DeviceSettings& sent)
{
    DeviceMove move;
    const bool dhcp = AppliedMeaning(before, sent, "DHCP") == std::optional<std::string>("1");
    if (Changes(before, sent, "SSID") || Changes(before, sent, "PASSWORD") ||
        Changes(before, sent, "NTYPE")) {
        move.kind = DeviceMove::Kind::OtherNetwork;
    } else if (dhcp && Changes(before, sent, "DHCP")) {
        move.kind = DeviceMove::Kind::Dhcp;
    } else if (!dhcp && (Changes(before, sent, "IPADDRESS") || Changes(before, sent, "DHCP"))) {
        move.kind = DeviceMove::Kind::NewAddress;
    } else if (Changes(before, sent, "IPMASK")) {
        move.kind = DeviceMove::Kind::SameAddress;
    }
    if (!dhcp && move.kind != DeviceMove::Kind::None)
        if (const auto text = Applied(before, sent, "IPADDRESS"))
            move.newAddress = ParseDottedAddress(QString::fromStdString(*text));
    return move;
}

std::vector<uint32_t> AddressesToLook(const DeviceMove& move, uint32_t address)
{
    std::vector<uint32_t> addresses;
    if (move.newAddress && *move.newAddress != address)
        addresses.push_back(*move.newAddress);
    addresses.push_back(address);
    return addresses;
}
