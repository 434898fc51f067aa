// tolvo-sim: the device's command service, simulated on a loopback address.
#include "SimDevice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QThread>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

// Devices whose replies wait each run in a thread of its own, so that replies
// due at the same moment go out at once, as those of real devices would.
// Devices that answer at once share a few threads: fewer switches between
// them leave more of the machine to the program under test. Little stack is
// needed, and up to 1000 threads must fit.
constexpr int SHARED_THREADS = 4;
constexpr uint DEVICE_STACK_BYTES = 256 * 1024;

// A thousand devices listen on a thousand sockets, each with its clients:
// the limit on open files goes as high as the system allows.
void RaiseOpenFileLimit()
{
#ifdef Q_OS_UNIX
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
#endif
}

bool ParseCount(const QCommandLineParser& parser, const QString& name, int& out)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    out = parser.value(name).toInt(&ok);
    return ok && out >= 0;
}

// One loopback address (IPv4) of a range, as a number; nothing when it is none.
std::optional<quint32> LoopbackAddress(const QString& text)
{
    const QHostAddress address(text);
    if (address.protocol() != QAbstractSocket::IPv4Protocol || !address.isLoopback())
        return std::nullopt;
    return address.toIPv4Address();
}

bool ParseMoves(const QCommandLineParser& parser, MoveOptions& moves, QString& error)
{
    if (parser.isSet("move-after")) {
        bool ok = false;
        moves.afterMs = parser.value("move-after").toInt(&ok);
        if (!ok || moves.afterMs < 0) {
            error = "--move-after takes MS, a whole number of 0 or more";
            return false;
        }
    }
    moves.leaveOnNetworkChange = parser.isSet("leave-on-network-change");
    moves.hasDhcpRange = parser.isSet("dhcp-range");
    for (const QString& option : {QString("dhcp-range"), QString("leave-on-network-change")}) {
        if (parser.isSet(option) && !moves.enabled()) {
            error = QString("--%1 needs --move-after").arg(option);
            return false;
        }
    }
    if (!moves.hasDhcpRange)
        return true;
    const QStringList ends = parser.value("dhcp-range").split('-');
    const auto first = LoopbackAddress(ends.value(0));
    const auto last = LoopbackAddress(ends.value(1));
    if (ends.size() != 2 || !first || !last || *first > *last) {
        error = "--dhcp-range takes FIRST-LAST, two loopback addresses (127.0.0.0/8), the "
                "first not after the last";
        return false;
    }
    moves.dhcpFirst = *first;
    moves.dhcpLast = *last;
    return true;
}

bool ParseOptions(const QCommandLineParser& parser, SimOptions& options, QString& error)
{
    options.address = QHostAddress(parser.value("address"));
    if (options.address.isNull() || !options.address.isLoopback()) {
        error = "the address must be a loopback address (127.0.0.0/8 or ::1)";
        return false;
    }
    bool ok = false;
    const uint port = parser.value("port").toUInt(&ok);
    if (!ok || port > 65535) {
        error = "the port must be a number from 0 to 65535";
        return false;
    }
    options.port = static_cast<quint16>(port);
    options.crlf = parser.isSet("crlf");
    options.silent = parser.isSet("silent");
    options.longReplyKey = parser.value("long-reply").toLatin1();
    if (!ParseCount(parser, "close-after", options.closeAfter) ||
        !ParseCount(parser, "delay", options.delayMs) ||
        !ParseCount(parser, "refuse-seconds", options.refuseSeconds) ||
        !ParseCount(parser, "reset-first", options.resetFirst)) {
        error = "counts and times must be whole numbers of 0 or more";
        return false;
    }
    if (parser.isSet("apply-unanswered")) {
        const QString mode = parser.value("apply-unanswered");
        static const QMap<QString, SimOptions::ApplyAnswer> MODES{
            {"silent", SimOptions::ApplyAnswer::Silent},
            {"close", SimOptions::ApplyAnswer::Close},
            {"hang", SimOptions::ApplyAnswer::Hang}};
        if (!MODES.contains(mode)) {
            error = "--apply-unanswered takes silent, close or hang";
            return false;
        }
        options.applyAnswer = MODES.value(mode);
    }
    options.closeAfterApply = parser.isSet("close-after-apply");
    if (parser.isSet("chaos")) {
        bool seedOk = false;
        bool rateOk = true;
        bool delayOk = true;
        options.chaos.enabled = true;
        options.chaos.seed = parser.value("chaos").toUInt(&seedOk);
        if (parser.isSet("chaos-rate"))
            options.chaos.rate = parser.value("chaos-rate").toDouble(&rateOk);
        if (parser.isSet("chaos-max-delay"))
            options.chaos.maxDelayMs = parser.value("chaos-max-delay").toInt(&delayOk);
        if (!seedOk || !rateOk || !delayOk || options.chaos.rate < 0 || options.chaos.rate > 1 ||
            options.chaos.maxDelayMs < 0) {
            error = "--chaos takes a seed (0 to 4294967295), --chaos-rate 0 to 1, "
                    "--chaos-max-delay MS of 0 or more";
            return false;
        }
    }
    for (const QString& key : parser.values("ignore-set"))
        options.ignoredSets.append(key.toLatin1());
    if (parser.isSet("devices")) {
        bool ok = false;
        options.devices = parser.value("devices").toInt(&ok);
        const quint32 last = options.address.toIPv4Address() + quint32(options.devices) - 1;
        if (!ok || options.devices < 1 || options.devices > 1000 ||
            options.address.protocol() != QAbstractSocket::IPv4Protocol ||
            !QHostAddress(last).isLoopback()) {
            error = "--devices takes 1 to 1000, and every address must stay in 127.0.0.0/8";
            return false;
        }
    }
    for (const QString& option : {QStringLiteral("set"), QStringLiteral("pending")}) {
        auto& values = option == "set" ? options.initialValues : options.pendingValues;
        for (const QString& assignment : parser.values(option)) {
            const qsizetype eq = assignment.indexOf('=');
            if (eq <= 0) {
                error = QString("--%1 takes KEY=VALUE").arg(option);
                return false;
            }
            values.append({assignment.left(eq).toLatin1(), assignment.mid(eq + 1).toLatin1()});
        }
    }
    for (const QString& assignment : parser.values("reply")) {
        const qsizetype eq = assignment.indexOf('=');
        const auto bytes = SimDevice::Unescape(assignment.mid(eq + 1).toLatin1());
        if (eq <= 0 || !bytes) {
            error = "--reply takes KEY=BYTES, the bytes escaped as the log writes them "
                    "(\\r \\n \\0 \\t \\\\ \\xHH)";
            return false;
        }
        options.initialValues.append({assignment.left(eq).toLatin1(), *bytes});
    }
    for (const QString& key : parser.values("unknown"))
        options.unknownKeys.append(key.toLatin1());
    options.echoSet = parser.isSet("echo-set");
    return ParseMoves(parser, options.moves, error);
}

} // namespace

int main(int argc, char* argv[])
{
    RaiseOpenFileLimit();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tolvo-sim");
    QCoreApplication::setApplicationVersion(TOLVO_VERSION_TEXT);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Simulates the Tolvo-S command service: answers \"get KEY\", keeps \"set KEY VALUE\" "
        "pending until \"set CONFIGURE\", and logs every command it receives (escaped) as "
        "lines \"RECV <bytes>\".");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {"address", "Loopback address to listen on.", "address", "127.0.0.1"},
        {"port", "TCP port to listen on; 0 picks a free one.", "port", "4070"},
        {"log", "Write the log to this file instead of standard output.", "file"},
        {"set", "Start with KEY holding VALUE (repeatable).", "KEY=VALUE"},
        {"pending",
         "Start with \"set KEY VALUE\" pending, as a write cut before its apply "
         "leaves it: the next \"set CONFIGURE\" applies it (repeatable).",
         "KEY=VALUE"},
        {"crlf", "End replies with CR LF instead of CR."},
        {"close-after", "Close each connection after N replies.", "N"},
        {"silent", "Never reply."},
        {"delay", "Wait MS milliseconds before each reply.", "MS"},
        {"long-reply", "Answer \"get KEY\" with a reply of 2000 bytes.", "KEY"},
        {"refuse-seconds", "Refuse connections (not listening) for the first S seconds.", "S"},
        {"reset-first", "Reset the first N connections as soon as they are accepted.", "N"},
        {"devices", "Simulate N devices on N consecutive addresses from --address.", "N"},
        {"ignore-set", "Answer \"set KEY ...\" but never keep the value (repeatable).", "KEY"},
        {"apply-unanswered",
         "Apply \"set CONFIGURE\" but leave it unanswered: stay silent, close, or hang (answer "
         "nothing more on any connection).",
         "silent|close|hang"},
        {"close-after-apply", "Answer \"set CONFIGURE\", then close the connection."},
        {"reply",
         "Start with KEY holding BYTES, written escaped as the log writes them (\\r \\n \\0 \\t "
         "\\\\ \\xHH), so that \"get KEY\" is answered with any bytes at all: a zero byte, a line "
         "end or an ESC inside the reply (repeatable).",
         "KEY=BYTES"},
        {"unknown",
         "Know no setting KEY, as older firmware: \"get KEY\" and \"set KEY ...\" are answered "
         "\"ERROR unknown key\" (repeatable).",
         "KEY"},
        {"echo-set", "Answer \"set KEY VALUE\" with \"OK KEY VALUE\" instead of \"OK\"."},
        {"chaos",
         "Misbehave at random, connection by connection, drawn from SEED: close at a byte, "
         "reset, wait, end lines with CR LF or LF, send an over-long line, a zero or 8-bit "
         "byte, stray bytes, fall silent, or ignore a set. Logs each connection's fault, every "
         "get reply sent (\"# sent KEY=VALUE\") and what it holds (\"# holds ...\").",
         "SEED"},
        {"chaos-rate", "The share of connections that misbehave (default 0.5).", "R"},
        {"chaos-max-delay", "The long waits of the delay fault, in ms (default 6000).", "MS"},
        {"move-after",
         "Move as a device does when it applies settings: an apply that changes IPADDRESS "
         "while DHCP is 0, or turns DHCP from 1 to 0, ends the device's connections and "
         "listens on the new IPADDRESS (same port) MS milliseconds later if it is a loopback "
         "address, or nowhere if not. Logs \"# moving to A in MS ms\", then \"# listening on "
         "A:PORT\", \"# cannot listen on A:PORT: REASON\" or \"# left the network\".",
         "MS"},
        {"dhcp-range",
         "With --move-after: an apply that turns DHCP from 0 to 1 moves the device to the "
         "first address of this loopback range that no other device of this simulator holds, "
         "and \"get IPADDRESS\" answers it while DHCP is 1. Without it, turning DHCP on "
         "leaves the network.",
         "FIRST-LAST"},
        {"leave-on-network-change",
         "With --move-after: an apply that changes SSID, PASSWORD or NTYPE ends the device's "
         "connections and leaves the network (listens nowhere), even if IPADDRESS changed too."},
    });
    parser.process(app);

    SimOptions options;
    QString error;
    if (!ParseOptions(parser, options, error)) {
        std::fprintf(stderr, "tolvo-sim: %s\n", qPrintable(error));
        return 2;
    }

    QTextStream out(stdout);
    QFile logFile;
    if (parser.isSet("log")) {
        logFile.setFileName(parser.value("log"));
        if (!logFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            std::fprintf(stderr, "tolvo-sim: cannot write %s\n", qPrintable(logFile.fileName()));
            return 2;
        }
    } else if (!logFile.open(stdout, QIODevice::WriteOnly | QIODevice::Text)) {
        return 2;
    }
    SimLog log(&logFile);
    SimNetwork network(options.moves);

    // Several devices are independent, as real ones are: each answers from its
    // own thread, or one it shares with devices that never wait.
    std::vector<std::unique_ptr<SimDevice>> devices;
    std::vector<std::unique_ptr<QThread>> threads;
    const bool repliesWait = options.delayMs > 0 || options.chaos.enabled;
    const std::size_t threadCount =
        repliesWait ? std::size_t(options.devices) : std::size_t(SHARED_THREADS);
    for (int index = 0; index < options.devices; ++index) {
        auto device = std::make_unique<SimDevice>(options, index, log, network);
        const QHostAddress address(options.address.toIPv4Address() + quint32(index));
        QObject::connect(device.get(), &SimDevice::listening, &app, [&out, address](quint16 port) {
            out << "tolvo-sim listening on " << address.toString() << ":" << port << Qt::endl;
        });
        if (!device->Start()) {
            std::fprintf(stderr, "tolvo-sim: cannot listen on %s:%u\n",
                         qPrintable(address.toString()), unsigned(options.port));
            return 1;
        }
        if (options.devices > 1) {
            if (threads.size() < threadCount) {
                threads.push_back(std::make_unique<QThread>());
                threads.back()->setStackSize(DEVICE_STACK_BYTES);
                threads.back()->start();
            }
            device->moveToThread(threads[std::size_t(index) % threadCount].get());
        }
        devices.push_back(std::move(device));
    }
    const int status = app.exec();
    for (auto& thread : threads) {
        thread->quit();
        thread->wait();
    }
    return status;
}
