#include "WindowWait.h"

#include "CoreMessages.h"
#include "DeviceTask.h"
#include "DialogTemplate.h"
#include "ProgressWait.h"
#include "Prompts.h"
#include "StringIds.h"
#include "TaskRunner.h"
#include "WaitCursor.h"

WindowWait::WindowWait(QWidget* owner) : m_owner(owner) {}

WindowWait::~WindowWait()
{
    WaitCursor::Restore(); // a prompt may have taken the busy cursor away
}

bool WindowWait::Await(TaskRunner& runner, DeviceTask& task, const QString& label)
{
    if (!m_wait)
        m_wait = std::make_unique<ProgressWait>(m_owner, label);
    bool cancelled = false;
    const QList<QMetaObject::Connection> links = {
        QObject::connect(&runner, &TaskRunner::finished, m_wait.get(), &ProgressWait::Finish),
        // Queued: the dialog may run the event loop as it updates, and must
        // not do so inside the connection's own handling of a reply.
        QObject::connect(&task, &DeviceTask::progress, m_wait.get(), &ProgressWait::SetProgress,
                         Qt::QueuedConnection),
        // After an apply that moves the device, the wait says where it looks.
        QObject::connect(
            &task, &DeviceTask::stepStarted, m_wait.get(),
            [this, &task](const char* doing) {
                if (QByteArray(doing) != MSG_DOING_LOOKING)
                    return;
                QStringList where;
                for (const uint32_t address : AddressesToLook(task.move(), task.address()))
                    where << DottedText(address);
                m_wait->SetLabel(LoadResourceString(IDS_SAVE_LOOKING).arg(where.join(", ")));
            }),
        QObject::connect(m_wait.get(), &ProgressWait::canceled, &task,
                         [&cancelled, &runner, &task] {
                             cancelled = true;
                             runner.StopStarting();
                             task.Cancel();
                         }),
    };
    if (runner.running())
        m_wait->Run();
    for (const QMetaObject::Connection& link : links)
        QObject::disconnect(link);
    return cancelled;
}

bool WindowWait::RetryConnect(const QString& details)
{
    const Prompt box{LoadResourceString(IDS_CONNECT_FAILED),
                     LoadResourceString(IDS_CONNECT_FAILED_CAPTION),
                     PromptIcon::Error,
                     PromptButtons::RetryCancel,
                     PromptAnswer::Retry,
                     details};
    return ShowPrompt(m_owner, box) == PromptAnswer::Retry;
}
