#include "DeviceProbe.h"

DeviceProbe::DeviceProbe(std::vector<uint32_t> addresses, quint16 port, int timeoutMs, int waitMs,
                         QObject* parent)
    : QObject(parent), m_addresses(std::move(addresses)), m_port(port), m_waitMs(waitMs)
{
    m_bound.setSingleShot(true);
    connect(&m_bound, &QTimer::timeout, this, [this] {
        End();
        emit notFound();
    });
    for (std::size_t index = 0; index < m_addresses.size(); ++index) {
        auto& link = m_links.emplace_back(std::make_unique<DeviceConnection>(timeoutMs));
        auto& pause = m_pauses.emplace_back(std::make_unique<QTimer>());
        pause->setSingleShot(true);
        connect(pause.get(), &QTimer::timeout, this, [this, index] { Try(index); });
        connect(link.get(), &DeviceConnection::finished, this, [this, index](DeviceResult result) {
            if (!m_looking)
                return;
            if (result == DEVICE_OK) {
                End();
                emit found(m_addresses[index]);
                return;
            }
            m_pauses[index]->start(RETRY_PAUSE_MS);
        });
    }
}

DeviceProbe::~DeviceProbe()
{
    End();
}

void DeviceProbe::Start()
{
    m_looking = true;
    m_bound.start(m_waitMs);
    for (std::size_t index = 0; index < m_addresses.size(); ++index)
        Try(index);
}

void DeviceProbe::Stop()
{
    End();
}

void DeviceProbe::Try(std::size_t index)
{
    if (!m_looking)
        return;
    m_links[index]->StartConnect(m_addresses[index], m_port);
}

void DeviceProbe::End()
{
    m_looking = false;
    m_bound.stop();
    for (std::size_t index = 0; index < m_links.size(); ++index) {
        m_pauses[index]->stop();
        m_links[index]->Close();
    }
}
