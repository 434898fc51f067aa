// tolvoctl's commands that change devices: restore and set.
#include "AddressList.h"
#include "Invocation.h"
#include "ParamRules.h"

namespace cli {
namespace {

using Rows = QList<QPair<QString, QString>>;

// A device that DHCP or another network moves has no address to expect.
bool IsDhcpOrNetwork(const DeviceMove& move)
{
    return move.kind == DeviceMove::Kind::Dhcp || move.kind == DeviceMove::Kind::OtherNetwork;
}

// The wanted rows that differ from what the device held before, each with
// both values (the password's as asterisks): what a caller shows as a diff.
QJsonArray Changes(const Rows& wanted, const DeviceSettings& before)
{
    QJsonArray changes;
    for (const auto& [key, value] : Differences(wanted, before))
        changes.append(QJsonObject{{"key", key},
                                   {"before", ShownValue(key, HeldValue(before, key))},
                                   {"after", ShownValue(key, value)}});
    return changes;
}

// What a push would send, byte for byte but for the password, printed
// unless --json; with --only-changed, the changes too. The exit status.
int DryRunResult(Invocation& run, const DeviceTask& task, const DeviceSettings& push,
                 const Rows& wanted)
{
    QStringList commands;
    for (const ConfigGroup& group : push)
        for (const ConfigParam& row : group.rows)
            if (IsPushed(row))
                commands << EscapedBytes(
                    MaskedCommand(std::string("set ") + row.key + ' ' + *row.value + '\r' + '\0'));
    if (!commands.isEmpty())
        commands << EscapedBytes(std::string("set CONFIGURE\r") + '\0');
    if (task.ok() && !run.json) {
        Out() << task.addressText() << ": " << Tr(MSG_WOULD_SEND) << Qt::endl;
        for (const QString& command : commands)
            Out() << "  " << command << Qt::endl;
    }
    QJsonObject object{{"wouldSend", QJsonArray::fromStringList(commands)}};
    if (run.Given("only-changed") && task.ok())
        object.insert("changes", Changes(wanted, task.before));
    run.Result(task, Tr(MSG_DRY_RUN), object);
    return task.ok() ? EXIT_OK : EXIT_DEVICE_ERROR;
}

// What was sent and whether the device kept it. The exit status.
int WriteResult(Invocation& run, const DeviceTask& task, const Rows& wanted)
{
    if (task.failure() == DEVICE_NOT_SEEN_SINCE) {
        // Applied settings that move it, and not seen since: not verified,
        // and not failed either; where it should be is said.
        const DeviceMove& move = task.move();
        run.Result(task, {},
                   QJsonObject{{"sent", int(SentValues(task).size())},
                               {"applyConfirmed", !task.applyUnconfirmed()},
                               {"verifiedAt", QJsonValue::Null},
                               {"expectedAt", move.newAddress && !IsDhcpOrNetwork(move)
                                                  ? QJsonValue(DottedText(*move.newAddress))
                                                  : QJsonValue::Null}});
        return EXIT_DIFFERENT;
    }
    if (!task.ok()) {
        // Sent, but not verified: a caller must not take it for untouched.
        QJsonObject object;
        if (task.pushed())
            object = QJsonObject{{"sent", int(SentValues(task).size())}, {"applyConfirmed", false}};
        run.Result(task, {}, object);
        return EXIT_DEVICE_ERROR;
    }
    const QJsonArray changes = Changes(wanted, task.before);
    const qsizetype sent =
        task.pushed() ? (run.Given("only-changed") ? changes.size() : wanted.size()) : 0;
    // A wanted row that was not sent, and that the apply changed, is an
    // unsent change, not one the device failed to keep.
    QJsonArray rows;
    for (const std::string& name : NotKept(task.sent, task.after)) {
        const QString key = QString::fromStdString(name);
        rows.append(QJsonObject{{"key", key},
                                {"sent", ShownValue(key, HeldValue(task.sent, key))},
                                {"device", ShownValue(key, HeldValue(task.after, key))}});
    }
    const QStringList lines = NotKeptLines(task);
    const std::vector<UnsentChange> unsent = UnsentChangesOf(task);
    QJsonArray unsentRows;
    for (const UnsentChange& change : unsent)
        unsentRows.append(QJsonObject{{"key", change.key},
                                      {"before", ShownValue(change.key, change.before)},
                                      {"after", ShownValue(change.key, change.after)}});
    QString line = !task.pushed()   ? Tr(MSG_NOTHING_DIFFERS)
                   : unsent.empty() ? Tr(MSG_ALL_KEPT).arg(Settings(sent))
                                    : Tr(MSG_SENT_AND_KEPT).arg(Settings(sent));
    if (!lines.isEmpty())
        line = Tr(MSG_NOT_KEPT).arg(Settings(sent), lines.join("; "));
    else if (task.applyUnconfirmed())
        line = Tr(MSG_APPLY_UNANSWERED).arg(line);
    if (!unsent.empty())
        line = Tr(MSG_ALSO_CHANGED).arg(line, UnsentChangeLines(unsent).join("; "));
    if (task.verifiedAt() != task.address())
        line = Tr(MSG_READ_BACK_AT).arg(line, DottedText(task.verifiedAt()));
    run.Result(task, line,
               QJsonObject{{"sent", int(sent)},
                           {"changes", changes},
                           {"notKept", rows},
                           {"unsentChanges", unsentRows},
                           {"applyConfirmed", task.pushed() && !task.applyUnconfirmed()},
                           {"verifiedAt", DottedText(task.verifiedAt())}});
    if (rows.isEmpty() && unsent.empty())
        return EXIT_OK;
    --run.succeeded; // reached, but not verified
    return EXIT_DIFFERENT;
}

} // namespace

// Each device is read (unless a dry run needs nothing from it), sent the
// wanted rows (all, or with --only-changed those that differ) and the apply
// command, and the rows sent are read back, all on one connection as far as
// the device allows.
int SendAndVerify(Invocation& run, const Rows& wanted)
{
    const bool dryRun = run.Given("dry-run");
    const bool onlyChanged = run.Given("only-changed");
    DeviceTasks tasks = run.MakeTasks();
    for (auto& task : tasks) {
        if (dryRun && onlyChanged)
            task->ConnectAndRead(task->before, RowsOf(wanted));
        else if (!dryRun)
            AddVerifiedWrite(*task, wanted, onlyChanged);
        // (a dry run of every row has nothing to learn from the device)
    }
    if (!run.Run(tasks))
        return EXIT_DEVICE_ERROR;
    int status = EXIT_OK;
    for (const auto& task : tasks) {
        const int outcome =
            dryRun ? DryRunResult(run, *task, PushOf(wanted, task->before, onlyChanged), wanted)
                   : WriteResult(run, *task, wanted);
        status = std::max(status, outcome);
    }
    return run.Finish(status);
}

int Restore(Invocation& run)
{
    if (run.positional.isEmpty())
        return Usage(Tr(MSG_RESTORE_ARGUMENTS));
    const QString path = run.positional.takeLast();
    QStringList problems;
    const std::optional<SettingsFile> file = LoadSettingsInput(path, problems);
    if (!file)
        return ReportFileProblems(path, problems);
    // A backup of a device that did not know a key holds its error reply:
    // not sent to another device unless asked for.
    if (const QStringList errors = ErrorReplies(file->values);
        !errors.isEmpty() && !run.Given("send-error-replies")) {
        for (const QString& line : errors)
            Err() << InputName(path) << ": " << Tr(MSG_ERROR_REPLY_NOT_SENT).arg(line) << Qt::endl;
        return Usage(Tr(MSG_ERROR_REPLIES_REFUSED).arg(InputName(path)));
    }
    QString error;
    if (!TakeAddresses(run, true, error))
        return Usage(error);
    return SendAndVerify(run, file->values);
}

int Set(Invocation& run)
{
    QList<QPair<QString, QString>> wanted;
    QStringList addresses;
    QString error;
    for (const QString& argument : run.positional) {
        if (!argument.contains('=')) {
            addresses << argument;
            continue;
        }
        Assignment assignment;
        if (!ParseAssignment(argument, assignment, error))
            return Usage(Tr(MSG_NOTHING_SENT).arg(error));
        wanted.append({assignment.key, assignment.value});
    }
    if (wanted.isEmpty())
        return Usage(Tr(MSG_SET_ARGUMENTS));
    run.positional = addresses;
    if (!TakeAddresses(run, true, error))
        return Usage(error);
    return SendAndVerify(run, wanted);
}

} // namespace cli
