#include "PasswordMask.h"

#include "ConfigTable.h"

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

std::string MaskedCommand(const std::string& bytes)
{
    const std::string head = "set " + PasswordKey() + ' ';
    if (bytes.compare(0, head.size(), head) != 0)
        return bytes;
    const std::size_t end = bytes.find_first_of(std::string("\r\n\0", 3), head.size());
    const std::string tail = end == std::string::npos ? std::string() : bytes.substr(end);
    const bool empty = end == head.size() || bytes.size() == head.size();
    return head + (empty ? std::string() : MASKED_VALUE.toStdString()) + tail;
}
