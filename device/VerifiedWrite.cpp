#include "VerifiedWrite.h"

#include "CoreMessages.h"
#include "ParamRules.h"
#include "PasswordMask.h"

#include <algorithm>

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

namespace {

bool Holds(const std::vector<ParamRow>& rows, ParamRow row)
{
    return std::any_of(rows.begin(), rows.end(), [row](ParamRow each) {
        return each.group == row.group && each.index == row.index;
    });
}

// The writable rows of the table that are not among rows, in table order.
std::vector<ParamRow> OtherWritableRows(const std::vector<ParamRow>& rows)
{
    const DeviceSettings table;
    std::vector<ParamRow> others;
    for (int group = 0; group < int(table.size()); ++group)
        for (int index = 0; index < table[group].count(); ++index)
            if ((table[group].rows[index].flags & PARAM_WRITE) != 0 && !Holds(rows, {group, index}))
                others.push_back({group, index});
    return others;
}

} // namespace

void AddVerifiedWrite(DeviceTask& task, const SettingValues& wanted, bool onlyChanged,
                      const std::vector<ParamRow>& alsoRead)
{
    // The rows concerned are read first: a device that holds them all is
    // sent nothing, and nothing more is read from it.
    std::vector<ParamRow> rows = alsoRead;
    for (const ParamRow row : RowsOf(wanted))
        if (!Holds(rows, row))
            rows.push_back(row);
    task.ConnectAndRead(task.before, rows);
    const std::vector<ParamRow> others = OtherWritableRows(rows);
    const bool serialRead = Holds(rows, ROW_SERIAL_NUMBER);
    task.Then(MSG_DOING_READING,
              [&task, wanted, onlyChanged, others, serialRead](DeviceConnection& link) {
                  const DeviceSettings push = PushOf(wanted, task.before, onlyChanged);
                  std::vector<ParamRow> more = others;
                  // A push that may move the device: its serial number tells it from
                  // another device found where it is looked for after the apply.
                  if (!serialRead && MoveOf(task.before, push).kind != DeviceMove::Kind::None)
                      more.push_back(ROW_SERIAL_NUMBER);
                  // (StartFetch reads every row when given none.)
                  if (!more.empty() && PushesAnyRow(push))
                      link.StartFetch(task.before, more);
                  else
                      task.Skip();
              });
    std::vector<ParamRow> readBack = rows;
    readBack.insert(readBack.end(), others.begin(), others.end());
    task.PushAndReadBack(
        [&task, wanted, onlyChanged] { return PushOf(wanted, task.before, onlyChanged); },
        readBack);
}

void AddWriteAfterLoad(DeviceTask& task, const DeviceSettings& known, const DeviceSettings& push)
{
    task.before = known;
    task.AddConnect();
    task.PushAndReadBack([push] { return push; }, {}, false);
}

std::vector<std::string> ChangedKeys(const DeviceTask& task)
{
    return ChangedKeys(task.before, task.after, SentValues(task));
}

std::vector<std::string> ChangedKeys(const DeviceSettings& before, const DeviceSettings& after,
                                     const SettingValues& sent)
{
    std::vector<std::string> keys;
    for (const auto& [key, value] : sent)
        if (HeldValue(after, key) != HeldValue(before, key))
            keys.push_back(key.toStdString());
    return keys;
}

SettingValues SentValues(const DeviceTask& task)
{
    return task.pushed() ? PushedValues(task.sent) : SettingValues();
}

SettingValues PushedValues(const DeviceSettings& sent)
{
    SettingValues values;
    for (const ConfigGroup& group : sent)
        for (const ConfigParam& row : group.rows)
            if (IsPushed(row))
                values.append({QLatin1String(row.key), DeviceTextToWide(*row.value)});
    return values;
}

QStringList NotKeptLines(const DeviceTask& task)
{
    QStringList lines;
    if (!task.pushed())
        return lines;
    for (const std::string& name : NotKept(task.sent, task.after)) {
        const QString key = QString::fromStdString(name);
        lines << Tr(MSG_NOT_KEPT_LINE)
                     .arg(key, QuotedValue(key, HeldValue(task.sent, key)),
                          QuotedValue(key, HeldValue(task.after, key)));
    }
    return lines;
}

std::vector<UnsentChange> UnsentChangesOf(const DeviceTask& task)
{
    std::vector<UnsentChange> changes;
    if (!task.pushed())
        return changes;
    for (const std::string& key : UnsentChanges(task.before, task.sent, task.after)) {
        const QString name = QString::fromStdString(key);
        changes.push_back({name, HeldValue(task.before, name), HeldValue(task.after, name)});
    }
    return changes;
}

QStringList UnsentChangeLines(const std::vector<UnsentChange>& changes)
{
    QStringList lines;
    for (const UnsentChange& change : changes)
        lines << Tr(MSG_UNSENT_CHANGE_LINE)
                     .arg(change.key, QuotedValue(change.key, change.before),
                          QuotedValue(change.key, change.after));
    return lines;
}

QString NotSeenSince(const DeviceTask& task)
{
    if (!task.otherSerial().isNull())
        return Tr(MSG_OTHER_DEVICE_ANSWERS)
            .arg(EscapedText(task.otherSerial()), DottedText(task.verifiedAt()));
    const DeviceMove& move = task.move();
    const QString old = task.addressText();
    const QString seconds = QString::number(task.moveWaitMs() / 1000.0);
    switch (move.kind) {
    case DeviceMove::Kind::NewAddress:
        if (move.newAddress)
            return Tr(MSG_NOT_SEEN_NEW_ADDRESS).arg(DottedText(*move.newAddress), old, seconds);
        break;
    case DeviceMove::Kind::Dhcp: return Tr(MSG_NOT_SEEN_DHCP).arg(old, seconds);
    case DeviceMove::Kind::OtherNetwork:
        if (move.newAddress && *move.newAddress != task.address())
            return Tr(MSG_NOT_SEEN_NETWORK_AT).arg(DottedText(*move.newAddress), old, seconds);
        return Tr(MSG_NOT_SEEN_NETWORK).arg(old, seconds);
    case DeviceMove::Kind::None:
    case DeviceMove::Kind::SameAddress: break;
    }
    return Tr(MSG_NOT_SEEN_SAME_ADDRESS).arg(old, seconds);
}

QString WriteFailure(const DeviceTask& task)
{
    if (task.failure() == DEVICE_NOT_SEEN_SINCE)
        return NotSeenSince(task);
    const QString failure = DeviceFailure(task);
    if (task.ok() || !task.pushed())
        return failure;
    // The push fails only before its apply was answered; later failures
    // are those of the read-back on a new connection.
    const bool beforeApply = QByteArray(task.failedDoing()) == MSG_DOING_SENDING;
    return Tr(beforeApply ? MSG_SENT_NOT_APPLIED : MSG_SENT_STATE_UNKNOWN).arg(failure);
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
    case DEVICE_NOT_SEEN_SINCE: return NotSeenSince(task);
    }
    return Tr(MSG_FAILED_WHILE).arg(Tr(task.failedDoing()), why);
}
