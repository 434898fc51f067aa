#include "Transcript.h"

#include <QDateTime>

#include <algorithm>
#include <string_view>

namespace {

const std::string LINE_ENDS("\r\n\0", 3);

// A reply's value: its bytes before the line end.
std::string ValueOf(const std::string& bytes)
{
    return bytes.substr(0, bytes.find_first_of(LINE_ENDS));
}

// A reply with its value masked, its line end kept.
std::string MaskedReply(const std::string& bytes)
{
    const std::string value = ValueOf(bytes);
    return (value.empty() ? std::string() : MASKED_VALUE.toStdString()) +
           bytes.substr(value.size());
}

// Every line's text masked, the line ends kept.
std::string MaskedLines(const std::string& bytes)
{
    std::string masked;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find_first_of(LINE_ENDS, at), bytes.size());
        if (end > at)
            masked += MASKED_VALUE.toStdString();
        const std::size_t next = bytes.find_first_not_of(LINE_ENDS, end);
        masked += bytes.substr(end, std::min(next, bytes.size()) - end);
        at = std::min(next, bytes.size());
    }
    return masked;
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

void Transcript::Add(const char* tag, std::string bytes, QString text, bool password)
{
    m_entries.append(
        {QDateTime::currentDateTimeUtc(), tag, std::move(bytes), std::move(text), password});
}

void Transcript::Connecting(const QString& address, quint16 port)
{
    m_maskReply = false;
    Add("CONNECT", {}, QString("%1:%2").arg(address).arg(port));
}

void Transcript::Connected()
{
    Add("CONNECTED", {});
}

void Transcript::Sent(const std::string& bytes)
{
    const std::string getPassword = "get " + PasswordKey() + '\r';
    m_maskReply = bytes.compare(0, getPassword.size(), getPassword) == 0;
    const std::string setPassword = "set " + PasswordKey() + ' ';
    if (bytes.compare(0, setPassword.size(), setPassword) == 0 && bytes.size() > setPassword.size())
        m_passwords.insert(ValueOf(bytes.substr(setPassword.size())));
    Add("SEND", bytes);
}

void Transcript::Received(const std::string& bytes)
{
    if (m_maskReply && !ValueOf(bytes).empty())
        m_passwords.insert(ValueOf(bytes));
    Add("RECV", bytes, {}, m_maskReply);
    m_maskReply = false;
}

void Transcript::Unfinished(const std::string& bytes)
{
    Add("PART", bytes, {}, m_maskReply);
}

void Transcript::Stray(const std::string& bytes)
{
    Add("STRAY", bytes);
}

void Transcript::Ended(DeviceResult result, const QString& socketError)
{
    QString text = QString("%1 (%2)").arg(QLatin1String(ResultName(result))).arg(int(result));
    if (result == DEVICE_SOCKET_ERROR || result == DEVICE_CONNECT_FAILED)
        text += ": " + socketError;
    Add("END", {}, text);
}

QString Transcript::Shown(const Entry& entry) const
{
    if (!entry.text.isEmpty() || entry.bytes.empty())
        return entry.text;
    if (std::string_view(entry.tag) == "SEND")
        return EscapedBytes(MaskedCommand(entry.bytes));
    if (std::string_view(entry.tag) == "STRAY")
        return EscapedBytes(MaskedLines(entry.bytes));
    // A reply: masked when it answered the password's command, or when it
    // holds a value the password is known to have (a device whose replies
    // are out of step gives it as the reply to another command).
    const bool secret = entry.password || m_passwords.count(ValueOf(entry.bytes)) != 0;
    return EscapedBytes(secret ? MaskedReply(entry.bytes) : entry.bytes);
}

QStringList Transcript::lines() const
{
    QStringList lines;
    for (const Entry& entry : m_entries)
        lines << QString("%1 %2 %3")
                     .arg(entry.time.toString(Qt::ISODateWithMs), QLatin1String(entry.tag),
                          Shown(entry));
    return lines;
}

void Transcript::Clear()
{
    m_entries.clear();
    m_passwords.clear();
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
    case DEVICE_OUT_OF_STEP: return "DEVICE_OUT_OF_STEP";
    case DEVICE_APPLY_UNCONFIRMED: return "DEVICE_APPLY_UNCONFIRMED";
    case DEVICE_READ_BACK_FAILED: return "DEVICE_READ_BACK_FAILED";
    }
    return "DEVICE_UNKNOWN";
}
