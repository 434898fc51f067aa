#include "SendRun.h"

#include "CoreMessages.h"
#include "DialogTemplate.h"
#include "PasswordMask.h"
#include "RecordEntry.h"
#include "StringIds.h"
#include "TaskRunner.h"

#include <QRegularExpression>
#include <QStringConverter>
#include <QTextStream>

#include <algorithm>
#include <numeric>

namespace {

// A CSV field: quoted when it holds a comma, a quote or a line break. Text
// from a device that a spreadsheet would take for a formula starts with an
// apostrophe, which shows it as text.
QString CsvField(QString text)
{
    if (text.contains(QRegularExpression("^[=+\\-@\t\r]")))
        text.prepend('\'');
    if (!text.contains(QRegularExpression("[,\"\r\n]")))
        return text;
    return '"' + text.replace('"', "\"\"") + '"';
}

SendRow FreshRow(uint32_t address)
{
    SendRow row;
    row.address = address;
    return row;
}

// A row sent to again: what earlier sends changed on the device stays.
// Checked again, only the device's serial number stays.
SendRow RetriedRow(const SendRow& earlier, RunKind kind)
{
    SendRow row = FreshRow(earlier.address);
    row.serial = earlier.serial;
    if (kind == RunKind::Check)
        return row;
    row.planned = earlier.planned;
    row.nowAt = earlier.nowAt; // a device that moved is sent to where it went
    row.outcome = earlier.outcome;
    row.changes = earlier.changes;
    row.sends = earlier.sends;
    return row;
}

// "KEY: "before" to "after"" for each key of sent whose value the device
// holds otherwise in after than in before, the password masked.
QStringList ChangedLines(const DeviceSettings& before, const DeviceSettings& after,
                         const SettingValues& sent)
{
    QStringList lines;
    for (const std::string& name : ChangedKeys(before, after, sent)) {
        const QString key = QString::fromStdString(name);
        lines << LoadResourceString(IDS_SEND_CHANGE)
                     .arg(key, QuotedValue(key, HeldValue(before, key)),
                          QuotedValue(key, HeldValue(after, key)));
    }
    return lines;
}

// A row whose earlier send in this run ended in an unknown state: this
// attempt's read tells what that send changed.
void TakeEarlierSend(SendRow& row, const DeviceTask& task)
{
    if (row.outcome != DeviceOutcome::Unknown || !row.sends.pushed || !task.ok())
        return;
    const QStringList changed =
        ChangedLines(row.sends.before, task.before, PushedValues(row.sends.sent));
    row.changes << changed;
    row.outcome = changed.isEmpty() ? DeviceOutcome::Untouched : DeviceOutcome::Changed;
}

// "KEY: the device holds "X", the pages "Y"" for each difference; the
// password's only "PASSWORD: differs", without a value.
QStringList DifferenceLines(const std::vector<HeldDifference>& differences)
{
    QStringList lines;
    for (const auto& [key, held, wanted] : differences)
        lines << (IsPasswordKey(key)
                      ? LoadResourceString(IDS_CHECK_PASSWORD_DIFFERS).arg(key)
                      : LoadResourceString(IDS_CHECK_DIFFERENCE)
                            .arg(key, QuotedValue(key, held), QuotedValue(key, wanted)));
    return lines;
}

// A check's row: the settings the device holds otherwise, or why it could
// not be read. Nothing was sent to it either way.
void TakeCheck(SendRow& row, const DeviceTask& task, const SettingValues& wanted)
{
    if (!task.ok()) {
        row.state = SendState::Failed;
        row.failure = DeviceFailure(task);
        return;
    }
    row.differences = HeldDifferences(wanted, task.before);
    row.changes = DifferenceLines(row.differences);
    row.state = row.differences.empty() ? SendState::Matches : SendState::Differs;
}

// The keys of settings, for a sentence: "SSID, PASSWORD".
QString SentKeys(const SettingValues& settings)
{
    QStringList keys;
    for (const auto& setting : settings)
        keys << setting.first;
    return keys.join(", ");
}

bool Ended(SendState state)
{
    return state >= SendState::Verified;
}

// The row's entry in a record: a device sent to again is taken against the
// whole run, so what earlier sends of this run changed stays in it.
void TakeRecord(SendRow& row, const DeviceTask& task, RecordKind kind, const SettingValues& wanted)
{
    row.sends.Add(task);
    row.record = RecordDeviceOf(task, kind, wanted, &row.sends);
}

} // namespace

QString StateText(SendState state)
{
    static constexpr StringId TEXTS[] = {IDS_SEND_STATE_WAITING,     IDS_SEND_STATE_READING,
                                         IDS_SEND_STATE_SENDING,     IDS_SEND_STATE_VERIFIED,
                                         IDS_SEND_STATE_UNCHANGED,   IDS_SEND_STATE_FAILED,
                                         IDS_SEND_STATE_NOT_STARTED, IDS_SEND_STATE_NOT_SEEN,
                                         IDS_CHECK_STATE_MATCHES,    IDS_CHECK_STATE_DIFFERS};
    return LoadResourceString(TEXTS[int(state)]);
}

StringId ChangesHeading(RunKind kind)
{
    return kind == RunKind::Check ? IDS_CHECK_COLUMN_DIFFERENCES : IDS_SEND_COLUMN_CHANGES;
}

QString OutcomeText(DeviceOutcome outcome)
{
    static constexpr StringId TEXTS[] = {IDS_SEND_OUTCOME_UNTOUCHED, IDS_SEND_OUTCOME_CHANGED,
                                         IDS_SEND_OUTCOME_UNKNOWN};
    return LoadResourceString(TEXTS[int(outcome)]);
}

SendRun::SendRun(std::vector<uint32_t> addresses, SettingValues wanted, quint16 port, int timeoutMs,
                 int jobs, RunKind kind, QObject* parent)
    : QObject(parent), m_wanted(std::move(wanted)), m_kind(kind), m_port(port),
      m_timeoutMs(timeoutMs), m_jobs(jobs)
{
    for (const uint32_t address : addresses)
        m_rows.push_back(FreshRow(address));
}

SendRun::~SendRun() = default;

void SendRun::SetPlan(const std::vector<uint32_t>& planned, uint32_t mask)
{
    for (std::size_t row = 0; row < m_rows.size() && row < planned.size(); ++row)
        m_rows[row].planned = planned[row];
    m_planMask = mask;
}

SettingValues SendRun::WantedFor(int row) const
{
    const uint32_t planned = m_rows[row].planned;
    if (planned == 0)
        return m_wanted;
    static const QStringList own{"IPADDRESS", "IPMASK", "DHCP"};
    SettingValues wanted;
    for (const auto& entry : m_wanted)
        if (!own.contains(entry.first))
            wanted.append(entry);
    wanted.append({QStringLiteral("DHCP"), QStringLiteral("0")});
    wanted.append({QStringLiteral("IPADDRESS"), DottedText(planned)});
    wanted.append({QStringLiteral("IPMASK"), DottedText(m_planMask)});
    return wanted;
}

bool SendRun::running() const
{
    return m_runner && m_runner->running();
}

void SendRun::Start()
{
    std::vector<int> all(m_rows.size());
    std::iota(all.begin(), all.end(), 0);
    Run(all);
}

void SendRun::Retry()
{
    std::vector<int> failed;
    for (int row = 0; row < int(m_rows.size()); ++row)
        if (m_rows[row].state == SendState::Failed)
            failed.push_back(row);
    Run(failed);
}

void SendRun::Cancel()
{
    if (running())
        m_runner->StopStarting();
}

void SendRun::Run(const std::vector<int>& rows)
{
    if (running())
        return;
    m_runner.reset();
    m_tasks.clear();
    m_taskRows = rows;
    for (const int row : rows) {
        m_rows[row] = RetriedRow(m_rows[row], m_kind);
        const SendRow& shown = m_rows[row];
        auto task = std::make_unique<DeviceTask>(shown.nowAt != 0 ? shown.nowAt : shown.address,
                                                 m_port, m_timeoutMs);
        task->KeepTranscript();
        // Every row is read, for the record (the serial number among them).
        if (checking())
            AddCheckRead(*task, WantedFor(row), RecordRows());
        else
            AddVerifiedWrite(*task, WantedFor(row), true, RecordRows());
        connect(task.get(), &DeviceTask::stepStarted, this,
                [this, index = m_tasks.size()](const char* doing) { StepStarted(index, doing); });
        m_tasks.push_back(std::move(task));
        emit rowChanged(row);
    }
    m_done = 0;
    m_total = int(rows.size());
    m_runner = std::make_unique<TaskRunner>(m_tasks, m_jobs);
    connect(m_runner.get(), &TaskRunner::taskDone, this, &SendRun::TaskDone);
    connect(m_runner.get(), &TaskRunner::finished, this, &SendRun::RunEnded);
    emit progress(m_done, m_total);
    m_runner->Start();
}

void SendRun::StepStarted(std::size_t index, const char* doing)
{
    const int row = m_taskRows[index];
    SendRow& shown = m_rows[row];
    const SendState state =
        QByteArray(doing) == MSG_DOING_SENDING ? SendState::Sending : SendState::Reading;
    const QString serial =
        shown.serial.isEmpty() ? HeldValue(m_tasks[index]->before, "SERIALN") : shown.serial;
    // Each setting is a step: the row changes only at a new state or serial.
    if (state <= shown.state && serial == shown.serial)
        return;
    shown.state = std::max(state, shown.state); // a read-back after the push stays "sending"
    shown.serial = serial;
    emit rowChanged(row);
}

void SendRun::TaskDone(std::size_t index)
{
    const DeviceTask& task = *m_tasks[index];
    SendRow& row = m_rows[m_taskRows[index]];
    row.serial = HeldValue(task.before, "SERIALN");
    row.transcript = task.transcript().text();
    TakeEarlierSend(row, task);
    if (checking()) {
        TakeCheck(row, task, WantedFor(m_taskRows[index]));
    } else if (task.failure() == DEVICE_NOT_SEEN_SINCE) {
        row.state = SendState::NotSeen;
        row.outcome = DeviceOutcome::Unknown;
        row.failure = NotSeenSince(task);
    } else if (!task.ok()) {
        row.state = SendState::Failed;
        row.failure = DeviceFailure(task);
        if (task.pushed()) { // sent, but how the device ended is not known
            row.outcome = DeviceOutcome::Unknown;
            row.failure =
                LoadResourceString(IDS_SEND_UNKNOWN_STATE)
                    .arg(SentKeys(Differences(WantedFor(m_taskRows[index]), task.before))) +
                ' ' + row.failure;
        }
    } else if (!task.pushed()) {
        // A device an earlier send of this run changed holds every value now.
        row.state =
            row.outcome == DeviceOutcome::Changed ? SendState::Verified : SendState::Unchanged;
    } else {
        // Only what the device now holds otherwise counts as changed: a value
        // it did not keep is in the failure, not here.
        // What the apply committed that was not sent (left pending on the
        // device by an earlier write) changed the device too, unasked.
        const QStringList unsent = UnsentChangeLines(UnsentChangesOf(task));
        const QStringList changed =
            ChangedLines(task.before, task.after, SentValues(task)) + unsent;
        row.changes << changed;
        if (!changed.isEmpty())
            row.outcome = DeviceOutcome::Changed;
        const QStringList notKept = NotKeptLines(task);
        row.state = notKept.isEmpty() && unsent.isEmpty() ? SendState::Verified : SendState::Failed;
        QStringList failures;
        if (!notKept.isEmpty())
            failures << LoadResourceString(IDS_SEND_NOT_KEPT).arg(notKept.join("; "));
        else if (task.applyUnconfirmed())
            failures << LoadResourceString(IDS_SEND_APPLY_UNANSWERED);
        if (!unsent.isEmpty())
            failures << LoadResourceString(IDS_SEND_UNSENT_CHANGED).arg(unsent.join("; "));
        if (task.verifiedAt() != task.address()) {
            row.nowAt = task.verifiedAt();
            failures << LoadResourceString(IDS_SEND_MOVED_NOTE).arg(DottedText(row.nowAt));
        }
        row.failure = failures.join(' ');
    }
    TakeRecord(row, task, recordKind(), WantedFor(m_taskRows[index]));
    ++m_done;
    emit rowChanged(m_taskRows[index]);
    emit progress(m_done, m_total);
}

int SendRun::UnderWay() const
{
    return m_runner ? int(m_runner->started() - m_runner->finishedCount()) : 0;
}

void SendRun::RunEnded()
{
    for (std::size_t index = 0; index < m_taskRows.size(); ++index) {
        SendRow& row = m_rows[m_taskRows[index]];
        if (m_runner->WasStarted(index))
            continue;
        row.state = SendState::NotStarted;
        // Stopped by this computer's limit, not by Cancel: it says so.
        row.failure = m_runner->outOfConnections()
                          ? Tr(MSG_NOT_TRIED) + ' ' + OutOfConnections()
                          : LoadResourceString(checking() ? IDS_CHECK_NOT_STARTED_NOTE
                                                          : IDS_SEND_NOT_STARTED_NOTE);
        row.record.address = DottedText(row.address);
        row.record.outcome = RecordOutcome::Failed;
        row.record.error = row.failure;
        emit rowChanged(m_taskRows[index]);
    }
    emit finished();
}

int SendRun::Count(SendState state) const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(),
                             [state](const SendRow& row) { return row.state == state; }));
}

QString SendRun::Summary() const
{
    QString summary = checking() ? LoadResourceString(IDS_CHECK_SUMMARY)
                                       .arg(Count(SendState::Matches))
                                       .arg(Count(SendState::Differs))
                                       .arg(Count(SendState::Failed))
                                 : LoadResourceString(IDS_SEND_SUMMARY)
                                       .arg(Count(SendState::Verified))
                                       .arg(Count(SendState::Unchanged))
                                       .arg(Count(SendState::Failed));
    if (const int notSeen = Count(SendState::NotSeen); notSeen > 0)
        summary = LoadResourceString(IDS_SEND_SUMMARY_NOT_SEEN).arg(summary).arg(notSeen);
    if (const int notStarted = Count(SendState::NotStarted); notStarted > 0)
        summary = LoadResourceString(IDS_SEND_SUMMARY_NOT_STARTED).arg(summary).arg(notStarted);
    return summary;
}

RecordKind SendRun::recordKind() const
{
    return checking() ? RecordKind::Check : RecordKind::Send;
}

std::vector<RecordDevice> SendRun::RecordDevices() const
{
    std::vector<RecordDevice> devices;
    for (const SendRow& row : m_rows)
        devices.push_back(row.record);
    return devices;
}

QByteArray SendRun::ReportCsv() const
{
    QByteArray bytes;
    QTextStream out(&bytes);
    out.setEncoding(QStringConverter::Utf8);
    const StringId headings[] = {IDS_FIND_COLUMN_ADDRESS, IDS_FIND_COLUMN_SERIAL,
                                 IDS_SEND_COLUMN_STATE,   IDS_SEND_COLUMN_DEVICE,
                                 ChangesHeading(m_kind),  IDS_SEND_COLUMN_FAILURE,
                                 IDS_SEND_COLUMN_NOW_AT};
    QStringList line;
    for (const StringId heading : headings)
        line << CsvField(LoadResourceString(heading));
    out << line.join(',') << "\r\n";
    for (const SendRow& row : m_rows) {
        const bool ended = Ended(row.state);
        line = QStringList{DottedText(row.address),
                           row.serial,
                           StateText(row.state),
                           ended ? OutcomeText(row.outcome) : QString(),
                           row.changes.join("; "),
                           row.failure,
                           row.nowAt != 0 ? DottedText(row.nowAt) : QString()};
        for (QString& field : line)
            field = CsvField(field);
        out << line.join(',') << "\r\n";
    }
    out.flush();
    return bytes;
}
