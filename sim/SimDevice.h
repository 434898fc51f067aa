// A stand-in for the device's command service on a loopback address: it
// answers "get KEY", keeps "set KEY VALUE" pending until "set CONFIGURE",
// logs every command byte for byte, and can misbehave on request.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextStream>

#include <optional>

#include "SimChaos.h"
#include "SimListener.h"
#include "SimLog.h"
#include "SimMove.h"
#include "SimNetwork.h"

struct SimOptions {
    QHostAddress address{QHostAddress::LocalHost};
    quint16 port = 4070;
    bool crlf = false;       // end replies with CR LF instead of CR
    int closeAfter = -1;     // close a connection after this many replies
    bool silent = false;     // never reply
    int delayMs = 0;         // wait this long before each reply
    QByteArray longReplyKey; // answer "get" of this key with an over-long reply
    int refuseSeconds = 0;   // do not listen during the first seconds
    int resetFirst = 0;      // reset the first connections as soon as they are accepted
    enum class ApplyAnswer { Reply, Silent, Close, Hang };
    // After applying: reply, say nothing, close, or answer nothing ever again.
    ApplyAnswer applyAnswer = ApplyAnswer::Reply;
    bool closeAfterApply = false; // close the connection once the apply is answered
    QList<QPair<QByteArray, QByteArray>> initialValues; // overrides of factory values
    // Sets held pending from the start, as a write cut before its apply
    // leaves them: the next apply commits them.
    QList<QPair<QByteArray, QByteArray>> pendingValues;
    QList<QByteArray> ignoredSets; // keys whose sets are answered but never kept
    QList<QByteArray> unknownKeys; // keys the device does not know (older firmware)
    bool echoSet = false;          // answer "set KEY VALUE" with "OK KEY VALUE"
    int devices = 1;               // devices on consecutive addresses from address
    ChaosOptions chaos;            // misbehave at random, connection by connection
    MoveOptions moves;             // move to another address when an apply says so
};

class SimDevice : public QObject {
    Q_OBJECT
public:
    // Device number index (from 0) of options.devices: it listens on the
    // address that many after options.address, and its serial number ends in
    // its own number. With several devices each log line names its device
    // by the address it started on. The network knows which addresses the
    // devices hold, for moves.
    SimDevice(const SimOptions& options, int index, SimLog& log, SimNetwork& network,
              QObject* parent = nullptr);

    // Starts listening now, or after the refusal period. False on failure.
    bool Start();

    static QByteArray Escape(const QByteArray& bytes);
    // Reverses Escape; nothing when escaped is no such text.
    static std::optional<QByteArray> Unescape(const QByteArray& escaped);
    static QList<QByteArray> Keys();

signals:
    void listening(quint16 port);

private:
    bool Listen();
    void TakeNextClient();
    void ReadCommands();
    void Handle(const QByteArray& command);
    QByteArray Answer(const QByteArray& line);
    void SendReply(QByteArray reply, const QByteArray& getKey);
    // Applies the connection's fault to the reply about to go; false when
    // the fault has taken its place (nothing or only part of it is sent).
    bool MangleReply(QByteArray& reply, const QByteArray& getKey);
    void LogHolds();
    QByteArray MatchKey(const QByteArray& rest) const;
    void ClientGone();
    void MoveIfDue();
    LogLine Log();

    SimOptions m_options;
    QByteArray m_logPrefix;
    SimLog& m_log;
    SimListener m_listener;
    QPointer<QTcpSocket> m_client;
    QByteArray m_buffer;
    int m_repliesSent = 0;
    bool m_hung = false; // applied with ApplyAnswer::Hang: no more replies
    int m_connections = 0;
    QMap<QByteArray, QByteArray> m_active;
    QMap<QByteArray, QByteArray> m_pending;
    ChaosSource m_chaosSource;
    ConnectionChaos m_chaos;
    MovePlan m_move; // due once the apply is answered
};
