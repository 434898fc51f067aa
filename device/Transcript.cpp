#include "Transcript.h"

#include <QDateTime>

#include <algorithm>
#include <string_view>

namespace {

const std::string LINE_ENDS("\r\n\0", 3);
const std::string REPLY_ENDS("\r\n", 2);

// A password this long or longer is masked wherever its bytes stand; a
// shorter one only where a whole value is it, or it follows the password's
// key, so that a password of one letter does not mask that letter all
// through the transcript.
constexpr std::size_t MASK_ANYWHERE_FROM = 4;

// A reply's value: its bytes before the line end (CR or LF, as the engine
// reads a reply line; a zero byte is part of the value).
std::string ValueOf(const std::string& bytes)
{
    return bytes.substr(0, bytes.find_first_of(REPLY_ENDS));
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

// bytes with every occurrence of secret from position from on masked.
void MaskOccurrences(std::string& bytes, const std::string& secret, std::size_t from)
{
    const std::string mask = MASKED_VALUE.toStdString();
    for (std::size_t at = bytes.find(secret, from); at != std::string::npos;
         at = bytes.find(secret, at + mask.size()))
        bytes.replace(at, secret.size(), mask);
}

// A line that names the password's key and then gives bytes (a device that
// echoes "OK PASSWORD VALUE") has the rest of its value masked.
void MaskAfterPasswordKey(std::string& bytes, std::size_t from)
{
    const std::string key = PasswordKey() + ' ';
    const std::size_t at = bytes.find(key, from);
    if (at == std::string::npos)
        return;
    const std::size_t start = at + key.size();
    const std::size_t end = std::min(bytes.find_first_of(REPLY_ENDS, start), bytes.size());
    if (end > start)
        bytes.replace(start, end - start, MASKED_VALUE.toStdString());
}

// Where the value of a set command starts (after "set KEY " of the longest
// key that fits, else after "set "), or the end of any other command: no
// password is looked for in a command's own words.
std::size_t CommandValueStart(const std::string& bytes)
{
    static const std::vector<std::string> heads = [] {
        std::vector<std::string> all;
        for (const ConfigGroup& group : DeviceSettings())
            for (const ConfigParam& row : group.rows)
                all.push_back(std::string("set ") + row.key + ' ');
        return all;
    }();
    std::size_t start = bytes.compare(0, 4, "set ") == 0 ? 4 : bytes.size();
    for (const std::string& head : heads)
        if (head.size() > start && bytes.compare(0, head.size(), head) == 0)
            start = head.size();
    return start;
}

} // namespace

QString EscapedText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (c == u'\r')
            out += "\\r";
        else if (c == u'\n')
            out += "\\n";
        else if (code == 0)
            out += "\\0";
        else if (c == u'\\')
            out += "\\\\";
        else if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
            out += QString("\\x%1").arg(code, 2, 16, QChar('0'));
        // Invisible or reordering characters (a soft hyphen, a direction
        // mark, a line separator) would hide or fake what a text says.
        else if (const QChar::Category kind = c.category(); kind == QChar::Other_Format ||
                                                            kind == QChar::Separator_Line ||
                                                            kind == QChar::Separator_Paragraph)
            out += QString(code <= 0xFF ? "\\x%1" : "\\u%1")
                       .arg(code, code <= 0xFF ? 2 : 4, 16, QChar('0'));
        else
            out += c;
    }
    return out;
}

QString EscapedBytes(const std::string& bytes)
{
    return EscapedText(DeviceTextToWide(bytes));
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
    if (bytes.compare(0, setPassword.size(), setPassword) == 0)
        Learn(CommandValue(bytes, setPassword.size()));
    Add("SEND", bytes);
}

void Transcript::Received(const std::string& bytes)
{
    if (m_maskReply)
        Learn(ValueOf(bytes));
    Add("RECV", bytes, {}, m_maskReply);
    m_maskReply = false;
}

void Transcript::Learn(const std::string& password)
{
    if (password.empty())
        return;
    m_passwords.insert(password);
    // Each part between zero bytes too: a device may give it without them.
    for (std::size_t at = 0; at < password.size();) {
        const std::size_t end = std::min(password.find('\0', at), password.size());
        if (end - at >= MASK_ANYWHERE_FROM)
            m_passwords.insert(password.substr(at, end - at));
        at = end + 1;
    }
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

std::string Transcript::Masked(std::string bytes, std::size_t from) const
{
    // Longest first, so that a password that holds another is masked whole.
    std::vector<std::string> secrets(m_passwords.begin(), m_passwords.end());
    std::sort(secrets.begin(), secrets.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    for (const std::string& secret : secrets)
        if (secret.size() >= MASK_ANYWHERE_FROM)
            MaskOccurrences(bytes, secret, from);
    MaskAfterPasswordKey(bytes, from);
    return bytes;
}

QString Transcript::Shown(const Entry& entry) const
{
    if (!entry.text.isEmpty() || entry.bytes.empty())
        return entry.text;
    if (std::string_view(entry.tag) == "SEND")
        return EscapedBytes(Masked(MaskedCommand(entry.bytes), CommandValueStart(entry.bytes)));
    if (std::string_view(entry.tag) == "STRAY")
        return EscapedBytes(MaskedLines(entry.bytes));
    // A reply: masked whole when it answered the password's command, or when
    // its value is one the password is known to have (a device whose replies
    // are out of step gives it as the reply to another command); otherwise
    // every known password in it (a device that echoes a set, or puts it in
    // another reply).
    const bool secret = entry.password || m_passwords.count(ValueOf(entry.bytes)) != 0;
    return EscapedBytes(secret ? MaskedReply(entry.bytes) : Masked(entry.bytes, 0));
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
    case DEVICE_NOT_SEEN_SINCE: return "DEVICE_NOT_SEEN_SINCE";
    }
    return "DEVICE_UNKNOWN";
}
