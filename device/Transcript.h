// The transcript of one exchange with a device, for support: each line
// stamped with its time, what was sent and what came back with its bytes
// escaped, and how it ended. The password's value never appears in it, since
// transcripts get pasted into tickets.
#pragma once

#include "DeviceLink.h"

#include <QString>
#include <QStringList>

#include <string>

// Bytes as the simulator logs them: CR, LF, NUL, backslash and the other
// control bytes escaped (\r \n \0 \\ \xNN); the rest one character a byte.
QString EscapedBytes(const std::string& bytes);

// What stands in a transcript for the password's value.
inline const QString MASKED_VALUE = QStringLiteral("********");

class Transcript {
public:
    void Connecting(const QString& address, quint16 port);
    void Connected();
    // A command as it went out, with its zero byte.
    void Sent(const std::string& bytes);
    // A reply line as it came in, with the byte that ended it.
    void Received(const std::string& bytes);
    // Bytes of a reply that was not ended when the exchange stopped.
    void Unfinished(const std::string& bytes);
    void Ended(DeviceResult result, const QString& socketError);

    const QStringList& lines() const { return m_lines; }
    QString text() const { return m_lines.join('\n'); }
    void Clear();

private:
    void Add(const char* tag, const QString& text);

    QStringList m_lines;
    bool m_maskReply = false; // the reply to the last command holds the password
};

// The name of a result code, as a transcript gives it ("DEVICE_TIMED_OUT").
const char* ResultName(DeviceResult result);
