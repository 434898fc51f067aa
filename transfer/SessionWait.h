// How a session's operation waits for its device and asks the user. The
// window waits behind its progress dialog and asks with its Retry/Cancel
// prompt; a test answers itself.
#pragma once

#include <QString>

class DeviceTask;
class TaskRunner;

class SessionWait {
public:
    virtual ~SessionWait() = default;
    // Runs the event loop until runner has finished (it runs task), showing
    // label and the task's progress; a cancel by the user cancels the task.
    // Whether the user cancelled.
    virtual bool Await(TaskRunner& runner, DeviceTask& task, const QString& label) = 0;
    // No connection could be made: whether to try again. details: the
    // transcript so far.
    virtual bool RetryConnect(const QString& details) = 0;
};
