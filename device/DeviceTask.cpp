#include "DeviceTask.h"

#include "CoreMessages.h"
#include "DeviceProbe.h"

DeviceTask::DeviceTask(uint32_t address, quint16 port, int timeoutMs)
    : m_address(address), m_readAt(address), m_port(port), m_link(timeoutMs)
{
    connect(&m_link, &DeviceConnection::progress, this, [this](int done, int total) {
        m_answered = true;
        emit progress(done, total);
    });
    connect(&m_link, &DeviceConnection::finished, this, [this](DeviceResult result) {
        if (result == DEVICE_APPLY_UNCONFIRMED || result == DEVICE_READ_BACK_FAILED) {
            // A read-back on a new connection tells what the device holds.
            m_applyUnconfirmed = m_applyUnconfirmed || result == DEVICE_APPLY_UNCONFIRMED;
            m_readBackCut = true;
        } else if (result != DEVICE_OK) {
            Fail(result, m_steps[m_next - 1].first);
            return;
        }
        Next();
    });
}

void DeviceTask::Fail(DeviceResult result, const char* doing)
{
    m_failure = result;
    m_failedDoing = doing;
    m_running = false;
    m_link.Close();
    if (lackedResources())
        emit connectionLacked();
    else
        emit done();
}

void DeviceTask::EndCancelled(const char* doing)
{
    if (!m_readBackCut) {
        Fail(DEVICE_CANCELLED, doing);
        return;
    }
    // The device answered the apply: a cancel cuts only the read-back.
    m_running = false;
    m_link.Close();
    emit done();
}

void DeviceTask::Cancel()
{
    m_cancelled = true; // also for a task not yet run, or held back for a descriptor
    if (!m_running)
        return;
    if (m_probe) { // looking for a moved device: the read-back is cut
        m_probe->Stop();
        m_probe->deleteLater();
        m_probe = nullptr;
        EndCancelled(MSG_DOING_LOOKING);
        return;
    }
    m_link.Cancel(); // an operation under way ends with DEVICE_CANCELLED
}

QString DeviceTask::addressText() const
{
    return QString::fromStdString(FormatDottedAddress(m_address));
}

void DeviceTask::Then(const char* doing, Start start)
{
    m_steps.emplace_back(doing, std::move(start));
}

void DeviceTask::AddConnect()
{
    Then(MSG_DOING_CONNECTING, [this](DeviceConnection& link) {
        link.Close();
        link.StartConnect(m_readAt, m_port);
    });
}

void DeviceTask::ConnectAndRead(DeviceSettings& into, const std::vector<ParamRow>& only)
{
    AddConnect();
    Then(MSG_DOING_READING, [&into, only](DeviceConnection& link) { link.StartFetch(into, only); });
}

void DeviceTask::PushAndReadBack(std::function<DeviceSettings()> makePush,
                                 const std::vector<ParamRow>& only, bool readAgain)
{
    Then(MSG_DOING_SENDING, [this, makePush](DeviceConnection& link) {
        sent = makePush();
        after = before;
        if (!PushesAnyRow(sent)) {
            Skip();
            return;
        }
        m_pushed = true;
        m_move = MoveOf(before, sent);
        link.StartPush(sent, &after);
    });
    Then(MSG_DOING_READING, [this, only, readAgain](DeviceConnection&) {
        if (m_readBackCut && m_move.kind != DeviceMove::Kind::None) {
            FindAndRead(only);
            return;
        }
        if (m_readBackCut && readAgain) {
            m_readBackCut = false;
            ConnectAndRead(after, only);
        }
        Skip();
    });
}

// The device dropped the read-back of settings that move it: it is looked
// for where it may be now, and read there.
void DeviceTask::FindAndRead(const std::vector<ParamRow>& only)
{
    emit stepStarted(MSG_DOING_LOOKING);
    auto* probe = new DeviceProbe(AddressesToLook(m_move, m_address), m_port, m_link.timeoutMs(),
                                  m_moveWaitMs, this);
    m_probe = probe;
    connect(probe, &DeviceProbe::found, this, [this, probe, only](uint32_t address) {
        probe->deleteLater();
        m_probe = nullptr;
        m_readAt = address;
        m_readBackCut = false;
        // Its serial number is read too, to tell it from another device.
        std::vector<ParamRow> rows = only;
        if (!rows.empty())
            rows.push_back(ROW_SERIAL_NUMBER);
        ConnectAndRead(after, rows);
        Then(MSG_DOING_LOOKING, [this](DeviceConnection&) { CheckIdentity(); });
        Skip();
    });
    connect(probe, &DeviceProbe::notFound, this, [this, probe] {
        probe->deleteLater();
        m_probe = nullptr;
        Fail(DEVICE_NOT_SEEN_SINCE, MSG_DOING_LOOKING);
    });
    probe->Start();
}

// The device read after a move is the one moved, or the task ends: another
// device's values are no read-back of this one's.
void DeviceTask::CheckIdentity()
{
    const std::optional<std::string>& was = before.Find(GROUP_INFO, ROW_SERIAL_NUMBER.index)->value;
    const std::optional<std::string>& now = after.Find(GROUP_INFO, ROW_SERIAL_NUMBER.index)->value;
    if (was && now != was) {
        m_otherSerial = DeviceTextToWide(now.value_or(std::string()));
        Fail(DEVICE_NOT_SEEN_SINCE, MSG_DOING_LOOKING);
        return;
    }
    Skip();
}

void DeviceTask::Skip()
{
    QMetaObject::invokeMethod(this, &DeviceTask::Next, Qt::QueuedConnection);
}

void DeviceTask::Run()
{
    m_next = 0;
    m_failure = DEVICE_OK;
    m_failedDoing = "";
    m_running = true; // (a cancel that came before holds: the first step ends it)
    // done() always comes from the event loop, never inside Run.
    QMetaObject::invokeMethod(this, &DeviceTask::Next, Qt::QueuedConnection);
}

void DeviceTask::Next()
{
    if (m_next == m_steps.size()) {
        m_running = false;
        m_link.Close();
        emit done();
        return;
    }
    // Started from the event loop, not inside the connection's own signal.
    QMetaObject::invokeMethod(
        this,
        [this, step = m_next++] {
            if (m_cancelled) { // cancelled between two steps
                EndCancelled(m_steps[step].first);
                return;
            }
            emit stepStarted(m_steps[step].first);
            m_steps[step].second(m_link);
        },
        Qt::QueuedConnection);
}
