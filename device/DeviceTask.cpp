#include "DeviceTask.h"

#include "CoreMessages.h"

DeviceTask::DeviceTask(uint32_t address, quint16 port, int timeoutMs)
    : m_address(address), m_port(port), m_link(timeoutMs)
{
    connect(&m_link, &DeviceConnection::progress, this, [this] { m_answered = true; });
    connect(&m_link, &DeviceConnection::finished, this, [this](DeviceResult result) {
        if (result == DEVICE_APPLY_UNCONFIRMED || result == DEVICE_READ_BACK_FAILED) {
            // A read-back on a new connection tells what the device holds.
            m_applyUnconfirmed = m_applyUnconfirmed || result == DEVICE_APPLY_UNCONFIRMED;
            m_readBackCut = true;
        } else if (result != DEVICE_OK) {
            m_failure = result;
            m_failedDoing = m_steps[m_next - 1].first;
            m_link.Close();
            if (lackedResources())
                emit connectionLacked();
            else
                emit done();
            return;
        }
        Next();
    });
}

QString DeviceTask::addressText() const
{
    return QString::fromStdString(FormatDottedAddress(m_address));
}

void DeviceTask::Then(const char* doing, Start start)
{
    m_steps.emplace_back(doing, std::move(start));
}

void DeviceTask::ConnectAndRead(DeviceSettings& into, const std::vector<ParamRow>& only)
{
    Then(MSG_DOING_CONNECTING, [this](DeviceConnection& link) {
        link.Close();
        link.StartConnect(m_address, m_port);
    });
    Then(MSG_DOING_READING, [&into, only](DeviceConnection& link) { link.StartFetch(into, only); });
}

void DeviceTask::PushAndReadBack(std::function<const DeviceSettings&()> makePush,
                                 const std::vector<ParamRow>& only)
{
    Then(MSG_DOING_SENDING, [this, makePush](DeviceConnection& link) {
        const DeviceSettings& push = makePush();
        after = before;
        if (!PushesAnyRow(push)) {
            Skip();
            return;
        }
        m_pushed = true;
        link.StartPush(push, &after);
    });
    Then(MSG_DOING_READING, [this, only](DeviceConnection&) {
        if (m_readBackCut)
            ConnectAndRead(after, only);
        Skip();
    });
}

void DeviceTask::Skip()
{
    QMetaObject::invokeMethod(this, &DeviceTask::Next, Qt::QueuedConnection);
}

void DeviceTask::Run()
{
    m_next = 0;
    m_failure = DEVICE_OK;
    m_failedDoing = "";
    // done() always comes from the event loop, never inside Run.
    QMetaObject::invokeMethod(this, &DeviceTask::Next, Qt::QueuedConnection);
}

void DeviceTask::Next()
{
    if (m_next == m_steps.size()) {
        m_link.Close();
        emit done();
        return;
    }
    // Started from the event loop, not inside the connection's own signal.
    QMetaObject::invokeMethod(
        this,
        [this, step = m_next++] {
            emit stepStarted(m_steps[step].first);
            m_steps[step].second(m_link);
        },
        Qt::QueuedConnection);
}
