#include "AddressPlan.h"

#include "AddressList.h"
#include "ConfigTable.h"
#include "CoreMessages.h"
#include "ParamRules.h"

#include <QRegularExpression>

#include <map>
#include <set>

namespace {

struct Subnet {
    uint32_t network = 0;
    uint32_t broadcast = 0;
    int prefix = 32;
};

Subnet SubnetOf(uint32_t address, uint32_t mask, int prefix)
{
    return {address & mask, (address & mask) | ~mask, prefix};
}

QString SubnetText(const Subnet& subnet)
{
    return DottedText(subnet.network) + '/' + QString::number(subnet.prefix);
}

// The device a line names: by current address, else by serial number.
std::optional<std::size_t> DeviceOf(const PlanLine& line, const std::vector<PlannedDevice>& devices)
{
    const std::optional<uint32_t> address = ParseDottedAddress(line.who);
    for (std::size_t index = 0; index < devices.size(); ++index)
        if (address ? devices[index].current == *address : devices[index].serial == line.who)
            return index;
    return std::nullopt;
}

// Each line's address to the device it names; the lines that name none or
// a device named before are problems.
QStringList AssignLines(const AddressPlan& plan, std::vector<PlannedDevice>& devices)
{
    QStringList problems;
    std::set<std::size_t> named;
    for (const PlanLine& line : plan.lines) {
        const std::optional<std::size_t> index = DeviceOf(line, devices);
        const char* problem = !index                ? MSG_PLAN_UNMATCHED
                              : named.count(*index) ? MSG_PLAN_NAMED_TWICE
                                                    : nullptr;
        if (problem != nullptr) {
            problems
                << Tr(MSG_FILE_LINE).arg(plan.where).arg(line.line).arg(Tr(problem).arg(line.who));
            continue;
        }
        named.insert(*index);
        devices[*index].planned = line.address;
    }
    return problems;
}

// Where each planned address lies in the subnet: network, broadcast, outside.
QStringList SubnetProblems(const std::vector<PlannedDevice>& devices, const Subnet& subnet,
                           uint32_t mask)
{
    QStringList problems;
    const bool hasEnds = subnet.prefix <= 30; // a /31 or /32 has no network or broadcast
    for (const PlannedDevice& device : devices) {
        if (device.planned == 0)
            continue;
        const QString row = PlanRowText(device);
        if ((device.planned & mask) != subnet.network)
            problems << Tr(MSG_PLAN_OUTSIDE).arg(row, SubnetText(subnet));
        else if (hasEnds && device.planned == subnet.network)
            problems << Tr(MSG_PLAN_NETWORK).arg(row, SubnetText(subnet));
        else if (hasEnds && device.planned == subnet.broadcast)
            problems << Tr(MSG_PLAN_BROADCAST).arg(row, SubnetText(subnet));
    }
    return problems;
}

// One sentence for each address planned for more than one device.
QStringList DuplicateProblems(const std::vector<PlannedDevice>& devices)
{
    std::map<uint32_t, QStringList> rows;
    for (const PlannedDevice& device : devices)
        if (device.planned != 0)
            rows[device.planned] << PlanRowText(device);
    QStringList problems;
    for (const auto& [address, named] : rows)
        if (named.size() > 1)
            problems << Tr(MSG_PLAN_DUPLICATE).arg(named.join("; "));
    return problems;
}

} // namespace

std::optional<int> PrefixLength(uint32_t mask)
{
    int prefix = 0;
    while (prefix < 32 && (mask & (0x80000000u >> prefix)) != 0)
        ++prefix;
    const uint32_t contiguous = prefix == 0 ? 0 : ~uint32_t(0) << (32 - prefix);
    return mask == contiguous ? std::optional<int>(prefix) : std::nullopt;
}

bool ParsePlanFirst(const QString& text, AddressPlan& plan, QString& error)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9.]+)/([0-9]{1,2})")));
    const auto match = form.match(text.trimmed());
    const std::optional<uint32_t> first =
        match.hasMatch() ? ParseDottedAddress(match.captured(1)) : std::nullopt;
    const int prefix = match.hasMatch() ? match.captured(2).toInt() : 99;
    if (!first || prefix > 32) {
        error = Tr(MSG_PLAN_FIRST_FORM).arg(text);
        return false;
    }
    plan.first = *first;
    plan.mask = prefix == 0 ? 0 : ~uint32_t(0) << (32 - prefix);
    plan.lines.clear();
    return true;
}

bool ParsePlanText(const QString& text, const QString& where, AddressPlan& plan, QString& error)
{
    plan.first.reset();
    plan.lines.clear();
    plan.where = where;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList lines = text.split('\n');
    for (int index = 0; index < lines.size(); ++index) {
        const QString line = lines[index].left(lines[index].indexOf('#')).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(blanks);
        const std::optional<uint32_t> address =
            fields.size() == 2 ? ParseDottedAddress(fields[1]) : std::nullopt;
        if (!address) {
            error =
                Tr(MSG_FILE_LINE).arg(where).arg(index + 1).arg(Tr(MSG_PLAN_LINE_FORM).arg(line));
            return false;
        }
        if (plan.lines.size() == std::size_t(MAX_DEVICE_ADDRESSES)) {
            error = Tr(MSG_TOO_MANY_ADDRESSES).arg(MAX_DEVICE_ADDRESSES);
            return false;
        }
        plan.lines.push_back({fields[0], *address, index + 1});
    }
    if (plan.lines.empty()) {
        error = Tr(MSG_PLAN_EMPTY).arg(where);
        return false;
    }
    return true;
}

bool ReadPlanFile(const QString& path, AddressPlan& plan, QString& error)
{
    const std::optional<QString> text = ReadHostsText(path, error);
    return text && ParsePlanText(*text, path, plan, error);
}

bool NamesSerials(const AddressPlan& plan)
{
    return std::any_of(plan.lines.begin(), plan.lines.end(), [](const PlanLine& line) {
        return !ParseDottedAddress(line.who).has_value();
    });
}

QStringList PlanDevices(const AddressPlan& plan, std::vector<PlannedDevice>& devices)
{
    const std::optional<int> prefix = PrefixLength(plan.mask);
    if (!prefix)
        return {Tr(MSG_PLAN_MASK).arg(DottedText(plan.mask))};
    QStringList problems;
    for (std::size_t index = 0; index < devices.size(); ++index)
        devices[index].planned =
            plan.first ? uint32_t(std::min<uint64_t>(*plan.first + uint64_t(index), 0xFFFFFFFFu))
                       : 0;
    if (!plan.first)
        problems << AssignLines(plan, devices);
    for (const PlannedDevice& device : devices)
        if (device.planned == 0)
            problems << Tr(MSG_PLAN_UNNAMED).arg(PlanRowText(device));
    // The subnet is the first address's, or the first line's.
    const uint32_t anchor = plan.first           ? *plan.first
                            : plan.lines.empty() ? 0
                                                 : plan.lines.front().address;
    problems << DuplicateProblems(devices)
             << SubnetProblems(devices, SubnetOf(anchor, plan.mask, *prefix), plan.mask);
    return problems;
}

std::vector<uint32_t> AddressesToProbe(const std::vector<PlannedDevice>& devices)
{
    std::vector<uint32_t> addresses;
    for (const PlannedDevice& device : devices)
        if (device.planned != 0 && device.planned != device.current)
            addresses.push_back(device.planned);
    return addresses;
}

QStringList AnsweringProblems(const std::vector<PlannedDevice>& devices,
                              const std::vector<uint32_t>& answering)
{
    const std::set<uint32_t> answered(answering.begin(), answering.end());
    QStringList problems;
    for (const PlannedDevice& device : devices)
        if (device.planned != device.current && answered.count(device.planned) != 0)
            problems << Tr(MSG_PLAN_ANSWERING).arg(PlanRowText(device));
    return problems;
}

QString PlanRowText(const PlannedDevice& device)
{
    QString who = DottedText(device.current);
    if (!device.serial.isEmpty())
        who += QString(" (%1)").arg(device.serial);
    return device.planned == 0 ? Tr(MSG_PLAN_NO_ADDRESS).arg(who)
                               : Tr(MSG_PLAN_ROW).arg(who, DottedText(device.planned));
}
