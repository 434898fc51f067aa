// What every tolvoctl command shares: the output streams, the command's
// arguments, the devices and how to reach them, and the helpers and
// sentences that several commands use.
#pragma once

#include "Console.h"
#include "DeviceTask.h"
#include "Messages.h"
#include "SerialFileName.h"
#include "SettingsFile.h"
#include "Tolvoctl.h"
#include "Transcript.h"
#include "VerifiedWrite.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstdio>
#include <optional>
#include <vector>

namespace cli {

QTextStream& Out();
QTextStream& Err();
// Why something written to stdout did not get there; empty when all did.
QString OutputFailure();

constexpr int DEFAULT_JOBS = 16;
// The version of the --json output's schema (docs/json/): raised by any change
// that a reader of an earlier version could trip on.
constexpr int JSON_SCHEMA_VERSION = 1;

struct Invocation;

struct Command {
    const char* name;
    const char* synopsis;
    const char* description;
    int (*run)(Invocation&);
};

// "1 setting", "23 settings".
QString Settings(qsizetype count);
// "n of m devices" over the last such line on stderr.
void ShowProgress(std::size_t done, std::size_t total);
// Runs every task, at most jobs at once, in one thread, until all are done.
// When showProgress, "n of m devices" is kept up to date on stderr. False,
// said on stderr, when the run stopped because this computer could not
// open another connection: the tasks not started then have no result, and
// the command ends with EXIT_DEVICE_ERROR and no report.
[[nodiscard]] bool RunTasks(DeviceTasks& tasks, int jobs, bool showProgress);
QString Value(const DeviceSettings& settings, const ConfigParam& row);

// A device's address and outcome in its --json object: ok; when not, the
// error and whether the device was reached at all.
void AddDeviceOutcome(QJsonObject& object, const DeviceTask& task);

struct Invocation {
    const Command* command = nullptr;
    QCommandLineParser parser;
    QStringList positional;
    std::vector<uint32_t> addresses;
    quint16 port = DEVICE_COMMAND_PORT;
    int jobs = DEFAULT_JOBS;
    int timeoutMs = DEVICE_TIMEOUT_MS;
    int moveWaitMs = MOVE_WAIT_MS;
    bool json = false;
    bool trace = false; // --trace: each device's transcript on stderr
    QJsonArray devices; // --json: one object per device
    int succeeded = 0;

    QStringList defined; // the options this command has

    // Whether the option was given; false for options this command lacks.
    bool Given(const QString& name) const { return defined.contains(name) && parser.isSet(name); }

    DeviceTasks MakeTasks() const;
    // RunTasks with the invocation's jobs (and --trace).
    [[nodiscard]] bool Run(DeviceTasks& tasks) const;

    // One device's result: a line on stdout, or an object for --json.
    void Result(const DeviceTask& task, const QString& line, QJsonObject object = {})
    {
        succeeded += task.ok() ? 1 : 0;
        AddDeviceOutcome(object, task);
        if (json)
            devices.append(object);
        else
            Out() << task.addressText() << ": " << (task.ok() ? line : WriteFailure(task))
                  << Qt::endl;
    }
    int Finish(int status, QJsonObject extra = {})
    {
        const int total = static_cast<int>(addresses.size());
        if (json) {
            extra.insert("schemaVersion", JSON_SCHEMA_VERSION);
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

// What names standard input where a FILE is taken.
inline constexpr const char* STDIN_ARGUMENT = "-";
// A settings file, or with STDIN_ARGUMENT the settings document on standard
// input: a caller's password then needs neither a command line nor a file.
std::optional<SettingsFile> LoadSettingsInput(const QString& path, QStringList& problems);
// The path as messages name it: "standard input" for STDIN_ARGUMENT.
QString InputName(const QString& path);

// A usage error on stderr; EXIT_USAGE.
int Usage(const QString& error);
// Reads option name as a number from low to high into out, when given.
bool ReadNumber(const Invocation& run, const QString& name, int low, int high, int& out,
                QString& error);
// Takes the positional arguments that are addresses (all, or those that
// parse as one when others may follow) and the --hosts file.
bool TakeAddresses(Invocation& run, bool allPositional, QString& error);
int ReportFileProblems(const QString& path, const QStringList& problems);
// The values of a device that break their row's rule, as sentences.
QStringList RuleBreaks(const DeviceSettings& values, const std::vector<const ConfigParam*>& rows);
std::vector<const ConfigParam*> AllRows(const DeviceSettings& table);

// The commands, each on its parsed invocation; the exit status.
int Get(Invocation& run);
int Backup(Invocation& run);
int Check(Invocation& run);
int Diff(Invocation& run);
int Restore(Invocation& run);
int Set(Invocation& run);
int Scan(Invocation& run);
int History(Invocation& run);
// diff of two versions (files, or SERIAL@VERSION), without a device.
int DiffVersions(Invocation& run);
// A settings file, or SERIAL@VERSION of the folder of --dir.
std::optional<SettingsFile> LoadVersion(const Invocation& run, const QString& name,
                                        QStringList& problems);

} // namespace cli
