// The window's way of waiting for its device and asking: a progress dialog
// with Cancel that shows when a wait lasts, input to the windows held back
// meanwhile, and the Retry/Cancel prompt when no connection could be made.
// The wait is a local event loop (ProgressWait): a Load or Save is one modal
// action whose box follows its end, and the loop keeps the window painting
// while no second action can start inside the first.
#pragma once

#include "SessionWait.h"

#include <memory>

class ProgressWait;
class QWidget;

class WindowWait : public SessionWait {
public:
    explicit WindowWait(QWidget* owner);
    ~WindowWait() override;

    bool Await(TaskRunner& runner, DeviceTask& task, const QString& label) override;
    bool RetryConnect(const QString& details) override;

private:
    QWidget* m_owner;
    std::unique_ptr<ProgressWait> m_wait; // one for the whole action, made at its first wait
};
