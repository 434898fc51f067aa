#include "DeviceTask.h"

#include "Messages.h"

#include <QEventLoop>

#include "Invocation.h"

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
        this, [this, step = m_next++] { m_steps[step].second(m_link); }, Qt::QueuedConnection);
}

void ShowProgress(std::size_t done, std::size_t total)
{
    cli::Err() << '\r' << Tr(MSG_PROGRESS).arg(done).arg(total) << Qt::flush;
}

void RunTasks(DeviceTasks& tasks, int jobs, bool showProgress)
{
    QEventLoop loop;
    std::size_t started = 0;
    std::size_t finished = 0;
    const auto report = [&] {
        if (showProgress)
            ShowProgress(finished, tasks.size());
    };
    const auto startNext = [&] {
        if (started < tasks.size())
            tasks[started++]->Run();
    };
    for (auto& task : tasks) {
        QObject::connect(task.get(), &DeviceTask::done, &loop, [&] {
            ++finished;
            report();
            if (finished == tasks.size())
                loop.quit();
            else
                startNext();
        });
    }
    if (tasks.empty())
        return;
    report();
    for (int i = 0; i < jobs; ++i)
        startNext();
    loop.exec();
    if (showProgress)
        cli::Err() << Qt::endl;
}
