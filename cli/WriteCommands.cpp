// tolvoctl's commands that change devices: restore and set.
#include "AddressList.h"
#include "AddressPlan.h"
#include "DeviceCheck.h"
#include "Invocation.h"
#include "ParamRules.h"
#include "PlanCheck.h"
#include "RecordEntry.h"
#include "RunRecord.h"

#include <algorithm>

namespace cli {
namespace {

using Rows = QList<QPair<QString, QString>>;

// A device that DHCP moves has no address to expect.
bool IsDhcp(const DeviceMove& move)
{
    return move.kind == DeviceMove::Kind::Dhcp;
}

// The wanted rows that differ from what the device held before, each with
// both values (the password's as asterisks): what a caller shows as a diff.
QJsonArray Changes(const Rows& wanted, const DeviceSettings& before)
{
    QJsonArray changes;
    for (const HeldDifference& difference : HeldDifferences(wanted, before))
        changes.append(QJsonObject{
            {"key", difference.key}, {"before", difference.held}, {"after", difference.wanted}});
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
    // With a record the device was read in full: the run is a check.
    const QJsonArray changes = Changes(wanted, task.before);
    if ((run.Given("only-changed") || Records(run)) && task.ok())
        object.insert("changes", changes);
    QString line = Tr(MSG_DRY_RUN);
    if (Records(run)) {
        QStringList keys;
        for (const QJsonValue change : changes)
            keys << change["key"].toString();
        line = keys.isEmpty() ? Tr(MSG_CHECK_MATCHES).arg(line)
                              : Tr(MSG_CHECK_DIFFERS).arg(line, keys.join(", "));
    }
    run.Result(task, line, object);
    if (!task.ok())
        return EXIT_DEVICE_ERROR;
    // A check that finds a device otherwise says so, as diff does.
    return Records(run) && !changes.isEmpty() ? EXIT_DIFFERENT : EXIT_OK;
}

// A check's summary line: how many devices match, differ and failed.
void SayCheckSummary(const std::vector<RecordDevice>& devices)
{
    const auto count = [&](RecordOutcome outcome) {
        return std::count_if(devices.begin(), devices.end(),
                             [&](const RecordDevice& device) { return device.outcome == outcome; });
    };
    Out() << Tr(MSG_CHECK_SUMMARY)
                 .arg(count(RecordOutcome::Matches))
                 .arg(count(RecordOutcome::Differs))
                 .arg(count(RecordOutcome::Failed))
          << Qt::endl;
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
                               {"expectedAt", move.newAddress && !IsDhcp(move)
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

// The plan of --plan or --plan-first, with its mask; nullopt with error set
// when neither is given (error empty) or the plan is malformed.
std::optional<AddressPlan> TakePlan(const Invocation& run, const Rows& wanted, QString& error)
{
    const bool list = run.Given("plan");
    if (list && run.Given("plan-first")) {
        error = Tr(MSG_PLAN_ONE_OPTION);
        return std::nullopt;
    }
    AddressPlan plan;
    if (run.Given("plan-first"))
        return ParsePlanFirst(run.parser.value("plan-first"), plan, error) ? std::optional(plan)
                                                                           : std::nullopt;
    if (!list)
        return std::nullopt;
    if (!ReadPlanFile(run.parser.value("plan"), plan, error))
        return std::nullopt;
    std::optional<uint32_t> parsed;
    for (const auto& [key, value] : wanted)
        if (key == "IPMASK")
            parsed = ParseDottedAddress(value);
    if (!parsed) {
        error = Tr(MSG_PLAN_NEEDS_MASK);
        return std::nullopt;
    }
    plan.mask = *parsed;
    return plan;
}

// What a device with a planned address is sent: its address, the plan's
// mask and DHCP off in place of those of the others.
Rows PlannedRows(const Rows& wanted, uint32_t planned, uint32_t mask)
{
    Rows rows;
    for (const auto& row : wanted)
        if (row.first != "IPADDRESS" && row.first != "IPMASK" && row.first != "DHCP")
            rows.append(row);
    rows.append({QStringLiteral("DHCP"), QStringLiteral("0")});
    rows.append({QStringLiteral("IPADDRESS"), DottedText(planned)});
    rows.append({QStringLiteral("IPMASK"), DottedText(mask)});
    return rows;
}

// Each device's rows: the plan checked on the network first (nothing is
// sent when it has a problem: each is named on stderr, EXIT_USAGE).
std::optional<std::vector<Rows>> RowsPerDevice(Invocation& run, const Rows& wanted, int& status)
{
    QString error;
    const std::optional<AddressPlan> plan = TakePlan(run, wanted, error);
    if (!plan && !error.isEmpty()) {
        status = Usage(Tr(MSG_NOTHING_SENT).arg(error));
        return std::nullopt;
    }
    if (!plan)
        return std::vector<Rows>(run.addresses.size(), wanted);
    std::vector<PlannedDevice> devices;
    for (const uint32_t address : run.addresses)
        devices.push_back({address, {}, 0});
    PlanCheck check(*plan, devices, run.port, run.timeoutMs);
    check.Run();
    if (!check.problems().isEmpty()) {
        Err() << "tolvoctl: " << Tr(MSG_PLAN_REFUSED) << Qt::endl;
        for (const QString& problem : check.problems())
            Err() << "  " << problem << Qt::endl;
        status = EXIT_USAGE;
        return std::nullopt;
    }
    std::vector<Rows> rows;
    for (const PlannedDevice& device : check.devices())
        rows.push_back(PlannedRows(wanted, device.planned, plan->mask));
    return rows;
}

} // namespace

// Each device is read (unless a dry run needs nothing from it), sent the
// wanted rows (all, or with --only-changed those that differ) and the apply
// command, and the rows sent are read back, all on one connection as far as
// the device allows.
int SendAndVerify(Invocation& run, const Rows& shared, RecordKind kind)
{
    const bool dryRun = run.Given("dry-run");
    const bool onlyChanged = run.Given("only-changed");
    // A record holds every setting of each device: every row is read (and a
    // dry run reads the devices, to compare them: a check).
    const std::vector<ParamRow> recorded = Records(run) ? RecordRows() : std::vector<ParamRow>();
    int status = EXIT_OK;
    const std::optional<std::vector<Rows>> perDevice = RowsPerDevice(run, shared, status);
    if (!perDevice)
        return status;
    DeviceTasks tasks = run.MakeTasks();
    for (std::size_t index = 0; index < tasks.size(); ++index) {
        auto& task = tasks[index];
        const Rows& wanted = (*perDevice)[index];
        if (dryRun && Records(run))
            AddCheckRead(*task, wanted, recorded);
        else if (dryRun && onlyChanged)
            AddCheckRead(*task, wanted);
        else if (!dryRun)
            AddVerifiedWrite(*task, wanted, onlyChanged, recorded);
        // (a dry run of every row has nothing to learn from the device)
    }
    if (!run.Run(tasks))
        return EXIT_DEVICE_ERROR;
    if (dryRun)
        kind = RecordKind::Check;
    std::vector<RecordDevice> recordDevices;
    for (std::size_t index = 0; index < tasks.size(); ++index) {
        const auto& task = tasks[index];
        const Rows& wanted = (*perDevice)[index];
        const int outcome =
            dryRun ? DryRunResult(run, *task, PushOf(wanted, task->before, onlyChanged), wanted)
                   : WriteResult(run, *task, wanted);
        status = std::max(status, outcome);
        recordDevices.push_back(RecordDeviceOf(*task, kind, wanted));
    }
    if (dryRun && Records(run) && !run.json)
        SayCheckSummary(recordDevices);
    QJsonObject extra;
    status = WriteRunRecord(run, kind, std::move(recordDevices), status, extra);
    return run.Finish(status, extra);
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
    return SendAndVerify(run, file->values, RecordKind::Restore);
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
    return SendAndVerify(run, wanted, RecordKind::Set);
}

} // namespace cli
