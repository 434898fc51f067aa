#include "Invocation.h"

#include "AddressList.h"
#include "ParamRules.h"
#include "TaskRunner.h"

#include <QEventLoop>
#include <QFile>

namespace cli {

namespace {

ConsoleWriter& OutDevice()
{
    static ConsoleWriter device(stdout);
    return device;
}

} // namespace

QTextStream& Out()
{
    static QTextStream out(&OutDevice());
    return out;
}

QString OutputFailure()
{
    Out().flush();
    return OutDevice().failure();
}

QTextStream& Err()
{
    static ConsoleWriter device(stderr);
    static QTextStream err(&device);
    return err;
}

QString Settings(qsizetype count)
{
    return count == 1 ? Tr(MSG_ONE_SETTING) : Tr(MSG_SETTINGS).arg(count);
}

void ShowProgress(std::size_t done, std::size_t total)
{
    Err() << '\r' << Tr(MSG_PROGRESS).arg(done).arg(total) << Qt::flush;
}

bool RunTasks(DeviceTasks& tasks, int jobs, bool showProgress)
{
    QEventLoop loop;
    TaskRunner runner(tasks, jobs);
    const auto report = [&] {
        if (showProgress)
            ShowProgress(runner.finishedCount(), tasks.size());
    };
    QObject::connect(&runner, &TaskRunner::taskDone, &loop, report);
    QObject::connect(&runner, &TaskRunner::finished, &loop, &QEventLoop::quit);
    if (tasks.empty())
        return true;
    report();
    runner.Start();
    loop.exec();
    if (showProgress)
        Err() << Qt::endl;
    if (!runner.outOfConnections())
        return true;
    // Not the devices' fault, and no device's result: the run as a whole failed.
    Err() << "tolvoctl: "
          << Tr(MSG_RUN_STOPPED)
                 .arg(OutOfConnections())
                 .arg(tasks.size() - runner.finishedCount())
                 .arg(tasks.size())
          << Qt::endl;
    return false;
}

void AddDeviceOutcome(QJsonObject& object, const DeviceTask& task)
{
    object.insert("address", task.addressText());
    object.insert("ok", task.ok());
    if (task.ok())
        return;
    object.insert("error", WriteFailure(task));
    object.insert("reached", task.answered());
}

QString Value(const DeviceSettings& settings, const ConfigParam& row)
{
    return HeldValue(settings, QString::fromLatin1(row.key));
}

DeviceTasks Invocation::MakeTasks() const
{
    DeviceTasks tasks;
    for (const uint32_t address : addresses) {
        tasks.push_back(std::make_unique<DeviceTask>(address, port, timeoutMs));
        tasks.back()->SetMoveWait(moveWaitMs);
        if (trace)
            tasks.back()->KeepTranscript();
    }
    return tasks;
}

bool Invocation::Run(DeviceTasks& tasks) const
{
    if (trace) {
        // Each device's transcript in one piece, as its task ends.
        for (auto& task : tasks) {
            QObject::connect(task.get(), &DeviceTask::done, [&task = *task] {
                Err() << "# " << task.addressText() << Qt::endl;
                for (const QString& line : task.transcript().lines())
                    Err() << line << Qt::endl;
            });
        }
    }
    return RunTasks(tasks, jobs, IsConsole(stderr) && !trace);
}

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
    if (run.addresses.size() > std::size_t(MAX_DEVICE_ADDRESSES)) {
        error = Tr(MSG_TOO_MANY_ADDRESSES).arg(MAX_DEVICE_ADDRESSES);
        return false;
    }
    if (run.addresses.empty()) {
        error = Tr(MSG_NO_ADDRESS);
        return false;
    }
    return true;
}

std::optional<SettingsFile> LoadSettingsInput(const QString& path, QStringList& problems)
{
    if (path != QLatin1String(STDIN_ARGUMENT))
        return LoadSettingsFile(path, problems);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        problems << Tr(MSG_CANNOT_READ).arg(Tr(MSG_STANDARD_INPUT), in.errorString());
        return std::nullopt;
    }
    return ReadSettingsFile(in, Tr(MSG_STANDARD_INPUT), problems);
}

QString InputName(const QString& path)
{
    return path == QLatin1String(STDIN_ARGUMENT) ? Tr(MSG_STANDARD_INPUT) : path;
}

int ReportFileProblems(const QString& path, const QStringList& problems)
{
    for (const QString& problem : problems)
        Err() << InputName(path) << ": " << problem << Qt::endl;
    Err() << "tolvoctl: " << Tr(MSG_FILE_INVALID).arg(InputName(path)) << Qt::endl;
    return EXIT_USAGE;
}

QStringList RuleBreaks(const DeviceSettings& values, const std::vector<const ConfigParam*>& rows)
{
    QStringList breaks;
    for (const ConfigParam* row : rows) {
        const QString value = Value(values, *row);
        if (const QString problem = ValueProblem(*row, value); !problem.isEmpty())
            breaks << Tr(MSG_RULE_BROKEN)
                          .arg(QLatin1String(row->key), QuotedValue(QLatin1String(row->key), value),
                               problem);
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

} // namespace cli
