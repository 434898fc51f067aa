// The addresses the devices of one simulator hold, and the DHCP server that
// gives them out from a range. Devices on threads of their own ask it, so
// every call takes the lock.
#pragma once

#include <QHostAddress>
#include <QMutex>

#include <map>
#include <optional>

#include "SimMove.h"

class SimNetwork {
public:
    explicit SimNetwork(const MoveOptions& options) : m_options(options) {}

    // The device listens, or is about to, on address (IPv4).
    void Hold(int device, const QHostAddress& address);
    // The device listens nowhere.
    void Release(int device);
    // The first address of the range that no other device holds, now held
    // by device; nothing when the range has none left or there is none.
    std::optional<QHostAddress> Lease(int device);

private:
    MoveOptions m_options;
    QMutex m_mutex;
    std::map<int, quint32> m_held; // device number to address
};
