#include "TaskRunner.h"

TaskRunner::TaskRunner(DeviceTasks& tasks, int jobs, QObject* parent)
    : QObject(parent), m_tasks(tasks), m_jobs(std::max(jobs, 1))
{
    for (std::size_t index = 0; index < m_tasks.size(); ++index)
        connect(m_tasks[index].get(), &DeviceTask::done, this, [this, index] { TaskDone(index); });
}

void TaskRunner::Start()
{
    m_running = true;
    if (m_tasks.empty()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_running = false;
                emit finished();
            },
            Qt::QueuedConnection);
        return;
    }
    for (int i = 0; i < m_jobs; ++i)
        StartNext();
}

void TaskRunner::StopStarting()
{
    m_stopped = true;
    if (m_running && m_finished == m_started) {
        m_running = false;
        emit finished();
    }
}

void TaskRunner::StartNext()
{
    if (m_stopped || m_started == m_tasks.size())
        return;
    const std::size_t index = m_started++;
    m_tasks[index]->Run();
    emit taskStarted(index);
}

void TaskRunner::TaskDone(std::size_t index)
{
    ++m_finished;
    emit taskDone(index);
    if (m_finished == m_started && (m_stopped || m_started == m_tasks.size())) {
        m_running = false;
        emit finished();
        return;
    }
    StartNext();
}
