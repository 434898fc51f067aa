#include "Transcript.h"

#include <QDateTime>

namespace {

const std::string& PasswordKey()
{
    static const std::string key =
        DeviceSettings().Find(ROW_PASSWORD.group, ROW_PASSWORD.index)->key;
    return key;
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// A value's bytes replaced by the mask, its line end and zero byte kept.
std::string Masked(const std::string& head, const std::string& bytes)
{
    const std::size_t end = bytes.find_first_of(std::string("\r\n\0", 3), head.size());
    const std::string tail = end == std::string::npos ? std::string() : bytes.substr(end);
    const bool empty = end == head.size() || bytes.size() == head.size();
    return head + (empty ? std::string() : MASKED_VALUE.toStdString()) + tail;
}

} // namespace

QString EscapedBytes(const std::string& bytes)
{
    QString out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\0')
            out += "\\0";
        else if (c == '\\')
            out += "\\\\";
        else if (byte < 0x20 || byte == 0x7F)
            out += QString("\\x%1").arg(byte, 2, 16, QChar('0'));
        else
            out += QChar(byte);
    }
    return out;
}

void Transcript::Add(const char* tag, const QString& text)
{
    m_lines << QString("%1 %2 %3")
                   .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs),
                        QLatin1String(tag), text);
}

void Transcript::Connecting(const QString& address, quint16 port)
{
    m_maskReply = false;
    Add("CONNECT", QString("%1:%2").arg(address).arg(port));
}

void Transcript::Connected()
{
    Add("CONNECTED", {});
}

void Transcript::Sent(const std::string& bytes)
{
    const std::string setPassword = "set " + PasswordKey() + ' ';
    m_maskReply = StartsWith(bytes, "get " + PasswordKey() + '\r');
    Add("SEND", EscapedBytes(StartsWith(bytes, setPassword) ? Masked(setPassword, bytes) : bytes));
}

void Transcript::Received(const std::string& bytes)
{
    Add("RECV", EscapedBytes(m_maskReply ? Masked({}, bytes) : bytes));
    m_maskReply = false;
}

void Transcript::Unfinished(const std::string& bytes)
{
    Add("PART", EscapedBytes(m_maskReply ? Masked({}, bytes) : bytes));
}

void Transcript::Ended(DeviceResult result, const QString& socketError)
{
    QString text = QString("%1 (%2)").arg(QLatin1String(ResultName(result))).arg(int(result));
    if (result == DEVICE_SOCKET_ERROR || result == DEVICE_CONNECT_FAILED)
        text += ": " + socketError;
    Add("END", text);
}

void Transcript::Clear()
{
    m_lines.clear();
    m_maskReply = false;
}

const char* ResultName(DeviceResult result)
{
    switch (result) {
    case DEVICE_OK: return "DEVICE_OK";
    case DEVICE_SEND_FAILED: return "DEVICE_SEND_FAILED";
    case DEVICE_HOST_NOT_FOUND: return "DEVICE_HOST_NOT_FOUND";
    case DEVICE_NO_DATA: return "DEVICE_NO_DATA";
    case DEVICE_SOCKET_ERROR: return "DEVICE_SOCKET_ERROR";
    case DEVICE_TIMED_OUT: return "DEVICE_TIMED_OUT";
    case DEVICE_CONNECTION_CLOSED: return "DEVICE_CONNECTION_CLOSED";
    case DEVICE_REPLY_TOO_LONG: return "DEVICE_REPLY_TOO_LONG";
    case DEVICE_COMMAND_TOO_LONG: return "DEVICE_COMMAND_TOO_LONG";
    case DEVICE_CONNECT_FAILED: return "DEVICE_CONNECT_FAILED";
    case DEVICE_CANCELLED: return "DEVICE_CANCELLED";
    case DEVICE_APPLY_UNCONFIRMED: return "DEVICE_APPLY_UNCONFIRMED";
    case DEVICE_READ_BACK_FAILED: return "DEVICE_READ_BACK_FAILED";
    }
    return "DEVICE_UNKNOWN";
}
