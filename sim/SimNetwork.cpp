#include "SimNetwork.h"

#include <set>

void SimNetwork::Hold(int device, const QHostAddress& address)
{
    const QMutexLocker lock(&m_mutex);
    m_held[device] = address.toIPv4Address();
}

void SimNetwork::Release(int device)
{
    const QMutexLocker lock(&m_mutex);
    m_held.erase(device);
}

std::optional<QHostAddress> SimNetwork::Lease(int device)
{
    if (!m_options.hasDhcpRange)
        return std::nullopt;
    const QMutexLocker lock(&m_mutex);
    std::set<quint32> taken;
    for (const auto& [other, address] : m_held) {
        if (other != device)
            taken.insert(address);
    }
    // Loopback addresses end at 127.255.255.255: the count cannot wrap.
    for (quint32 address = m_options.dhcpFirst; address <= m_options.dhcpLast; ++address) {
        if (taken.count(address) == 0) {
            m_held[device] = address;
            return QHostAddress(address);
        }
    }
    return std::nullopt;
}
