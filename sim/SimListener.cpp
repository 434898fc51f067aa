#include "SimListener.h"

#include "SimDevice.h"

#include <QTcpSocket>
#include <QTimer>

SimListener::SimListener(const MoveOptions& options, int index, SimNetwork& network, SimLog& log,
                         QObject* parent)
    : QObject(parent), m_options(options), m_index(index), m_network(network), m_log(log),
      m_server(this)
{}

void SimListener::Place(const QHostAddress& address, const QByteArray& logPrefix, bool dhcpOn)
{
    m_address = address;
    m_logPrefix = logPrefix;
    m_network.Hold(m_index, address);
    if (m_options.enabled() && dhcpOn)
        m_lease = address;
}

bool SimListener::Listen(quint16 port)
{
    if (!m_server.listen(m_address, port))
        return false;
    m_port = m_server.serverPort();
    return true;
}

void SimListener::Stop()
{
    while (m_server.hasPendingConnections())
        delete m_server.nextPendingConnection(); // a socket deleted is aborted
    m_server.close();
}

void SimListener::Move(const MovePlan& move)
{
    Stop();
    QHostAddress target;
    if (move.kind == MovePlan::Kind::ToLease) {
        m_lease = m_network.Lease(m_index);
        if (m_lease)
            target = *m_lease;
    } else if (move.kind == MovePlan::Kind::ToStatic) {
        m_lease.reset();
        target = QHostAddress(QString::fromLatin1(move.address));
    }
    if (move.kind == MovePlan::Kind::Leave || (move.kind == MovePlan::Kind::ToLease && !m_lease)) {
        Leave();
        return;
    }
    const bool reachable =
        target.protocol() == QAbstractSocket::IPv4Protocol && target.isLoopback();
    if (reachable)
        m_network.Hold(m_index, target);
    else
        m_network.Release(m_index);
    const QByteArray shown =
        target.isNull() ? SimDevice::Escape(move.address) : target.toString().toLatin1();
    Log() << "# moving to " << shown << " in " << m_options.afterMs << " ms" << Qt::endl;
    QTimer::singleShot(m_options.afterMs, this, [this, target, reachable] {
        if (reachable)
            ListenAt(target);
        else
            Leave();
    });
}

void SimListener::ListenAt(const QHostAddress& address)
{
    if (!m_server.listen(address, m_port)) {
        Log() << "# cannot listen on " << address.toString() << ":" << m_port << ": "
              << m_server.errorString() << Qt::endl;
        m_network.Release(m_index);
        return;
    }
    Log() << "# listening on " << address.toString() << ":" << m_port << Qt::endl;
}

void SimListener::Leave()
{
    m_network.Release(m_index);
    Log() << "# left the network" << Qt::endl;
}
