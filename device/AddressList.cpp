#include "AddressList.h"

#include "BoundedRead.h"
#include "CoreMessages.h"
#include "ParamRules.h"

#include <QFile>
#include <QRegularExpression>

bool ParseAddressArgument(const QString& text, uint32_t& address, QString& error)
{
    const std::optional<uint32_t> parsed = ParseDottedAddress(text.trimmed());
    if (!parsed) {
        error = Tr(MSG_NOT_AN_ADDRESS).arg(text);
        return false;
    }
    address = *parsed;
    return true;
}

bool ParseRange(const QString& text, std::vector<uint32_t>& out, QString& error)
{
    uint64_t first = 0;
    uint64_t last = 0;
    uint32_t address = 0;
    static const QRegularExpression cidr(
        QRegularExpression::anchoredPattern(QStringLiteral("([^/]+)/([0-9]{1,2})")));
    if (const auto match = cidr.match(text); match.hasMatch()) {
        const int bits = match.captured(2).toInt();
        if (!ParseAddressArgument(match.captured(1), address, error))
            return false;
        if (bits > 32) {
            error = Tr(MSG_PREFIX_LENGTH).arg(text);
            return false;
        }
        const uint64_t size = uint64_t(1) << (32 - bits);
        first = address & ~(size - 1);
        last = first + size - 1;
    } else if (const qsizetype dash = text.indexOf('-'); dash > 0) {
        uint32_t end = 0;
        if (!ParseAddressArgument(text.left(dash), address, error) ||
            !ParseAddressArgument(text.mid(dash + 1), end, error))
            return false;
        if (end < address) {
            error = Tr(MSG_RANGE_BACKWARDS).arg(text);
            return false;
        }
        first = address;
        last = end;
    } else {
        error = Tr(MSG_NOT_A_RANGE).arg(text);
        return false;
    }
    if (out.size() + (last - first + 1) > uint64_t(MAX_SCAN_ADDRESSES)) {
        error = Tr(MSG_SCAN_TOO_BIG).arg(MAX_SCAN_ADDRESSES);
        return false;
    }
    for (uint64_t a = first; a <= last; ++a)
        out.push_back(static_cast<uint32_t>(a));
    return true;
}

bool ParseHostsText(const QString& text, const QString& where, std::vector<uint32_t>& out,
                    QString& error)
{
    const QStringList lines = text.split('\n');
    for (int index = 0; index < lines.size(); ++index) {
        const QString line = lines[index].left(lines[index].indexOf('#')).trimmed();
        if (line.isEmpty())
            continue;
        uint32_t address = 0;
        if (!ParseAddressArgument(line, address, error)) {
            error = Tr(MSG_FILE_LINE).arg(where).arg(index + 1).arg(error);
            return false;
        }
        if (out.size() == std::size_t(MAX_DEVICE_ADDRESSES)) {
            error = Tr(MSG_TOO_MANY_ADDRESSES).arg(MAX_DEVICE_ADDRESSES);
            return false;
        }
        out.push_back(address);
    }
    return true;
}

std::optional<QString> ReadHostsText(const QString& path, QString& error)
{
    QFile file(path);
    bool tooLarge = false;
    const std::optional<QByteArray> text = file.open(QIODevice::ReadOnly | QIODevice::Text)
                                               ? ReadAtMost(file, MAX_HOSTS_FILE_BYTES, tooLarge)
                                               : std::nullopt;
    if (tooLarge) {
        error = Tr(MSG_HOSTS_FILE_TOO_LARGE)
                    .arg(path)
                    .arg(MAX_HOSTS_FILE_BYTES / 1024)
                    .arg(MAX_DEVICE_ADDRESSES);
        return std::nullopt;
    }
    if (!text) {
        error = Tr(MSG_CANNOT_READ).arg(path, file.errorString());
        return std::nullopt;
    }
    return QString::fromUtf8(*text);
}

bool ReadHostsFile(const QString& path, std::vector<uint32_t>& out, QString& error)
{
    const std::optional<QString> text = ReadHostsText(path, error);
    return text && ParseHostsText(*text, path, out, error);
}

bool ParseAssignment(const QString& text, Assignment& out, QString& error)
{
    const qsizetype eq = text.indexOf('=');
    if (eq <= 0) {
        error = Tr(MSG_NOT_A_SETTING).arg(text);
        return false;
    }
    out.key = text.left(eq);
    out.value = text.mid(eq + 1);
    const DeviceSettings table;
    const ConfigParam* row = FindWritableRow(table, out.key);
    if (row == nullptr) {
        error = Tr(MSG_NOT_WRITABLE).arg(out.key);
        return false;
    }
    error = InvalidValue(*row, out.value);
    return error.isEmpty();
}
