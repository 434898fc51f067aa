#include "TaskRunner.h"

TaskRunner::TaskRunner(DeviceTasks& tasks, int jobs, QObject* parent)
    : QObject(parent), m_tasks(tasks), m_slots(tasks.size(), jobs, [this](std::size_t index) {
          m_tasks[index]->Run();
          emit taskStarted(index);
      })
{
    for (std::size_t index = 0; index < m_tasks.size(); ++index) {
        DeviceTask* task = m_tasks[index].get();
        connect(task, &DeviceTask::done, this, [this, index] { m_slots.Ended(index); });
        connect(task, &DeviceTask::connectionLacked, this,
                [this, index] { m_slots.PutBack(index); });
    }
    connect(&m_slots, &ConnectionSlots::jobEnded, this, &TaskRunner::taskDone);
    connect(&m_slots, &ConnectionSlots::finished, this, &TaskRunner::finished);
}

void TaskRunner::Start()
{
    m_slots.Start();
}

void TaskRunner::StopStarting()
{
    m_slots.Stop();
}
