// Misbehaviour drawn at random for each connection from a seed, so that a
// run can be repeated: what a faulty device or network does to the replies.
#pragma once

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <QString>

enum class Fault {
    None,        // behaves well
    CloseAtByte, // closes at a byte of a reply (before it, or inside it)
    Reset,       // resets the connection before a reply
    Delay,       // waits before each reply: mostly briefly, sometimes past the client's bound
    LineEnd,     // ends every reply with CR LF or with LF
    LongReply,   // sends one reply line of more than 1024 bytes
    BadByte,     // puts a zero byte or a byte above 0x7F inside one reply
    StrayBytes,  // sends bytes without a line end before one reply
    SilentAfter, // answers nothing from one reply on
    IgnoreSet,   // answers the sets of one key but never keeps them
};

struct ChaosOptions {
    bool enabled = false;
    quint32 seed = 0;
    double rate = 0.5;     // the share of connections that misbehave
    int maxDelayMs = 6000; // the long waits of Fault::Delay
};

// What one connection does, and where.
struct ConnectionChaos {
    Fault fault = Fault::None;
    int atReply = 0; // the reply it strikes, from 0
    int atByte = 0;  // CloseAtByte: the bytes of that reply sent first
    QByteArray lineEnd = "\r";
    QByteArray inserted;   // BadByte: the byte; StrayBytes: the bytes before the reply
    int longLength = 0;    // LongReply
    QByteArray ignoredKey; // IgnoreSet
    QString Describe() const;
};

class ChaosSource {
public:
    ChaosSource(const ChaosOptions& options, int deviceIndex);
    bool enabled() const { return m_options.enabled; }
    // The plan for the next connection; keys are those a set may name.
    ConnectionChaos Next(const QList<QByteArray>& keys);
    // How long to wait before a reply of a Fault::Delay connection.
    int ReplyDelayMs();
    // Where in a reply of this size an inserted byte goes.
    qsizetype Position(qsizetype size);

private:
    ChaosOptions m_options;
    QRandomGenerator m_random;
};
