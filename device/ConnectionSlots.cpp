#include "ConnectionSlots.h"

#include "OpenFileLimit.h"

#include <algorithm>

ConnectionSlots::ConnectionSlots(std::size_t jobs, int atOnce,
                                 std::function<void(std::size_t)> start, QObject* parent)
    : QObject(parent), m_start(std::move(start)), m_wanted(std::max(atOnce, 1)), m_fit(m_wanted),
      m_atOnce(m_wanted), m_started(jobs, false)
{
    m_wait.setSingleShot(true);
    m_wait.setInterval(RETRY_WAIT_MS);
    connect(&m_wait, &QTimer::timeout, this, &ConnectionSlots::StartWhatFits);
}

void ConnectionSlots::Start()
{
    m_running = true;
    // What is open now (a window, its files) counts against the limit too.
    m_fit = ConnectionsThatFit(m_wanted);
    m_atOnce = m_fit;
    if (m_started.empty()) {
        QMetaObject::invokeMethod(this, &ConnectionSlots::FinishWhenDone, Qt::QueuedConnection);
        return;
    }
    StartWhatFits();
}

void ConnectionSlots::StartWhatFits()
{
    while (!m_stopped && m_underWay < std::size_t(m_atOnce) &&
           (!m_put.empty() || m_next < m_started.size())) {
        std::size_t index = m_next;
        if (!m_put.empty()) {
            index = m_put.front();
            m_put.pop_front();
        } else {
            ++m_next;
        }
        m_started[index] = true;
        ++m_underWay;
        m_start(index);
    }
}

void ConnectionSlots::Ended(std::size_t index)
{
    --m_underWay;
    ++m_ended;
    m_waits = 0;
    emit jobEnded(index);
    // After a put back, each connection that closes makes room for one more,
    // up to what fitted at the start.
    m_atOnce = std::min(m_atOnce + 1, m_fit);
    StartWhatFits();
    FinishWhenDone();
}

void ConnectionSlots::PutBack(std::size_t index)
{
    --m_underWay;
    m_started[index] = false;
    m_put.push_back(index);
    // No more at once than are open now: this computer had no room for more.
    m_atOnce = std::max<int>(int(m_underWay), 1);
    if (m_underWay == 0)
        RetryAfterWait();
}

void ConnectionSlots::RetryAfterWait()
{
    if (m_stopped)
        return FinishWhenDone();
    if (++m_waits > RETRY_WAITS) {
        m_outOfConnections = true;
        m_stopped = true;
        return FinishWhenDone();
    }
    m_wait.start();
}

void ConnectionSlots::Stop()
{
    m_stopped = true;
    m_wait.stop();
    FinishWhenDone();
}

void ConnectionSlots::FinishWhenDone()
{
    const bool allStarted = m_put.empty() && m_next == m_started.size();
    if (!m_running || m_underWay > 0 || (!m_stopped && !allStarted) || m_wait.isActive())
        return;
    m_running = false;
    emit finished();
}
