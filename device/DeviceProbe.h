// Looks for a device at several addresses at once, after an apply that may
// have moved it: each address is tried again and again (a device that
// restarts refuses connections for a while) until one accepts a connection
// on the command port, or the bound has passed.
#pragma once

#include "DeviceLink.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class DeviceProbe : public QObject {
    Q_OBJECT
public:
    static constexpr int RETRY_PAUSE_MS = 250;

    DeviceProbe(std::vector<uint32_t> addresses, quint16 port, int timeoutMs, int waitMs,
                QObject* parent = nullptr);
    ~DeviceProbe() override;

    // Starts looking; found() or notFound() follows, once.
    void Start();
    // Stops looking; neither signal follows.
    void Stop();

signals:
    void found(uint32_t address);
    void notFound();

private:
    void Try(std::size_t index);
    void End();

    const std::vector<uint32_t> m_addresses;
    const quint16 m_port;
    const int m_waitMs;
    std::vector<std::unique_ptr<DeviceConnection>> m_links; // one per address
    std::vector<std::unique_ptr<QTimer>> m_pauses;
    QTimer m_bound;
    bool m_looking = false;
};
