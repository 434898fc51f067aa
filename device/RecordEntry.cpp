#include "RecordEntry.h"

#include "CoreMessages.h"
#include "DeviceCheck.h"
#include "PasswordMask.h"
#include "SettingNames.h"

#include <algorithm>

namespace {

QString KeyOf(ParamRow row)
{
    return QLatin1String(DeviceSettings().Find(row.group, row.index)->key);
}

QString RowValue(const ConfigParam& row)
{
    return row.value ? DeviceTextToWide(*row.value) : QString();
}

// The rows of values that hold one, in table order, each with whether it
// read back as sent where sent gives what a push sent.
std::vector<RecordSetting> SettingsOf(const DeviceSettings& values, const DeviceSettings* sent)
{
    std::vector<RecordSetting> settings;
    for (int group = 0; group < int(values.size()); ++group) {
        for (int index = 0; index < values[group].count(); ++index) {
            const ConfigParam& row = values[group].rows[index];
            if (!row.value)
                continue;
            std::optional<bool> verified;
            if (const ConfigParam* pushed = sent ? sent->Find(group, index) : nullptr;
                pushed && IsPushed(*pushed))
                verified = pushed->value == row.value;
            const QString key = QLatin1String(row.key);
            settings.push_back(
                {key, EnglishSettingName(key), ShownValue(key, RowValue(row)), verified});
        }
    }
    return settings;
}

// Each row read before and after whose value differs.
std::vector<RecordChange> ChangesOf(const DeviceSettings& before, const DeviceSettings& after)
{
    std::vector<RecordChange> changes;
    for (int group = 0; group < int(before.size()); ++group) {
        for (int index = 0; index < before[group].count(); ++index) {
            const ConfigParam& was = before[group].rows[index];
            const ConfigParam& now = *after.Find(group, index);
            if (!was.value || !now.value || was.value == now.value)
                continue;
            const QString key = QLatin1String(was.key);
            changes.push_back(
                {key, ShownValue(key, RowValue(was)), ShownValue(key, RowValue(now))});
        }
    }
    return changes;
}

// A check's differences: the same comparison as tolvoctl's dry run and the
// window's check (DeviceCheck.h).
std::vector<RecordDifference> DifferencesOf(const SettingValues& wanted,
                                            const DeviceSettings& device)
{
    std::vector<RecordDifference> differences;
    for (const HeldDifference& difference : HeldDifferences(wanted, device))
        differences.push_back({difference.key, difference.held, difference.wanted});
    return differences;
}

// Why a write read back after its apply is not verified: settings sent that
// the device does not hold, and settings the apply changed that were not
// sent; empty when it is verified.
QString WriteProblem(const DeviceTask& task)
{
    return (NotKeptLines(task) + UnsentChangeLines(UnsentChangesOf(task)))
        .join(QStringLiteral("; "));
}

void Fail(RecordDevice& device, const QString& error)
{
    device.outcome = RecordOutcome::Failed;
    device.error = error;
}

// The password's values the task and its run met (read, sent, wanted),
// longest first.
QStringList KnownPasswords(const DeviceTask& task, const RunSends& run, const SettingValues& wanted)
{
    const QString key = QString::fromStdString(PasswordKey());
    QStringList passwords{HeldValue(task.before, key), HeldValue(task.after, key),
                          HeldValue(task.sent, key), HeldValue(run.before, key),
                          HeldValue(run.sent, key)};
    for (const auto& [wantedKey, value] : wanted)
        if (IsPasswordKey(wantedKey))
            passwords << value;
    // (Shorter ones would mask common values: "1234" in a port number.)
    passwords.removeIf([](const QString& password) { return password.size() < 4; });
    std::sort(passwords.begin(), passwords.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return passwords;
}

// A device out of step may give the password's value as another key's, or
// inside an error: every member of the entry has each known password masked.
void MaskPasswords(RecordDevice& device, const QStringList& passwords)
{
    const auto mask = [&](QString& text) {
        for (const QString& password : passwords)
            text.replace(password, MASKED_VALUE);
    };
    for (QString* text :
         {&device.serialNumber, &device.firmwareVersion, &device.deviceName, &device.error})
        mask(*text);
    for (RecordSetting& setting : device.settings)
        mask(setting.value);
    for (RecordChange& change : device.changes) {
        mask(change.before);
        mask(change.after);
    }
    for (RecordDifference& difference : device.differences) {
        mask(difference.device);
        mask(difference.wanted);
    }
}

// The entry before its passwords are masked (RecordDeviceOf).
RecordDevice EntryOf(const DeviceTask& task, RecordKind kind, const SettingValues& wanted,
                     const RunSends& run)
{
    RecordDevice device;
    device.address = task.addressText();
    // A write's device holds what was read back after the apply (its serial
    // number and firmware as read before), unless nothing was sent.
    const bool wrote = IsWriteKind(kind) && task.pushed();
    const DeviceSettings& now = wrote ? task.after : task.before;
    device.serialNumber = HeldValue(now, KeyOf(ROW_SERIAL_NUMBER));
    device.firmwareVersion = HeldValue(now, KeyOf(ROW_FIRMWARE_VERSION));
    if (!task.ok() || (wrote && task.readBackCut())) {
        // What a device holds once something was sent and not read back is
        // not known; one that was sent nothing holds what was read.
        Fail(device, task.ok() ? Tr(MSG_NOT_READ_BACK) : WriteFailure(task));
        if (!task.pushed())
            device.settings = SettingsOf(task.before, nullptr);
        if (!device.settings.empty())
            device.verifiedAt = device.address;
        device.deviceName = task.pushed() ? QString() : HeldValue(now, KeyOf(ROW_DEVICE_NAME));
        return device;
    }
    device.verifiedAt = DottedText(task.verifiedAt());
    device.deviceName = HeldValue(now, KeyOf(ROW_DEVICE_NAME));
    // What this run sent, this attempt or an earlier one, is verified.
    const bool runWrote = IsWriteKind(kind) && run.pushed;
    device.settings = SettingsOf(now, runWrote ? &run.sent : nullptr);
    if (kind == RecordKind::Check) {
        device.differences = DifferencesOf(wanted, task.before);
        device.outcome =
            device.differences.empty() ? RecordOutcome::Matches : RecordOutcome::Differs;
    } else if (!IsWriteKind(kind)) {
        device.outcome = RecordOutcome::Read;
    } else if (!runWrote) {
        device.outcome = RecordOutcome::Matches; // it held every value: nothing was sent
    } else {
        device.changes = ChangesOf(run.before, now);
        device.outcome = RecordOutcome::Verified;
        if (const QString problem = WriteProblem(task); !problem.isEmpty())
            Fail(device, problem);
    }
    return device;
}

} // namespace

std::vector<ParamRow> RecordRows()
{
    const DeviceSettings table;
    std::vector<ParamRow> rows;
    for (int group = 0; group < int(table.size()); ++group)
        for (int index = 0; index < table[group].count(); ++index)
            rows.push_back({group, index});
    return rows;
}

RecordDevice RecordDeviceOf(const DeviceTask& task, RecordKind kind, const SettingValues& wanted,
                            const RunSends* run)
{
    RunSends own;
    if (run == nullptr)
        own.Add(task);
    const RunSends& sends = run != nullptr ? *run : own;
    RecordDevice device = EntryOf(task, kind, wanted, sends);
    MaskPasswords(device, KnownPasswords(task, sends, wanted));
    return device;
}

void RunSends::Add(const DeviceTask& task)
{
    if (!task.pushed())
        return;
    if (!pushed)
        before = task.before;
    pushed = true;
    for (int group = 0; group < int(sent.size()); ++group)
        for (int index = 0; index < sent[group].count(); ++index)
            if (const ConfigParam& row = task.sent[group].rows[index]; IsPushed(row))
                sent[group].rows[index] = row;
}
