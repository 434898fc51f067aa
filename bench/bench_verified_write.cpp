// Times one verified write to one simulated device at D = 0 and D = 5 ms per
// reply: tolvoctl set of one key, restore of all 23 writable keys, and a
// restore --only-changed that finds nothing to send. Each run reads the rows
// concerned, and when it sends anything the other writable rows too, then
// reads every writable row back after the apply, so that a value the apply
// commits without having been sent is seen. Prints the median time of
// several runs and the gets and sets the device received per run.
#include "SimProcess.h"
#include "Tolvoctl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

constexpr int RUNS = 9;
const QString ADDRESS = "127.0.5.200";

// The median time of RUNS runs of tolvoctl with arguments, its output
// silenced; -1 when a run fails.
double MedianMs(const QStringList& arguments)
{
    std::vector<double> times;
    std::fflush(stdout);
    const int saved = dup(1);
    std::freopen("/dev/null", "w", stdout);
    for (int run = 0; run < RUNS; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (RunTolvoctl(QStringList{"tolvoctl"} + arguments) != EXIT_OK)
            times.push_back(-1);
        else
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::fflush(stdout);
    dup2(saved, 1);
    close(saved);
    if (std::count(times.begin(), times.end(), -1.0) > 0)
        return -1;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

qsizetype CountOf(const QList<QByteArray>& commands, const char* verb)
{
    return std::count_if(commands.begin(), commands.end(),
                         [verb](const QByteArray& command) { return command.startsWith(verb); });
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QFile all(dir.filePath("all.json"));
    if (!all.open(QIODevice::WriteOnly))
        return 1;
    // The simulator's factory values, but for the name: every row is sent.
    all.write(R"({"format": "tolvo-s-settings", "version": 1, "settings": {
        "SSID": "TolvoNet", "PASSWORD": "tolvo1234", "IPADDRESS": "127.0.5.200",
        "IPMASK": "255.255.255.0", "DHCP": "0", "CHANNEL": "6", "NTYPE": "0",
        "TRANSPOWER": "10", "DEVICEID": "Bench", "RS232 baudrate": "9600",
        "RS232 databits": "8", "RS232 stopbits": "1", "RS232 parity": "0",
        "DIRECT baudrate": "9600", "DIRECT databits": "8", "DIRECT stopbits": "1",
        "DIRECT parity": "0", "PORTCONNECT 0": "1", "PORT 0": "4001", "PORTCONNECT 1": "2",
        "PORT 1": "4002", "PORTCONNECT 2": "0", "PORT 2": "4003"}})");
    all.close();
    const QList<QPair<const char*, QStringList>> cases{
        {"set one key", {"set", ADDRESS, "DEVICEID=Bench"}},
        {"restore 23 keys", {"restore", ADDRESS, all.fileName()}},
        {"restore --only-changed, nothing differs",
         {"restore", ADDRESS, all.fileName(), "--only-changed"}},
    };
    std::printf("one device, median of %d runs; gets and sets per run\n", RUNS);
    for (const int delayMs : {0, 5}) {
        SimProcess sim({"--delay", QString::number(delayMs)}, ADDRESS, 4070);
        if (!sim.Start()) {
            std::fprintf(stderr, "cannot start tolvo-sim\n");
            return 1;
        }
        for (const auto& [name, arguments] : cases) {
            const qsizetype before = sim.Commands().size();
            const double ms = MedianMs(arguments);
            if (ms < 0 || !sim.Sync()) {
                std::fprintf(stderr, "%s failed\n", name);
                return 1;
            }
            const QList<QByteArray> commands = sim.Commands().mid(before);
            std::printf("D=%d ms  %-42s %8.2f ms  gets=%3lld  sets=%3lld\n", delayMs, name, ms,
                        static_cast<long long>(CountOf(commands, "get ") / RUNS),
                        static_cast<long long>(CountOf(commands, "set ") / RUNS));
        }
    }
    return 0;
}
