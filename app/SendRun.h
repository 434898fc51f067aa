// Sending the pages' settings to many devices: one verified write per device
// (the same tasks as tolvoctl's), many at once on the event loop, and what
// each device's row of the result table says. A check runs the same way but
// only reads each device and compares it with the settings, sending nothing.
#pragma once

#include "CommissioningRecord.h"
#include "DeviceCheck.h"
#include "RecordEntry.h"
#include "StringIds.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class TaskRunner;

// Devices talked to at once: enough that a hundred take about one device's time.
constexpr int SEND_JOBS = 128;

// What a run does to each device: sends the settings, or only checks it
// against them (reads, and sends nothing: no set, no apply).
enum class RunKind { Send, Check };

// (NotSeen: applied settings that move it, and it answered nowhere since.
// Matches and Differs: a check's outcomes.)
enum class SendState {
    Waiting,
    Reading,
    Sending,
    Verified,
    Unchanged,
    Failed,
    NotStarted,
    NotSeen,
    Matches,
    Differs
};
// What the device holds now, as far as is known.
enum class DeviceOutcome { Untouched, Changed, Unknown };

struct SendRow {
    uint32_t address = 0;
    QString serial;
    SendState state = SendState::Waiting;
    DeviceOutcome outcome = DeviceOutcome::Untouched;
    // A send's "KEY: "before" to "after"", or a check's differences (the
    // password's only "differs"); the password masked.
    QStringList changes;
    // A check's settings that the device holds otherwise, values as ShownValue.
    std::vector<HeldDifference> differences;
    uint32_t planned = 0; // the address an address plan gives it; 0: none
    uint32_t nowAt = 0;   // the address it was verified at after a move; 0: it stayed
    QString failure;      // why it failed, or a note on a verified device
    QString transcript;   // the exchange, the password masked
    // The device's entry in a commissioning record, once it has ended.
    RecordDevice record;
    // What this run's sends to it so far sent, and what it held before them.
    RunSends sends;
};

class SendRun : public QObject {
    Q_OBJECT
public:
    SendRun(std::vector<uint32_t> addresses, SettingValues wanted, quint16 port, int timeoutMs,
            int jobs, RunKind kind = RunKind::Send, QObject* parent = nullptr);
    ~SendRun() override;

    // An address plan: each device (in the order of the addresses) is sent
    // its own IPADDRESS, the mask and DHCP 0 in place of the shared ones.
    void SetPlan(const std::vector<uint32_t>& planned, uint32_t mask);
    // What goes to the device of a row.
    SettingValues WantedFor(int row) const;

    // Sends to (or checks) every device; rowChanged as each moves on,
    // finished at the end.
    void Start();
    // Sends again to (or checks again) the devices that failed, and no other.
    void Retry();
    // Starts no more devices; those under way finish.
    void Cancel();

    bool running() const;
    bool checking() const { return m_kind == RunKind::Check; }
    const std::vector<SendRow>& rows() const { return m_rows; }
    const SettingValues& wanted() const { return m_wanted; }
    int Count(SendState state) const;
    // Devices of this run ended, of those it started with.
    int done() const { return m_done; }
    // Devices started and not yet ended.
    int UnderWay() const;
    int total() const { return m_total; }
    // "18 verified, 1 unchanged, 1 failed", or a check's "17 matching, 3
    // differing, 0 failed" (and those not started).
    QString Summary() const;
    // The table as CSV, a header and one line per device.
    QByteArray ReportCsv() const;
    // The run as a commissioning record's kind and devices: every setting of
    // each device as read back (a send reads them all for it).
    RecordKind recordKind() const;
    std::vector<RecordDevice> RecordDevices() const;

signals:
    void rowChanged(int row);
    void progress(int done, int total);
    void finished();

private:
    void Run(const std::vector<int>& rows);
    void StepStarted(std::size_t index, const char* doing);
    void TaskDone(std::size_t index);
    void RunEnded();

    const SettingValues m_wanted;
    const RunKind m_kind;
    uint32_t m_planMask = 0;
    const quint16 m_port;
    const int m_timeoutMs;
    const int m_jobs;
    std::vector<SendRow> m_rows;
    DeviceTasks m_tasks;
    std::vector<int> m_taskRows; // the row of each task of the run under way
    std::unique_ptr<TaskRunner> m_runner;
    int m_done = 0;
    int m_total = 0;
};

// The words of a state and of an outcome, as the table shows them.
QString StateText(SendState state);
QString OutcomeText(DeviceOutcome outcome);
// The heading of the column of a send's changes or a check's differences.
StringId ChangesHeading(RunKind kind);
