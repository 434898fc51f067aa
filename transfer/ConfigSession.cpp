#include "ConfigSession.h"

#include "ControlValue.h"
#include "CoreMessages.h"
#include "Dialog.h"
#include "DialogTemplate.h"
#include "PasswordMask.h"
#include "RecordEntry.h"
#include "SessionWait.h"
#include "StagedFile.h"
#include "StringIds.h"
#include "TaskRunner.h"
#include "TransferFailure.h"
#include "VerifiedWrite.h"

#include <QDateTime>

#include <algorithm>
#include <memory>

namespace {

// A copy of table that a push would send nothing of.
DeviceSettings Unmodified(const DeviceSettings& table)
{
    DeviceSettings copy = table;
    for (ConfigGroup& group : copy)
        for (ConfigParam& row : group.rows)
            row.flags &= ~PARAM_MODIFIED;
    return copy;
}

QString KeyOf(ParamRow row)
{
    return QLatin1String(DeviceSettings().Find(row.group, row.index)->key);
}

QStringList Texts(const std::vector<std::string>& keys)
{
    QStringList texts;
    for (const std::string& key : keys)
        texts << QString::fromStdString(key);
    return texts;
}

// The names of the writable rows whose key is among keys, in table order.
QStringList RowNames(Pages pages, const std::vector<std::string>& keys)
{
    QStringList names;
    for (const ParamRow row : WritableRows())
        if (std::find(keys.begin(), keys.end(), KeyOf(row).toStdString()) != keys.end())
            names << RowName(pages, row);
    return names;
}

bool ConnectFailed(const DeviceTask& task)
{
    return task.failure() == DEVICE_CONNECT_FAILED &&
           QByteArray(task.failedDoing()) == MSG_DOING_CONNECTING;
}

SaveOutcome Outcome(SaveOutcome::Kind kind, bool sentSomething = false, QString failure = {},
                    QStringList keys = {})
{
    SaveOutcome outcome;
    outcome.kind = kind;
    outcome.sentSomething = sentSomething;
    outcome.failure = std::move(failure);
    outcome.keys = std::move(keys);
    return outcome;
}

// An outcome read back after the apply names where: a device that moved is
// followed there.
SaveOutcome Moved(SaveOutcome outcome, const DeviceTask& task)
{
    outcome.verifiedAt = task.verifiedAt();
    return outcome;
}

void RefreshPages(Pages pages)
{
    for (Dialog* page : PageList(pages))
        page->UpdateData(false);
}

} // namespace

std::unique_ptr<DeviceTask> ConfigSession::NewTask(uint32_t address, int timeoutMs)
{
    auto task = std::make_unique<DeviceTask>(address, DEVICE_COMMAND_PORT, timeoutMs);
    task->KeepTranscript();
    return task;
}

// The task runs on the engine of many devices, as a run of one; a retry
// runs it again.
ConfigSession::RunEnd ConfigSession::Run(DeviceTasks& tasks, const QString& label,
                                         SessionWait& wait)
{
    DeviceTask& task = *tasks.front();
    for (;;) {
        TaskRunner runner(tasks, 1);
        runner.Start();
        const bool cancelled = wait.Await(runner, task, label);
        if (task.failure() == DEVICE_CANCELLED || (cancelled && ConnectFailed(task)))
            return RunEnd::Cancelled;
        if (!ConnectFailed(task))
            return RunEnd::Ended;
        if (!wait.RetryConnect(task.transcript().text()))
            return RunEnd::NotConnected;
    }
}

LoadOutcome ConfigSession::Load(uint32_t address, int timeoutMs, Pages pages, SessionWait& wait)
{
    DeviceTasks tasks;
    DeviceTask& task = *tasks.emplace_back(NewTask(address, timeoutMs));
    task.ConnectAndRead(task.before);
    const RunEnd end =
        Run(tasks, LoadResourceString(IDS_LOAD_PROGRESS).arg(DottedText(address)), wait);
    m_transcript = task.transcript();
    m_record.reset();
    if (end == RunEnd::Ended)
        m_record = SessionRecord{RecordKind::Load, RecordDeviceOf(task, RecordKind::Load)};
    // Cancelled, at the prompt or while waiting: the pages stay as they were.
    if (end != RunEnd::Ended)
        return {LoadOutcome::Kind::Cancelled, {}, {}};
    if (!task.ok()) // nothing is copied: the pages keep what they showed
        return {LoadOutcome::Kind::Failed, DescribeDeviceFailure(task), {}};
    m_table = Unmodified(task.before);
    m_loadedFrom = address;
    CopyTableToPages(m_table, pages);
    RefreshPages(pages);
    return {LoadOutcome::Kind::Loaded, {}, NoteDeviceValues(pages)};
}

// A value the pages show otherwise than the device sent it is shown as near
// as the field can; a save leaves it out until the field is edited.
std::vector<ShownOtherwise> ConfigSession::NoteDeviceValues(Pages pages)
{
    m_deviceValueRows.clear();
    std::vector<ShownOtherwise> shown;
    for (const ParamRow row : UnshowableRows(m_table)) {
        const QString held = ShownValue(KeyOf(row), EscapedBytes(RowText(m_table, row)));
        m_deviceValueRows.push_back({row, held, ControlValue(RowControl(pages, row))});
        shown.push_back({RowName(pages, row), held});
    }
    return shown;
}

QStringList ConfigSession::KeepUneditedDeviceValues(Pages pages, DeviceSettings& push) const
{
    QStringList names;
    for (const DeviceValueRow& held : m_deviceValueRows) {
        if ((push.Find(held.row.group, held.row.index)->flags & PARAM_MODIFIED) == 0)
            continue; // left out already (a list without a selection)
        if (ControlValue(RowControl(pages, held.row)) != held.shownAtLoad)
            continue; // edited: the user's value goes out
        push.ClearModified(held.row.index, held.row.group);
        names << RowName(pages, held.row);
    }
    return names;
}

SaveOutcome ConfigSession::Save(uint32_t address, int timeoutMs, Pages pages, SessionWait& wait)
{
    DeviceSettings push = Unmodified(m_table);
    const std::optional<QStringList> leftOut = CopyPagesToTable(pages, push);
    if (!leftOut)
        return Outcome(SaveOutcome::Kind::TextNotStored);
    const QStringList kept = KeepUneditedDeviceValues(pages, push);
    DeviceTasks tasks;
    DeviceTask& task = *tasks.emplace_back(NewTask(address, timeoutMs));
    AddWriteAfterLoad(task, m_table, push);
    task.SetMoveWait(m_moveWaitMs);
    const RunEnd end =
        Run(tasks, LoadResourceString(IDS_SAVE_PROGRESS).arg(DottedText(address)), wait);
    m_transcript = task.transcript();
    // (A save to another device than the one loaded has the load's values
    // as its "before", and reads back no serial number: no record of it.)
    m_record.reset();
    if (end == RunEnd::Ended && task.address() == m_loadedFrom)
        m_record = SessionRecord{RecordKind::Save, RecordDeviceOf(task, RecordKind::Save)};
    SaveOutcome outcome = end == RunEnd::NotConnected ? Outcome(SaveOutcome::Kind::NotConnected)
                          : end == RunEnd::Cancelled
                              ? Outcome(SaveOutcome::Kind::Cancelled, task.pushed())
                              : Verified(task, pages);
    if (outcome.kind != SaveOutcome::Kind::Saved)
        return outcome;
    outcome.leftOut = *leftOut;
    outcome.kept = kept;
    // The rows sent show the device's value now; those kept stay noted.
    std::erase_if(m_deviceValueRows, [&task](const DeviceValueRow& held) {
        return IsPushed(*task.sent.Find(held.row.group, held.row.index));
    });
    return outcome;
}

// How a write that ran to its end went: a failure, or what the read-back
// after the apply shows.
SaveOutcome ConfigSession::Verified(const DeviceTask& task, Pages pages)
{
    using Kind = SaveOutcome::Kind;
    if (task.failure() == DEVICE_NOT_SEEN_SINCE)
        return Outcome(Kind::NotSeen, true, NotSeenSince(task));
    // A read after the apply that failed (where a moved device was found):
    // the apply went out, and may have been applied.
    if (!task.ok() && task.pushed() && QByteArray(task.failedDoing()) != MSG_DOING_SENDING)
        return Outcome(task.applyUnconfirmed() ? Kind::ApplyUnconfirmed : Kind::ReadBackFailed,
                       true);
    if (!task.ok()) {
        const Kind kind =
            task.failure() == DEVICE_COMMAND_TOO_LONG ? Kind::NothingSent : Kind::NotApplied;
        return Outcome(kind, task.pushed(), DescribeDeviceFailure(task));
    }
    if (task.readBackCut())
        return Outcome(task.applyUnconfirmed() ? Kind::ApplyUnconfirmed : Kind::ReadBackFailed,
                       true);
    // A save to another address than the load's copies the settings to
    // another device: what that one held before is not known.
    const bool loadedDevice = task.address() == m_loadedFrom;
    if (loadedDevice) { // what the device holds now is known: the next save starts from it
        m_table = Unmodified(task.after);
        m_loadedFrom = task.verifiedAt(); // a device that moved is loaded from there now
    }
    if (const std::vector<std::string> notKept = NotKept(task.sent, task.after); !notKept.empty())
        return Moved(Outcome(Kind::NotKept, true, {}, Texts(notKept)), task);
    // A row left out keeps the device's value, unless the apply committed
    // one that an earlier, interrupted write had left pending.
    if (const std::vector<std::string> unsent = UnsentChanges(task.before, task.sent, task.after);
        loadedDevice && !unsent.empty())
        return Moved(Outcome(Kind::UnsentChanged, true, {}, Texts(unsent)), task);
    SaveOutcome saved = Outcome(Kind::Saved, true);
    if (loadedDevice)
        saved.changed = RowNames(pages, ChangedKeys(task));
    return Moved(saved, task);
}

std::optional<PageSettings> ConfigSession::CheckedPages(Pages pages) const
{
    DeviceSettings table = Unmodified(m_table);
    const std::optional<QStringList> leftOut = CopyPagesToTable(pages, table);
    if (!leftOut)
        return std::nullopt;
    return PageSettings{FileOfModifiedRows(table, DottedText(m_loadedFrom.value_or(0)),
                                           QDateTime::currentDateTimeUtc()),
                        *leftOut};
}

QString ConfigSession::Export(const PageSettings& settings, const QString& path)
{
    QString error;
    if (!SaveFileAtomically(path, SettingsFileJson(settings.file), error))
        return error;
    return {};
}

ImportOutcome ConfigSession::Import(const QString& path, Pages pages) const
{
    ImportOutcome outcome;
    const std::optional<SettingsFile> file = LoadSettingsFile(path, outcome.problems);
    // A device's error reply kept by a backup is no setting: the window has
    // no way to say "send it all the same", so the file is refused.
    if (file)
        outcome.problems = ErrorReplies(file->values);
    if (!file || !outcome.problems.isEmpty())
        return outcome;

    // The fields of settings the file lacks keep what they show.
    QList<QPair<QWidget*, QString>> untouched;
    for (const ParamRow row : WritableRows()) {
        const QString key = KeyOf(row);
        const bool inFile = std::any_of(file->values.begin(), file->values.end(),
                                        [&key](const auto& entry) { return entry.first == key; });
        if (QWidget* field = RowControl(pages, row); !inFile)
            untouched.append({field, ControlValue(field)});
    }
    DeviceSettings shown = m_table;
    for (const auto& [key, value] : file->values)
        shown.SetByKey(key.toStdString(), value.toLatin1().toStdString());
    CopyTableToPages(shown, pages);
    RefreshPages(pages);
    for (const auto& [field, value] : untouched)
        SetControlValue(field, value);

    outcome.imported = true;
    outcome.count = file->values.size();
    outcome.deviceSerial = DeviceTextToWide(RowText(m_table, ROW_SERIAL_NUMBER));
    if (!file->serialNumber.isEmpty() && file->serialNumber != outcome.deviceSerial)
        outcome.fileSerial = file->serialNumber;
    return outcome;
}
