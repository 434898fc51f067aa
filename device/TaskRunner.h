// Runs many device tasks at once on the event loop of the one thread: at most
// a number of them at a time (fewer where this computer's limit on open files
// leaves room for fewer connections), each next one started as one ends. It
// never waits itself, so a window stays responsive; tolvoctl waits for
// finished() in a local event loop.
#pragma once

#include "ConnectionSlots.h"
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

    // Tasks started and not ended, and those ended.
    std::size_t started() const { return m_slots.endedCount() + m_slots.underWay(); }
    std::size_t finishedCount() const { return m_slots.endedCount(); }
    std::size_t total() const { return m_tasks.size(); }
    bool running() const { return m_slots.running(); }
    bool stopped() const { return m_slots.stopped(); }
    // Whether the run stopped because this computer could not open another
    // connection, with none of the run's own open (see ConnectionSlots). The
    // tasks not started then never reached their devices.
    bool outOfConnections() const { return m_slots.outOfConnections(); }
    // Whether the task at index was started (a stopped run leaves some not).
    // A task that could not open its connection for lack of this computer's
    // resources is started again later, and counts as not started until then.
    bool WasStarted(std::size_t index) const { return m_slots.WasStarted(index); }

signals:
    void taskStarted(std::size_t index);
    void taskDone(std::size_t index);
    void finished();

private:
    DeviceTasks& m_tasks;
    ConnectionSlots m_slots;
};
