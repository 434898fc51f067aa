#include "VerifiedWrite.h"

#include "CoreMessages.h"
#include "ParamRules.h"
#include "PasswordMask.h"

QString HeldValue(const DeviceSettings& settings, const QString& key)
{
    for (const ConfigGroup& group : settings)
        for (const ConfigParam& row : group.rows)
            if (key == QLatin1String(row.key))
                return row.value ? DeviceTextToWide(*row.value) : QString();
    return {};
}

SettingValues Differences(const SettingValues& wanted, const DeviceSettings& values)
{
    SettingValues differ;
    for (const auto& [key, value] : wanted) {
        const ConfigParam* row = FindWritableRow(values, key);
        if (row == nullptr || !row->value || DeviceTextToWide(*row->value) != value)
            differ.append({key, value});
    }
    return differ;
}

std::vector<ParamRow> RowsOf(const SettingValues& wanted)
{
    const DeviceSettings table;
    std::vector<ParamRow> rows;
    for (int group = 0; group < int(table.size()); ++group)
        for (int index = 0; index < table[group].count(); ++index)
            for (const auto& entry : wanted)
                if (entry.first == QLatin1String(table[group].rows[index].key))
                    rows.push_back({group, index});
    return rows;
}

DeviceSettings PushOf(const SettingValues& wanted, const DeviceSettings& before, bool onlyChanged)
{
    DeviceSettings push;
    for (const auto& [key, value] : onlyChanged ? Differences(wanted, before) : wanted)
        push.SetByKey(key.toStdString(), value.toLatin1().toStdString());
    return push;
}

void AddVerifiedWrite(DeviceTask& task, const SettingValues& wanted, bool onlyChanged,
                      const std::vector<ParamRow>& alsoRead)
{
    // Only the rows concerned are read: the others are neither compared nor sent.
    std::vector<ParamRow> rows = alsoRead;
    for (const ParamRow row : RowsOf(wanted))
        rows.push_back(row);
    task.ConnectAndRead(task.before, rows);
    task.PushAndReadBack(
        [&task, wanted, onlyChanged]() -> const DeviceSettings& {
            return task.sent = PushOf(wanted, task.before, onlyChanged);
        },
        rows);
}

QStringList NotKeptLines(const SettingValues& wanted, const DeviceSettings& after)
{
    QStringList lines;
    for (const auto& [key, value] : Differences(wanted, after))
        lines << Tr(MSG_NOT_KEPT_LINE)
                     .arg(key, QuotedValue(key, value), QuotedValue(key, HeldValue(after, key)));
    return lines;
}

QString DeviceFailure(const DeviceTask& task)
{
    QString why;
    switch (task.failure()) {
    case DEVICE_OK:
    case DEVICE_APPLY_UNCONFIRMED:
    case DEVICE_READ_BACK_FAILED: return {};
    case DEVICE_CONNECT_FAILED: why = Tr(MSG_WHY_CONNECT); break;
    case DEVICE_TIMED_OUT: why = Tr(MSG_WHY_TIMED_OUT); break;
    case DEVICE_CONNECTION_CLOSED: why = Tr(MSG_WHY_CLOSED); break;
    case DEVICE_REPLY_TOO_LONG: why = Tr(MSG_WHY_REPLY_TOO_LONG).arg(MAX_REPLY_LENGTH); break;
    case DEVICE_COMMAND_TOO_LONG: why = Tr(MSG_WHY_COMMAND_TOO_LONG).arg(MAX_COMMAND_LENGTH); break;
    case DEVICE_SEND_FAILED:
    case DEVICE_HOST_NOT_FOUND:
    case DEVICE_NO_DATA:
    case DEVICE_SOCKET_ERROR: why = Tr(MSG_WHY_SEND); break;
    case DEVICE_CANCELLED: why = Tr(MSG_WHY_CANCELLED); break;
    case DEVICE_OUT_OF_STEP: why = Tr(MSG_WHY_OUT_OF_STEP); break;
    }
    return Tr(MSG_FAILED_WHILE).arg(Tr(task.failedDoing()), why);
}
