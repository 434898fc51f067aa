// When each job of a run starts: every job opens a connection to a device,
// at most a number of them at once and never more than this computer's
// limit on open files leaves room for (OpenFileLimit.h). A job that could
// not open its connection for lack of this computer's resources never
// reached its device: it is put back, and started again once another job
// has ended, or after a wait when none is under way; the run then holds
// fewer at once. When none could be opened through RETRY_WAITS waits with
// nothing under way, the run stops starting jobs: outOfConnections().
#pragma once

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

class ConnectionSlots : public QObject {
    Q_OBJECT
public:
    static constexpr int RETRY_WAIT_MS = 250;
    static constexpr int RETRY_WAITS = 40;

    // start(index) starts job index; the job reports its end by Ended or
    // PutBack, from the event loop.
    ConnectionSlots(std::size_t jobs, int atOnce, std::function<void(std::size_t)> start,
                    QObject* parent = nullptr);

    // Starts the first jobs; finished() follows once every job started has
    // ended (at once, from the event loop, when there are none).
    void Start();
    // Job index ended.
    void Ended(std::size_t index);
    // Job index could not open its connection for lack of this computer's
    // resources, and sent nothing: it starts again later.
    void PutBack(std::size_t index);
    // Starts no more jobs; those under way go on to their end.
    void Stop();

    std::size_t underWay() const { return m_underWay; }
    std::size_t endedCount() const { return m_ended; }
    bool running() const { return m_running; }
    bool stopped() const { return m_stopped; }
    // Whether the run stopped because no connection could be opened.
    bool outOfConnections() const { return m_outOfConnections; }
    // Whether job index was started and not put back since.
    bool WasStarted(std::size_t index) const { return m_started[index]; }
    // The most jobs under way at once that this run allows itself.
    int atOnce() const { return m_atOnce; }

signals:
    // Job index ended (counted already); finished() comes after.
    void jobEnded(std::size_t index);
    void finished();

private:
    void StartWhatFits();
    void FinishWhenDone();
    void RetryAfterWait();

    std::function<void(std::size_t)> m_start;
    const int m_wanted;
    int m_fit;    // what this computer's limit leaves room for, at the start
    int m_atOnce; // at most m_fit; fewer after a put back
    std::vector<bool> m_started;
    std::size_t m_next = 0;        // the next job never started
    std::deque<std::size_t> m_put; // jobs put back, started before the next
    std::size_t m_underWay = 0;
    std::size_t m_ended = 0;
    int m_waits = 0; // waits in a row with nothing under way
    QTimer m_wait;
    bool m_running = false;
    bool m_stopped = false;
    bool m_outOfConnections = false;
};
