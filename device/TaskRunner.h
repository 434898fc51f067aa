// Runs many device tasks at once on the event loop of the one thread: at most
// a number of them at a time, each next one started as one ends. It never
// waits itself, so a window stays responsive; tolvoctl waits for finished()
// in a local event loop.
#pragma once

#include "DeviceTask.h"

#include <QObject>

#include <cstddef>

class TaskRunner : public QObject {
    Q_OBJECT
public:
    // tasks must outlive the run; they are started in their order.
    TaskRunner(DeviceTasks& tasks, int jobs, QObject* parent = nullptr);

    // Starts the first tasks; finished() follows once every task started has
    // ended (at once, from the event loop, when there are none).
    void Start();
    // Starts no more tasks; those under way go on to their end.
    void StopStarting();

    std::size_t started() const { return m_started; }
    std::size_t finishedCount() const { return m_finished; }
    std::size_t total() const { return m_tasks.size(); }
    bool running() const { return m_running; }
    bool stopped() const { return m_stopped; }
    // Whether the task at index was started (a stopped run leaves some not).
    bool WasStarted(std::size_t index) const { return index < m_started; }

signals:
    void taskStarted(std::size_t index);
    void taskDone(std::size_t index);
    void finished();

private:
    void StartNext();
    void TaskDone(std::size_t index);

    DeviceTasks& m_tasks;
    const int m_jobs;
    std::size_t m_started = 0;
    std::size_t m_finished = 0;
    bool m_running = false;
    bool m_stopped = false;
};
