// tolvoctl's commands that change devices: restore and set.
#include "AddressList.h"
#include "Invocation.h"
#include "ParamRules.h"

#include <map>

namespace cli {

int SendAndVerify(Invocation& run, const QList<QPair<QString, QString>>& wanted)
{
    const bool dryRun = run.Given("dry-run");
    const bool onlyChanged = run.Given("only-changed");
    DeviceTasks tasks = run.MakeTasks();
    // What goes to one device: every wanted row, or those that differ.
    const auto pushFor = [&wanted, onlyChanged](const DeviceSettings& before) {
        DeviceSettings push;
        const auto rows = onlyChanged ? Differences(wanted, before) : wanted;
        for (const auto& [key, value] : rows)
            push.SetByKey(key.toStdString(), value.toLatin1().toStdString());
        return push;
    };
    std::map<DeviceTask*, std::unique_ptr<DeviceSettings>> pushes;
    for (auto& task : tasks) {
        DeviceTask* t = task.get();
        auto& push = pushes[t];
        push = std::make_unique<DeviceSettings>();
        if (dryRun && !onlyChanged)
            continue; // nothing to learn from the device
        t->ConnectAndRead(t->before);
        if (dryRun)
            continue;
        t->Then(MSG_DOING_SENDING, [t, &push, pushFor](DeviceConnection& link) {
            *push = pushFor(t->before);
            link.StartPush(*push);
        });
        t->ConnectAndRead(t->after);
    }
    run.Run(tasks);
    int status = EXIT_OK;
    for (const auto& task : tasks) {
        if (dryRun) {
            const DeviceSettings push = pushFor(task->before);
            QJsonArray commands;
            if (task->ok() && !run.json)
                Out() << task->addressText() << ": " << Tr(MSG_WOULD_SEND) << Qt::endl;
            for (const ConfigGroup& group : push) {
                for (const ConfigParam& row : group.rows) {
                    if ((row.flags & PARAM_MODIFIED) == 0)
                        continue;
                    const std::string bytes = MaskedCommand(std::string("set ") + row.key + ' ' +
                                                            *row.value + '\r' + '\0');
                    commands.append(EscapedBytes(bytes));
                    if (task->ok() && !run.json)
                        Out() << "  " << EscapedBytes(bytes) << Qt::endl;
                }
            }
            commands.append(EscapedBytes(std::string("set CONFIGURE\r") + '\0'));
            if (task->ok() && !run.json)
                Out() << "  " << EscapedBytes(std::string("set CONFIGURE\r") + '\0') << Qt::endl;
            if (!task->ok())
                status = EXIT_DEVICE_ERROR;
            run.Result(*task, Tr(MSG_DRY_RUN), QJsonObject{{"wouldSend", commands}});
            continue;
        }
        if (!task->ok()) {
            status = EXIT_DEVICE_ERROR;
            run.Result(*task, {});
            continue;
        }
        const DeviceSettings& sent = *pushes[task.get()];
        QList<QPair<QString, QString>> sentRows;
        for (const auto& [key, value] : wanted) {
            const ConfigParam* row = FindWritableRow(sent, key);
            if (row && (row->flags & PARAM_MODIFIED))
                sentRows.append({key, value});
        }
        const auto notKept = Differences(wanted, task->after);
        QJsonArray rows;
        QStringList lines;
        for (const auto& [key, value] : notKept) {
            const QString sent = ShownValue(key, value);
            const QString kept = ShownValue(key, HeldValue(task->after, key));
            rows.append(QJsonObject{{"key", key}, {"sent", sent}, {"device", kept}});
            lines << Tr(MSG_NOT_KEPT_LINE).arg(key, sent, kept);
        }
        QString line = Tr(MSG_ALL_KEPT).arg(Settings(sentRows.size()));
        if (!notKept.isEmpty()) {
            status = std::max(status, EXIT_DIFFERENT);
            line = Tr(MSG_NOT_KEPT).arg(Settings(sentRows.size()), lines.join("; "));
        } else if (task->applyUnconfirmed()) {
            line = Tr(MSG_APPLY_UNANSWERED).arg(line);
        }
        run.Result(*task, line,
                   QJsonObject{{"sent", int(sentRows.size())},
                               {"notKept", rows},
                               {"applyConfirmed", !task->applyUnconfirmed()}});
        if (!notKept.isEmpty())
            --run.succeeded; // reached, but not verified
    }
    return run.Finish(status);
}

int Restore(Invocation& run)
{
    if (run.positional.isEmpty())
        return Usage(Tr(MSG_RESTORE_ARGUMENTS));
    const QString path = run.positional.takeLast();
    QStringList problems;
    const std::optional<SettingsFile> file = LoadSettingsFile(path, problems);
    if (!file)
        return ReportFileProblems(path, problems);
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
