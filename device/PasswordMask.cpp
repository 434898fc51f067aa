#include "PasswordMask.h"

#include "ConfigTable.h"
#include "Transcript.h"

const std::string& PasswordKey()
{
    static const std::string key =
        DeviceSettings().Find(ROW_PASSWORD.group, ROW_PASSWORD.index)->key;
    return key;
}

bool IsPasswordKey(const QString& key)
{
    return key == QLatin1String(PasswordKey().c_str());
}

QString ShownValue(const QString& key, const QString& value)
{
    return IsPasswordKey(key) && !value.isEmpty() ? MASKED_VALUE : value;
}

QString QuotedValue(const QString& key, const QString& value)
{
    return EscapedText(ShownValue(key, value));
}

std::string CommandValue(const std::string& command, std::size_t start)
{
    if (start >= command.size())
        return {};
    const std::size_t last = command.find_last_not_of(std::string("\r\n\0", 3));
    return last == std::string::npos || last < start ? std::string()
                                                     : command.substr(start, last + 1 - start);
}

std::string MaskedCommand(const std::string& bytes)
{
    const std::string head = "set " + PasswordKey() + ' ';
    if (bytes.compare(0, head.size(), head) != 0)
        return bytes;
    const std::string value = CommandValue(bytes, head.size());
    const std::string tail = bytes.substr(std::min(bytes.size(), head.size() + value.size()));
    return head + (value.empty() ? std::string() : MASKED_VALUE.toStdString()) + tail;
}
