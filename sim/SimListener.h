// Where a device listens: the address it started on, another one after an
// apply moved it, or nowhere once it left the network. It holds its address
// in the simulator's network, and draws one from the DHCP range when DHCP is
// turned on.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

#include <optional>

#include "SimLog.h"
#include "SimMove.h"
#include "SimNetwork.h"

class SimListener : public QObject {
    Q_OBJECT
public:
    // For device number index of the network.
    SimListener(const MoveOptions& options, int index, SimNetwork& network, SimLog& log,
                QObject* parent = nullptr);
    // Where the device starts, what its log lines start with, and whether it
    // starts with DHCP on (then the address it starts on was given to it).
    void Place(const QHostAddress& address, const QByteArray& logPrefix, bool dhcpOn);

    // Listens where it starts; false on failure (see server().errorString()).
    bool Listen(quint16 port);
    QTcpServer& server() { return m_server; }
    // The address its DHCP server gave it, if it has one.
    const std::optional<QHostAddress>& lease() const { return m_lease; }

    // Stops listening, ending the connections not yet served.
    void Stop();
    // Stops, and listens where the move says after the gap, or nowhere.
    void Move(const MovePlan& move);

private:
    void ListenAt(const QHostAddress& address);
    void Leave();
    LogLine Log() { return LogLine(m_log, m_logPrefix); }

    MoveOptions m_options;
    int m_index;
    QHostAddress m_address; // where it starts
    SimNetwork& m_network;
    SimLog& m_log;
    QByteArray m_logPrefix;
    QTcpServer m_server;
    quint16 m_port = 0; // the port it listens on, and will after a move
    std::optional<QHostAddress> m_lease;
};
