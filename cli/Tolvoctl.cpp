#include "Tolvoctl.h"

#include "Invocation.h"
#include "Language.h"
#include "RunRecord.h"

namespace cli {
namespace {

const Command COMMANDS[] = {
    {"get", "get ADDRESS... [KEY...]", MSG_HELP_GET, Get},
    {"backup", "backup ADDRESS... -o PATH [--history] [--record FILE [--note TEXT]]",
     MSG_HELP_BACKUP, Backup},
    {"check", "check FILE|-", MSG_HELP_CHECK, Check},
    {"diff", "diff ADDRESS FILE | diff FILE FILE   (FILE or SERIAL@VERSION)", MSG_HELP_DIFF, Diff},
    {"history", "history DIR SERIAL", MSG_HELP_HISTORY, History},
    {"restore",
     "restore ADDRESS... FILE|- [--dry-run] [--only-changed] [--send-error-replies] "
     "[--plan FILE | --plan-first A.B.C.D/N] [--record FILE [--note TEXT]]",
     MSG_HELP_RESTORE, Restore},
    {"set",
     "set ADDRESS... KEY=VALUE... [--plan FILE | --plan-first A.B.C.D/N] [--record FILE "
     "[--note TEXT]]",
     MSG_HELP_SET, Set},
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
    synopses += QLatin1String("  --version\n"); // what deployment scripts detect by
    return Tr(MSG_USAGE).arg(synopses, Tr(MSG_EXIT_HELP) + "\n\n" +
                                           Tr(MSG_LANGUAGE_HELP).arg(SpokenLanguages().join(", ")));
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
    if (name != "check" && name != "history") {
        parser.addOption({"timeout", Tr(MSG_OPTION_TIMEOUT), "MS"});
        parser.addOption({"jobs", Tr(MSG_OPTION_JOBS), "N"});
        parser.addOption({"port", Tr(MSG_OPTION_PORT), "PORT"});
    }
    if (name != "check" && name != "scan" && name != "history") {
        parser.addOption({"hosts", Tr(MSG_OPTION_HOSTS), "FILE"});
        parser.addOption({"trace", Tr(MSG_OPTION_TRACE)});
    }
    if (name == "backup") {
        parser.addOption({{"o", "output"}, Tr(MSG_OPTION_OUTPUT), "PATH"});
        parser.addOption({"force", Tr(MSG_OPTION_FORCE)});
        parser.addOption({"history", Tr(MSG_OPTION_HISTORY)});
    }
    if (name == "diff")
        parser.addOption({"dir", Tr(MSG_OPTION_DIR), "DIR"});
    if (name == "restore" || name == "set") {
        parser.addOption({"move-wait", Tr(MSG_OPTION_MOVE_WAIT), "MS"});
        parser.addOption({"plan", Tr(MSG_OPTION_PLAN), "FILE"});
        parser.addOption({"plan-first", Tr(MSG_OPTION_PLAN_FIRST), "A.B.C.D/N"});
    }
    if (name == "backup" || name == "restore" || name == "set") {
        parser.addOption({"record", Tr(MSG_OPTION_RECORD), "FILE"});
        parser.addOption({"note", Tr(MSG_OPTION_NOTE), "TEXT"});
    }
    if (name == "restore") {
        parser.addOption({"dry-run", Tr(MSG_OPTION_DRY_RUN)});
        parser.addOption({"only-changed", Tr(MSG_OPTION_ONLY_CHANGED)});
        parser.addOption({"send-error-replies", Tr(MSG_OPTION_SEND_ERROR_REPLIES)});
    }
    parser.addPositionalArgument("ARGUMENTS", Tr(MSG_ARGUMENTS),
                                 QLatin1String(run.command->synopsis));
}

bool ReadCommonOptions(Invocation& run, QString& error)
{
    int port = DEVICE_COMMAND_PORT;
    if (!ReadNumber(run, "jobs", 1, 1000, run.jobs, error) ||
        !ReadNumber(run, "timeout", 1, 600000, run.timeoutMs, error) ||
        !ReadNumber(run, "move-wait", 0, 3600000, run.moveWaitMs, error) ||
        !ReadNumber(run, "port", 1, 65535, port, error))
        return false;
    run.port = static_cast<quint16>(port);
    run.json = run.Given("json");
    run.trace = run.Given("trace");
    run.positional = run.parser.positionalArguments();
    error = RecordOptionProblem(run);
    return error.isEmpty();
}

} // namespace
} // namespace cli

using namespace cli;

namespace {

int RunCommand(const QStringList& arguments)
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

} // namespace

int RunTolvoctl(const QStringList& arguments)
{
    const int status = RunCommand(arguments);
    // Output redirected to a full disk is lost: the run did not give what it says.
    const QString failure = OutputFailure();
    if (failure.isEmpty())
        return status;
    Err() << "tolvoctl: " << Tr(MSG_CANNOT_WRITE).arg(Tr(MSG_STANDARD_OUTPUT), failure) << Qt::endl;
    return status == EXIT_USAGE ? status : EXIT_DEVICE_ERROR;
}
