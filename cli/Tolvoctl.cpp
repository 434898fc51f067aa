#include "Tolvoctl.h"

#include "AddressList.h"
#include "BackupFiles.h"
#include "DeviceTask.h"
#include "Messages.h"
#include "ParamRules.h"
#include "SettingsFile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>
#include <map>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

QTextStream& Out()
{
    static QTextStream out(stdout);
    return out;
}

QTextStream& Err()
{
    static QTextStream err(stderr);
    return err;
}

// Whether stderr is a terminal, so that progress may be shown on it.
bool StderrIsTerminal()
{
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

constexpr int DEFAULT_JOBS = 16;
constexpr int DEFAULT_SCAN_TIMEOUT_MS = 1000;

struct Invocation;
int Get(Invocation& run);
int Backup(Invocation& run);
int Check(Invocation& run);
int Diff(Invocation& run);
int Restore(Invocation& run);
int Set(Invocation& run);
int Scan(Invocation& run);

struct Command {
    const char* name;
    const char* synopsis;
    const char* description;
    int (*run)(Invocation&);
};

const Command COMMANDS[] = {
    {"get", "get ADDRESS... [KEY...]", MSG_HELP_GET, Get},
    {"backup", "backup ADDRESS... -o PATH", MSG_HELP_BACKUP, Backup},
    {"check", "check FILE", MSG_HELP_CHECK, Check},
    {"diff", "diff ADDRESS FILE", MSG_HELP_DIFF, Diff},
    {"restore", "restore ADDRESS... FILE [--dry-run] [--only-changed]", MSG_HELP_RESTORE, Restore},
    {"set", "set ADDRESS... KEY=VALUE...", MSG_HELP_SET, Set},
    {"scan", "scan RANGE...", MSG_HELP_SCAN, Scan},
};

const Command* FindCommand(const QString& name)
{
    for (const Command& command : COMMANDS) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

QString GeneralHelp()
{
    QString synopses;
    for (const Command& command : COMMANDS)
        synopses += "  " + QLatin1String(command.synopsis) + u'\n';
    return Tr(MSG_USAGE).arg(synopses, Tr(MSG_EXIT_HELP));
}

// "1 setting", "23 settings".
QString Settings(qsizetype count)
{
    return count == 1 ? Tr(MSG_ONE_SETTING) : Tr(MSG_SETTINGS).arg(count);
}

// Why one device's task failed, as a short sentence.
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
    }
    return Tr(MSG_FAILED_WHILE).arg(Tr(task.failedDoing()), why);
}

// The value that settings hold for key, or the empty text.
QString HeldValue(const DeviceSettings& settings, const QString& key)
{
    for (const ConfigGroup& group : settings)
        for (const ConfigParam& row : group.rows)
            if (key == QLatin1String(row.key))
                return row.value ? DeviceTextToWide(*row.value) : QString();
    return {};
}

QString Value(const DeviceSettings& settings, const ConfigParam& row)
{
    return HeldValue(settings, QString::fromLatin1(row.key));
}

// Bytes as the simulator logs them: CR, LF, NUL and other controls escaped.
QString Escaped(const std::string& bytes)
{
    QString out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\0')
            out += "\\0";
        else if (c == '\\')
            out += "\\\\";
        else if (byte < 0x20 || byte == 0x7F)
            out += QString("\\x%1").arg(byte, 2, 16, QChar('0'));
        else
            out += QChar(byte);
    }
    return out;
}

// What every command shares: its arguments, the devices and how to reach them.
struct Invocation {
    const Command* command = nullptr;
    QCommandLineParser parser;
    QStringList positional;
    std::vector<uint32_t> addresses;
    quint16 port = DEVICE_COMMAND_PORT;
    int jobs = DEFAULT_JOBS;
    int timeoutMs = DEVICE_TIMEOUT_MS;
    bool json = false;
    QJsonArray devices; // --json: one object per device
    int succeeded = 0;

    QStringList defined; // the options this command has

    // Whether the option was given; false for options this command lacks.
    bool Given(const QString& name) const { return defined.contains(name) && parser.isSet(name); }

    DeviceTasks MakeTasks() const
    {
        DeviceTasks tasks;
        for (const uint32_t address : addresses)
            tasks.push_back(std::make_unique<DeviceTask>(address, port, timeoutMs));
        return tasks;
    }
    void Run(DeviceTasks& tasks) const { RunTasks(tasks, jobs, StderrIsTerminal()); }

    // One device's result: a line on stdout, or an object for --json.
    void Result(const DeviceTask& task, const QString& line, QJsonObject object = {})
    {
        succeeded += task.ok() ? 1 : 0;
        object.insert("address", task.addressText());
        object.insert("ok", task.ok());
        if (!task.ok())
            object.insert("error", DeviceFailure(task));
        if (json)
            devices.append(object);
        else
            Out() << task.addressText() << ": " << (task.ok() ? line : DeviceFailure(task))
                  << Qt::endl;
    }
    int Finish(int status, QJsonObject extra = {})
    {
        const int total = static_cast<int>(addresses.size());
        if (json) {
            extra.insert("command", QLatin1String(command->name));
            extra.insert("devices", devices);
            extra.insert("succeeded", succeeded);
            extra.insert("failed", total - succeeded);
            extra.insert("exitStatus", status);
            Out() << QJsonDocument(extra).toJson(QJsonDocument::Indented);
        } else {
            Out() << Tr(MSG_DEVICES_SUCCEEDED).arg(succeeded).arg(total) << Qt::endl;
        }
        Out().flush();
        return status;
    }
};

int Usage(const QString& error)
{
    Err() << "tolvoctl: " << error << Qt::endl;
    return EXIT_USAGE;
}

bool ReadNumber(const Invocation& run, const QString& name, int low, int high, int& out,
                QString& error)
{
    if (!run.Given(name))
        return true;
    bool ok = false;
    out = run.parser.value(name).toInt(&ok);
    if (ok && out >= low && out <= high)
        return true;
    error = Tr(MSG_NUMBER_OPTION).arg(name).arg(low).arg(high);
    return false;
}

// Takes the positional arguments that are addresses (all, or those that
// parse as one when others may follow) and the --hosts file.
bool TakeAddresses(Invocation& run, bool allPositional, QString& error)
{
    QStringList rest;
    for (const QString& argument : run.positional) {
        uint32_t address = 0;
        if (ParseAddressArgument(argument, address, error))
            run.addresses.push_back(address);
        else if (allPositional)
            return false;
        else
            rest << argument;
    }
    run.positional = rest;
    if (run.Given("hosts") && !ReadHostsFile(run.parser.value("hosts"), run.addresses, error))
        return false;
    if (run.addresses.empty()) {
        error = Tr(MSG_NO_ADDRESS);
        return false;
    }
    return true;
}

std::optional<SettingsFile> LoadSettingsFile(const QString& path, QStringList& problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems << Tr(MSG_CANNOT_READ).arg(path, file.errorString());
        return std::nullopt;
    }
    return ReadSettingsFile(file.readAll(), problems);
}

int ReportFileProblems(const QString& path, const QStringList& problems)
{
    for (const QString& problem : problems)
        Err() << path << ": " << problem << Qt::endl;
    Err() << "tolvoctl: " << Tr(MSG_FILE_INVALID).arg(path) << Qt::endl;
    return EXIT_USAGE;
}

// The values of a device that break their row's rule, as sentences.
QStringList RuleBreaks(const DeviceSettings& values, const std::vector<const ConfigParam*>& rows)
{
    QStringList breaks;
    for (const ConfigParam* row : rows) {
        const QString value = Value(values, *row);
        if (const QString problem = ValueProblem(*row, value); !problem.isEmpty())
            breaks << Tr(MSG_RULE_BROKEN).arg(QLatin1String(row->key), value, problem);
    }
    return breaks;
}

std::vector<const ConfigParam*> AllRows(const DeviceSettings& table)
{
    std::vector<const ConfigParam*> rows;
    for (const ConfigGroup& group : table)
        for (const ConfigParam& row : group.rows)
            rows.push_back(&row);
    return rows;
}

// --- the commands ---

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
    run.Run(tasks);
    for (const auto& task : tasks) {
        QJsonObject values;
        if (task->ok() && !run.json && tasks.size() > 1)
            Out() << "# " << task->addressText() << Qt::endl;
        for (const ConfigParam* row : rows) {
            if (!task->ok())
                break;
            values.insert(QLatin1String(row->key), Value(task->before, *row));
            if (!run.json)
                Out() << row->key << '=' << Value(task->before, *row) << Qt::endl;
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
        if (run.json)
            run.devices.append(QJsonObject{{"address", task->addressText()},
                                           {"ok", task->ok()},
                                           {"error", DeviceFailure(*task)},
                                           {"values", values},
                                           {"ruleBreaks", QJsonArray::fromStringList(breaks)}});
    }
    const int status = run.succeeded == int(tasks.size()) ? EXIT_OK : EXIT_DEVICE_ERROR;
    if (!run.json) {
        Err() << Tr(MSG_DEVICES_READ).arg(run.succeeded).arg(tasks.size()) << Qt::endl;
        return status;
    }
    return run.Finish(status);
}

// A file name from a serial number: what could be read as a path becomes "_".
QString SerialFileName(const QString& serial)
{
    QString name = serial;
    name.replace(QRegularExpression("[^A-Za-z0-9._-]"), "_");
    if (name.isEmpty() || name.startsWith('.'))
        name.prepend("device");
    return name + ".json";
}

int Backup(Invocation& run)
{
    QString error;
    if (!TakeAddresses(run, true, error))
        return Usage(error);
    if (!run.Given("output"))
        return Usage(Tr(MSG_BACKUP_NEEDS_OUTPUT));
    const QString path = run.parser.value("output");
    const bool intoFolder = run.addresses.size() > 1;
    if (intoFolder && !QDir().mkpath(path))
        return Usage(Tr(MSG_CANNOT_MAKE_FOLDER).arg(path));
    DeviceTasks tasks = run.MakeTasks();
    std::vector<SettingsFile> files(tasks.size());
    std::vector<QString> targets(tasks.size());
    const auto decideFile = [&](std::size_t i) {
        files[i] = FileFromDevice(tasks[i]->before, tasks[i]->addressText(),
                                  QDateTime::currentDateTimeUtc());
        targets[i] = intoFolder ? QDir(path).filePath(SerialFileName(files[i].serialNumber)) : path;
    };
    // Each file is written while the other devices are still being read.
    BackupFiles writes(tasks.size(), !intoFolder || run.Given("force"));
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        tasks[i]->ConnectAndRead(tasks[i]->before);
        QObject::connect(tasks[i].get(), &DeviceTask::done, tasks[i].get(), [&, i] {
            decideFile(i);
            if (tasks[i]->ok())
                writes.Read(i, targets[i], files[i].serialNumber, SettingsFileJson(files[i]));
            else
                writes.Failed(i);
        });
    }
    run.Run(tasks);
    const std::vector<QString> problems = writes.Finish();

    int status = EXIT_OK;
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        const DeviceTask& task = *tasks[i];
        if (!task.ok() || !problems[i].isEmpty())
            status = EXIT_DEVICE_ERROR;
        const QStringList breaks =
            task.ok() ? RuleBreaks(task.before, AllRows(task.before)) : QStringList();
        for (const QString& line : breaks)
            Err() << task.addressText() << ": " << line << Qt::endl;
        QJsonObject object{{"file", targets[i]},
                           {"ruleBreaks", QJsonArray::fromStringList(breaks)}};
        if (!problems[i].isEmpty()) {
            object.insert("fileError", problems[i]);
            object.insert("address", task.addressText());
            object.insert("ok", false);
            if (run.json)
                run.devices.append(object);
            else
                Out() << task.addressText() << ": " << problems[i] << Qt::endl;
            continue;
        }
        run.Result(task, Tr(MSG_SAVED).arg(Settings(files[i].values.size()), targets[i]), object);
    }
    return run.Finish(status);
}

int Check(Invocation& run)
{
    if (run.positional.size() != 1)
        return Usage(Tr(MSG_CHECK_ARGUMENTS));
    const QString path = run.positional.first();
    QStringList problems;
    const std::optional<SettingsFile> file = LoadSettingsFile(path, problems);
    if (run.json) {
        Out() << QJsonDocument(QJsonObject{{"command", "check"},
                                           {"file", path},
                                           {"valid", file.has_value()},
                                           {"problems", QJsonArray::fromStringList(problems)}})
                     .toJson(QJsonDocument::Indented);
        return file ? EXIT_OK : EXIT_USAGE;
    }
    if (!file) {
        for (const QString& problem : problems)
            Err() << path << ": " << problem << Qt::endl;
        return EXIT_USAGE;
    }
    Out() << Tr(MSG_FILE_VALID).arg(path).arg(file->values.size()) << Qt::endl;
    return EXIT_OK;
}

// The rows of wanted whose value differs from what values holds.
QList<QPair<QString, QString>> Differences(const QList<QPair<QString, QString>>& wanted,
                                           const DeviceSettings& values)
{
    QList<QPair<QString, QString>> differ;
    for (const auto& [key, value] : wanted) {
        const ConfigParam* row = FindWritableRow(values, key);
        if (row == nullptr || !row->value || DeviceTextToWide(*row->value) != value)
            differ.append({key, value});
    }
    return differ;
}

int Diff(Invocation& run)
{
    if (run.positional.size() != 2)
        return Usage(Tr(MSG_DIFF_ARGUMENTS));
    const QString path = run.positional.takeLast();
    QString error;
    if (!TakeAddresses(run, true, error))
        return Usage(error);
    if (run.addresses.size() != 1)
        return Usage(Tr(MSG_DIFF_ONE_DEVICE));
    QStringList problems;
    const std::optional<SettingsFile> file = LoadSettingsFile(path, problems);
    if (!file)
        return ReportFileProblems(path, problems);
    DeviceTasks tasks = run.MakeTasks();
    tasks.front()->ConnectAndRead(tasks.front()->before);
    run.Run(tasks);
    const DeviceTask& task = *tasks.front();
    if (!task.ok()) {
        run.Result(task, {});
        return run.Finish(EXIT_DEVICE_ERROR);
    }
    QJsonArray rows;
    const auto differ = Differences(file->values, task.before);
    for (const auto& [key, value] : differ) {
        const QString device = HeldValue(task.before, key);
        rows.append(QJsonObject{{"key", key}, {"device", device}, {"file", value}});
        if (!run.json)
            Out() << Tr(MSG_DIFFERS_LINE).arg(key, device, value) << Qt::endl;
    }
    run.Result(
        task,
        Tr(differ.size() == 1 ? MSG_ONE_DIFFERS : MSG_SEVERAL_DIFFER).arg(Settings(differ.size())),
        QJsonObject{{"differences", rows}});
    return run.Finish(differ.isEmpty() ? EXIT_OK : EXIT_DIFFERENT);
}

// Restore and set: send wanted to every device, apply, read back, compare.
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
                    const std::string bytes =
                        std::string("set ") + row.key + ' ' + *row.value + '\r' + '\0';
                    commands.append(Escaped(bytes));
                    if (task->ok() && !run.json)
                        Out() << "  " << Escaped(bytes) << Qt::endl;
                }
            }
            commands.append(Escaped(std::string("set CONFIGURE\r") + '\0'));
            if (task->ok() && !run.json)
                Out() << "  " << Escaped(std::string("set CONFIGURE\r") + '\0') << Qt::endl;
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
            const QString kept = HeldValue(task->after, key);
            rows.append(QJsonObject{{"key", key}, {"sent", value}, {"device", kept}});
            lines << Tr(MSG_NOT_KEPT_LINE).arg(key, value, kept);
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

int Scan(Invocation& run)
{
    if (run.positional.isEmpty())
        return Usage(Tr(MSG_SCAN_ARGUMENTS));
    QString error;
    for (const QString& range : run.positional) {
        if (!ParseRange(range, run.addresses, error))
            return Usage(error);
    }
    if (!run.Given("timeout"))
        run.timeoutMs = DEFAULT_SCAN_TIMEOUT_MS;
    DeviceTasks tasks = run.MakeTasks();
    for (auto& task : tasks)
        task->ConnectAndRead(task->before, {ROW_SERIAL_NUMBER, ROW_FIRMWARE_VERSION});
    run.Run(tasks);
    const DeviceSettings table;
    const ConfigParam& serial = table[GROUP_INFO].rows[0];
    const ConfigParam& firmware = table[GROUP_INFO].rows[1];
    QJsonArray found;
    if (!run.json)
        Out() << QString("%1  %2  %3")
                     .arg(Tr(MSG_SCAN_HEADING_ADDRESS), -15)
                     .arg(Tr(MSG_SCAN_HEADING_SERIAL), -20)
                     .arg(Tr(MSG_SCAN_HEADING_FIRMWARE))
              << Qt::endl;
    for (const auto& task : tasks) {
        if (!task->ok())
            continue;
        const QString s = Value(task->before, serial);
        const QString f = Value(task->before, firmware);
        found.append(QJsonObject{
            {"address", task->addressText()}, {"serialNumber", s}, {"firmwareVersion", f}});
        if (!run.json)
            Out() << QString("%1  %2  %3").arg(task->addressText(), -15).arg(s, -20).arg(f)
                  << Qt::endl;
    }
    if (run.json) {
        Out() << QJsonDocument(QJsonObject{{"command", "scan"},
                                           {"tried", int(tasks.size())},
                                           {"devices", found}})
                     .toJson(QJsonDocument::Indented);
    } else {
        Out() << Tr(MSG_ADDRESSES_ANSWERED).arg(found.size()).arg(tasks.size()) << Qt::endl;
    }
    return EXIT_OK;
}

void AddOptions(Invocation& run)
{
    struct Parser {
        Invocation& run;
        void addOption(const QCommandLineOption& option)
        {
            run.parser.addOption(option);
            run.defined << option.names();
        }
        void addHelpOption() { run.parser.addHelpOption(); }
        void setSingleDashWordOptionMode(QCommandLineParser::SingleDashWordOptionMode mode)
        {
            run.parser.setSingleDashWordOptionMode(mode);
        }
        void addPositionalArgument(const QString& name, const QString& text, const QString& syntax)
        {
            run.parser.addPositionalArgument(name, text, syntax);
        }
    } parser{run};
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    const QString name = QLatin1String(run.command->name);
    parser.addOption({"json", Tr(MSG_OPTION_JSON)});
    if (name != "check") {
        parser.addOption({"timeout", Tr(MSG_OPTION_TIMEOUT), "MS"});
        parser.addOption({"jobs", Tr(MSG_OPTION_JOBS), "N"});
        parser.addOption({"port", Tr(MSG_OPTION_PORT), "PORT"});
    }
    if (name != "check" && name != "scan")
        parser.addOption({"hosts", Tr(MSG_OPTION_HOSTS), "FILE"});
    if (name == "backup") {
        parser.addOption({{"o", "output"}, Tr(MSG_OPTION_OUTPUT), "PATH"});
        parser.addOption({"force", Tr(MSG_OPTION_FORCE)});
    }
    if (name == "restore") {
        parser.addOption({"dry-run", Tr(MSG_OPTION_DRY_RUN)});
        parser.addOption({"only-changed", Tr(MSG_OPTION_ONLY_CHANGED)});
    }
    parser.addPositionalArgument("ARGUMENTS", Tr(MSG_ARGUMENTS),
                                 QLatin1String(run.command->synopsis));
}

bool ReadCommonOptions(Invocation& run, QString& error)
{
    int port = DEVICE_COMMAND_PORT;
    if (!ReadNumber(run, "jobs", 1, 1000, run.jobs, error) ||
        !ReadNumber(run, "timeout", 1, 600000, run.timeoutMs, error) ||
        !ReadNumber(run, "port", 1, 65535, port, error))
        return false;
    run.port = static_cast<quint16>(port);
    run.json = run.Given("json");
    run.positional = run.parser.positionalArguments();
    return true;
}

} // namespace

int RunTolvoctl(const QStringList& arguments)
{
    const QString first = arguments.value(1);
    if (first == "--version" || first == "-v") {
        Out() << "tolvoctl " << TOLVO_VERSION_TEXT << Qt::endl;
        return EXIT_OK;
    }
    if (first.isEmpty() || first == "--help" || first == "-h" || first == "help") {
        (first.isEmpty() ? Err() : Out()) << GeneralHelp();
        return first.isEmpty() ? EXIT_USAGE : EXIT_OK;
    }
    Invocation run;
    run.command = FindCommand(first);
    if (run.command == nullptr)
        return Usage(Tr(MSG_NO_COMMAND).arg(first));
    AddOptions(run);
    run.parser.setApplicationDescription(Tr(run.command->description) + "\n\n" + Tr(MSG_EXIT_HELP));
    QStringList rest = arguments;
    rest.removeAt(1);
    if (!run.parser.parse(rest))
        return Usage(run.parser.errorText());
    if (run.parser.isSet("help")) {
        Out() << run.parser.helpText();
        return EXIT_OK;
    }
    QString error;
    if (!ReadCommonOptions(run, error))
        return Usage(error);
    return run.command->run(run);
}
