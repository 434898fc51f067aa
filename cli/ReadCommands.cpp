// tolvoctl's commands that only read: get, backup, check and diff.
#include "AddressList.h"
#include "BackupFiles.h"
#include "DeviceCheck.h"
#include "History.h"
#include "Invocation.h"
#include "RecordEntry.h"
#include "RunRecord.h"

#include <QDir>
#include <QFileInfo>

#include <chrono>

namespace cli {

int Get(Invocation& run)
{
    QString error;
    const bool haveAddresses = TakeAddresses(run, false, error);
    const DeviceSettings table;
    std::vector<const ConfigParam*> rows;
    std::vector<ParamRow> only;
    for (const QString& key : run.positional) {
        bool found = false;
        for (int group = 0; group < int(table.size()); ++group) {
            for (int index = 0; index < table[group].count(); ++index) {
                if (key == QLatin1String(table[group].rows[index].key)) {
                    rows.push_back(&table[group].rows[index]);
                    only.push_back({group, index});
                    found = true;
                }
            }
        }
        if (!found)
            return Usage(Tr(MSG_NEITHER_ADDRESS_NOR_KEY).arg(key));
    }
    if (!haveAddresses)
        return Usage(error);
    if (rows.empty())
        rows = AllRows(table);
    DeviceTasks tasks = run.MakeTasks();
    for (auto& task : tasks)
        task->ConnectAndRead(task->before, only);
    if (!run.Run(tasks))
        return EXIT_DEVICE_ERROR;
    for (const auto& task : tasks) {
        QJsonObject values;
        if (task->ok() && !run.json && tasks.size() > 1)
            Out() << "# " << task->addressText() << Qt::endl;
        for (const ConfigParam* row : rows) {
            if (!task->ok())
                break;
            values.insert(QLatin1String(row->key), Value(task->before, *row));
            if (!run.json)
                Out() << row->key << '=' << EscapedText(Value(task->before, *row)) << Qt::endl;
        }
        const QStringList breaks = task->ok() ? RuleBreaks(task->before, rows) : QStringList();
        if (!run.json) {
            for (const QString& line : breaks)
                Err() << task->addressText() << ": " << line << Qt::endl;
            if (!task->ok())
                Err() << task->addressText() << ": " << DeviceFailure(*task) << Qt::endl;
        }
        if (task->ok())
            ++run.succeeded;
        if (run.json) {
            // error stays in every device's object here, as it always was.
            QJsonObject object{{"error", DeviceFailure(*task)},
                               {"values", values},
                               {"ruleBreaks", QJsonArray::fromStringList(breaks)}};
            AddDeviceOutcome(object, *task);
            run.devices.append(object);
        }
    }
    const int status = run.succeeded == int(tasks.size()) ? EXIT_OK : EXIT_DEVICE_ERROR;
    if (!run.json) {
        Err() << Tr(MSG_DEVICES_READ).arg(run.succeeded).arg(tasks.size()) << Qt::endl;
        return status;
    }
    return run.Finish(status);
}

namespace {

// What a device's first file in a history is said to have changed (in the
// commit message and the JSON output, neither of which is translated).
const QString NEW_FILE = QStringLiteral("new");

// "SERIAL (ADDRESS): KEY, KEY" for each device whose file changed, the
// serial number's control bytes escaped: git takes the message as an
// argument, which a zero byte would cut short.
QString HistoryMessage(const QStringList& lines)
{
    return QString("Backup: %1 device(s) changed\n\n%2\n").arg(lines.size()).arg(lines.join('\n'));
}

// How long a backup with history waits for another run that holds its folder.
constexpr std::chrono::minutes FOLDER_WAIT{10};

// Takes the folder of a backup with history for this run (after another run
// that holds it, if need be), commits the files that were there before its
// history, and reads its last commit's files, to which the devices compare.
bool OpenHistory(const Invocation& run, HistoryFolder& folder,
                 QHash<QString, QByteArray>& committed, QString& error)
{
    if (!folder.Lock(std::chrono::milliseconds(0), error)) {
        if (!folder.HeldByAnother())
            return false;
        Err() << "tolvoctl: "
              << Tr(MSG_WAITING_FOR_FOLDER).arg(run.parser.value("output")).arg(FOLDER_WAIT.count())
              << Qt::endl;
        if (!folder.Lock(FOLDER_WAIT, error))
            return false;
    }
    if (!folder.Prepare(error))
        return false;
    const std::optional<QString> earlier = folder.CommitEarlierFiles(error);
    if (!error.isEmpty())
        return false;
    if (earlier && !run.json)
        Out() << Tr(MSG_HISTORY_EARLIER).arg(*earlier) << Qt::endl;
    const auto files = folder.CommittedFiles(error);
    if (files)
        committed = *files;
    return files.has_value();
}

} // namespace

int Backup(Invocation& run)
{
    QString error;
    if (!TakeAddresses(run, true, error))
        return Usage(error);
    if (!run.Given("output"))
        return Usage(Tr(MSG_BACKUP_NEEDS_OUTPUT));
    const QString path = run.parser.value("output");
    const bool history = run.Given("history");
    // A folder is asked for by its name as well ("old/", or one that exists).
    const bool namesFolder =
        path.endsWith('/') || path.endsWith(QDir::separator()) || QFileInfo(path).isDir();
    const bool intoFolder = history || run.addresses.size() > 1 || namesFolder;
    HistoryFolder folder(path);
    QHash<QString, QByteArray> committed; // with a history: its last commit's files
    if (history && !OpenHistory(run, folder, committed, error))
        return Usage(error);
    if (intoFolder && !QDir().mkpath(path))
        return Usage(Tr(MSG_CANNOT_MAKE_FOLDER).arg(path));
    DeviceTasks tasks = run.MakeTasks();
    std::vector<SettingsFile> files(tasks.size());
    std::vector<QString> targets(tasks.size());
    std::vector<QStringList> changed(tasks.size());
    const auto decideFile = [&](std::size_t i) {
        files[i] = FileFromDevice(tasks[i]->before, tasks[i]->addressText(),
                                  QDateTime::currentDateTimeUtc());
        targets[i] = intoFolder ? QDir(path).filePath(SerialFileName(files[i].serialNumber)) : path;
    };
    // With a history, a device whose settings are as its last committed file
    // holds them keeps that file as it is, so that only a change makes a
    // commit; and what changed is told against that commit, whatever the
    // folder holds (a run whose commit failed left its files there).
    const auto fileBytes = [&](std::size_t i) {
        QByteArray bytes = SettingsFileJson(files[i]);
        if (!history)
            return bytes;
        const QByteArray before = committed.value(QFileInfo(targets[i]).fileName());
        changed[i] = before.isEmpty() ? QStringList{NEW_FILE} : ChangedKeys(before, bytes);
        return SameSettings(before, bytes) ? before : bytes;
    };
    // Each file is written while the other devices are still being read.
    const BackupFiles::Replace replace = !intoFolder ? BackupFiles::Replace::Anything
                                         : run.Given("force") || history
                                             ? BackupFiles::Replace::SameDevice
                                             : BackupFiles::Replace::Nothing;
    BackupFiles writes(tasks.size(), replace);
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        tasks[i]->ConnectAndRead(tasks[i]->before);
        QObject::connect(tasks[i].get(), &DeviceTask::done, tasks[i].get(), [&, i] {
            decideFile(i);
            if (tasks[i]->ok())
                writes.Read(i, targets[i], files[i].serialNumber, fileBytes(i));
            else
                writes.Failed(i);
        });
    }
    if (!run.Run(tasks))
        return EXIT_DEVICE_ERROR;
    const std::vector<QString> problems = writes.Finish();

    int status = EXIT_OK;
    QStringList written;
    QStringList changes;
    std::vector<RecordDevice> recordDevices;
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        const DeviceTask& task = *tasks[i];
        if (!task.ok() || !problems[i].isEmpty())
            status = EXIT_DEVICE_ERROR;
        // A device whose file was not written is no backup, though it was read.
        RecordDevice& entry = recordDevices.emplace_back(RecordDeviceOf(task, RecordKind::Backup));
        if (!problems[i].isEmpty()) {
            entry.outcome = RecordOutcome::Failed;
            entry.error = problems[i];
        }
        const QStringList breaks =
            task.ok() ? RuleBreaks(task.before, AllRows(task.before)) : QStringList();
        for (const QString& line : breaks)
            Err() << task.addressText() << ": " << line << Qt::endl;
        QStringList errorKeys;
        for (const QString& line :
             task.ok() ? ErrorReplies(files[i].values, &errorKeys) : QStringList())
            Err() << task.addressText() << ": " << Tr(MSG_ERROR_REPLY_KEPT).arg(line) << Qt::endl;
        // A file is named only where it holds this device's backup now.
        const bool fileWritten = task.ok() && problems[i].isEmpty();
        QJsonObject object{{"file", fileWritten ? targets[i] : QString()},
                           {"ruleBreaks", QJsonArray::fromStringList(breaks)},
                           {"errorReplies", QJsonArray::fromStringList(errorKeys)}};
        if (!problems[i].isEmpty()) {
            object.insert("fileError", problems[i]);
            object.insert("address", task.addressText());
            object.insert("ok", false);
            object.insert("reached", task.answered());
            if (run.json)
                run.devices.append(object);
            else
                Out() << task.addressText() << ": " << EscapedText(problems[i]) << Qt::endl;
            continue;
        }
        if (history && task.ok()) {
            written << QFileInfo(targets[i]).fileName();
            object.insert("changedKeys", QJsonArray::fromStringList(changed[i]));
            if (!changed[i].isEmpty())
                changes << QString("%1 (%2): %3")
                               .arg(EscapedText(files[i].serialNumber), task.addressText(),
                                    changed[i].join(", "));
        }
        run.Result(task, Tr(MSG_SAVED).arg(Settings(files[i].values.size()), targets[i]), object);
    }
    QJsonObject result;
    // The record never replaces one of this run's backups.
    const QStringList backups(targets.cbegin(), targets.cend());
    if (!history) {
        status = WriteRunRecord(run, RecordKind::Backup, std::move(recordDevices), status, result,
                                backups);
        return run.Finish(status, result);
    }
    const std::optional<QString> commit = folder.Commit(written, HistoryMessage(changes), error);
    result.insert("commit", commit ? QJsonValue(*commit) : QJsonValue());
    if (!error.isEmpty()) {
        Err() << "tolvoctl: " << error << Qt::endl;
        result.insert("commitError", error); // so that a null commit is not "nothing changed"
        status = EXIT_DEVICE_ERROR;
    } else if (!run.json) {
        // Where a device failed, what it holds may have changed all the same.
        const char* unchanged =
            status == EXIT_OK ? MSG_HISTORY_UNCHANGED : MSG_HISTORY_UNCHANGED_WRITTEN;
        Out() << (commit ? Tr(MSG_HISTORY_COMMITTED).arg(*commit, changes.join("; "))
                         : Tr(unchanged))
              << Qt::endl;
    }
    status =
        WriteRunRecord(run, RecordKind::Backup, std::move(recordDevices), status, result, backups);
    return run.Finish(status, result);
}

int Check(Invocation& run)
{
    if (run.positional.size() != 1)
        return Usage(Tr(MSG_CHECK_ARGUMENTS));
    const QString path = run.positional.first();
    QStringList problems;
    const std::optional<SettingsFile> file = LoadSettingsInput(path, problems);
    QStringList errorKeys;
    const QStringList errorReplies = file ? ErrorReplies(file->values, &errorKeys) : QStringList();
    if (run.json) {
        Out() << QJsonDocument(QJsonObject{{"schemaVersion", JSON_SCHEMA_VERSION},
                                           {"command", "check"},
                                           {"file", path},
                                           {"valid", file.has_value()},
                                           {"problems", QJsonArray::fromStringList(problems)},
                                           {"errorReplies", QJsonArray::fromStringList(errorKeys)}})
                     .toJson(QJsonDocument::Indented);
        return file ? EXIT_OK : EXIT_USAGE;
    }
    for (const QString& line : errorReplies)
        Err() << InputName(path) << ": " << Tr(MSG_ERROR_REPLY_CHECKED).arg(line) << Qt::endl;
    if (!file) {
        for (const QString& problem : problems)
            Err() << InputName(path) << ": " << problem << Qt::endl;
        return EXIT_USAGE;
    }
    Out() << Tr(MSG_FILE_VALID).arg(InputName(path)).arg(file->values.size()) << Qt::endl;
    return EXIT_OK;
}
int Diff(Invocation& run)
{
    if (run.positional.size() != 2)
        return Usage(Tr(MSG_DIFF_ARGUMENTS));
    uint32_t first = 0;
    QString error;
    if (!ParseAddressArgument(run.positional.first(), first, error))
        return DiffVersions(run); // two versions, no device
    const QString path = run.positional.takeLast();
    if (!TakeAddresses(run, true, error))
        return Usage(error);
    if (run.addresses.size() != 1)
        return Usage(Tr(MSG_DIFF_ONE_DEVICE));
    QStringList problems;
    const std::optional<SettingsFile> file = LoadVersion(run, path, problems);
    if (!file)
        return ReportFileProblems(path, problems);
    DeviceTasks tasks = run.MakeTasks();
    tasks.front()->ConnectAndRead(tasks.front()->before);
    if (!run.Run(tasks))
        return EXIT_DEVICE_ERROR;
    const DeviceTask& task = *tasks.front();
    if (!task.ok()) {
        run.Result(task, {});
        return run.Finish(EXIT_DEVICE_ERROR);
    }
    QJsonArray rows;
    const std::vector<HeldDifference> differ = HeldDifferences(file->values, task.before);
    for (const auto& [key, device, wanted] : differ) {
        rows.append(QJsonObject{{"key", key}, {"device", device}, {"file", wanted}});
        if (!run.json)
            Out()
                << Tr(MSG_DIFFERS_LINE).arg(key, QuotedValue(key, device), QuotedValue(key, wanted))
                << Qt::endl;
    }
    run.Result(
        task,
        Tr(differ.size() == 1 ? MSG_ONE_DIFFERS : MSG_SEVERAL_DIFFER).arg(Settings(differ.size())),
        QJsonObject{{"differences", rows}});
    return run.Finish(differ.empty() ? EXIT_OK : EXIT_DIFFERENT);
}

} // namespace cli
