// The transcript of one exchange with a device, for support: each line
// stamped with its time, what was sent and what came back with its bytes
// escaped, and how it ended. The password's value never appears in it, since
// transcripts get pasted into tickets: the lines are made when asked for,
// from everything recorded, so that a value learnt late (the password sent,
// or read back) is masked wherever it stands.
#pragma once

#include "DeviceLink.h"
#include "PasswordMask.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <set>
#include <string>
#include <vector>

// Bytes as the simulator logs them: CR, LF, NUL, backslash and the other
// control bytes escaped (\r \n \0 \\ \xNN), the C1 range 0x80 to 0x9F too
// (a terminal may take those as control codes); the rest one character a
// byte. What every human-readable output shows of a device's bytes, so that
// they can neither end a line nor move a terminal's cursor.
QString EscapedBytes(const std::string& bytes);
// The same for text of one character per device byte (as values are held),
// or any text: characters past U+00FF are kept as they are.
QString EscapedText(const QString& text);

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
    // Bytes that no command asked for: shown with every line's text masked,
    // since they may be any reply, the password's too.
    void Stray(const std::string& bytes);
    void Ended(DeviceResult result, const QString& socketError);

    QStringList lines() const;
    QString text() const { return lines().join('\n'); }
    void Clear();

private:
    struct Entry {
        QDateTime time;
        const char* tag;
        std::string bytes; // what went out or came in, unescaped
        QString text;      // or what the line says
        bool password;     // a reply to the password's command
    };
    void Add(const char* tag, std::string bytes, QString text = {}, bool password = false);
    // Records a value the password has (sent or read).
    void Learn(const std::string& password);
    // bytes with every known password from position from on masked.
    std::string Masked(std::string bytes, std::size_t from) const;
    QString Shown(const Entry& entry) const;

    QList<Entry> m_entries;
    std::set<std::string> m_passwords; // the password's values sent or read
    bool m_maskReply = false;          // the reply to the last command holds the password
};

// The name of a result code, as a transcript gives it ("DEVICE_TIMED_OUT").
const char* ResultName(DeviceResult result);
