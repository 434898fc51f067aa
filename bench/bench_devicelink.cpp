// Times a full fetch (25 exchanges) and a full push (23 sets and the apply
// command) with the exchange engine against tolvo-sim with a per-reply
// delay, side by side with the same 25 exchanges over a bare socket with no
// protocol code, and prints each against the floor that the delay sets.
#include "ConfigTable.h"
#include "DeviceLink.h"
#include "SimProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

constexpr int RUNS = 31;
constexpr int EXCHANGES = 25;

using Operation = std::function<DeviceResult(DeviceConnection&)>;

// The time in ms of one operation over a fresh connection, or -1 on failure.
double TimeMs(quint16 port, const Operation& operation)
{
    DeviceConnection link;
    if (!link.Connect(0x7F000001, port))
        return -1;
    QElapsedTimer timer;
    timer.start();
    if (operation(link) != DEVICE_OK)
        return -1;
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The same exchanges on the bare socket, blocking: what the machine itself
// adds to the delay (wake-ups, loopback), for comparison.
DeviceResult BareBlocking(DeviceConnection& link)
{
    QTcpSocket& socket = link.socket();
    for (int i = 0; i < EXCHANGES; ++i) {
        socket.write("get SSID\r", 10);
        QByteArray reply;
        while (!reply.endsWith('\r')) {
            if (!socket.waitForReadyRead(DEVICE_TIMEOUT_MS))
                return DEVICE_TIMED_OUT;
            reply += socket.readAll();
        }
    }
    return DEVICE_OK;
}

// The same exchanges on the bare socket, driven by its signals in a local
// event loop, as the engine is.
DeviceResult BareEventDriven(DeviceConnection& link)
{
    QTcpSocket& socket = link.socket();
    QEventLoop loop;
    QByteArray reply;
    int done = 0;
    const auto connection = QObject::connect(&socket, &QTcpSocket::readyRead, [&] {
        reply += socket.readAll();
        if (!reply.endsWith('\r'))
            return;
        reply.clear();
        if (++done == EXCHANGES)
            loop.quit();
        else
            socket.write("get SSID\r", 10);
    });
    socket.write("get SSID\r", 10);
    loop.exec();
    QObject::disconnect(connection);
    return DEVICE_OK;
}

// Every writable row holds a value and is marked for the push.
DeviceSettings AllWritableRows()
{
    DeviceSettings settings;
    for (int group = GROUP_WIFI; group <= GROUP_ROUTING; ++group)
        for (int index = 0; index < settings[group].count(); ++index)
            settings.SetInt(index, group, 1);
    return settings;
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("median of %d runs each, the runs of all kinds interleaved, tolvo-sim on "
                "127.0.0.1\n",
                RUNS);
    DeviceSettings settings = AllWritableRows();
    const std::vector<std::pair<const char*, Operation>> kinds = {
        {"bare-blocking", BareBlocking},
        {"bare-events", BareEventDriven},
        {"fetch",
         [&settings](DeviceConnection& link) {
             link.StartFetch(settings);
             return link.Wait();
         }},
        {"push",
         [&settings](DeviceConnection& link) {
             link.StartPush(settings);
             return link.Wait();
         }},
    };
    for (const int delayMs : {0, 5}) {
        SimProcess sim({"--delay", QString::number(delayMs)});
        if (!sim.Start()) {
            std::fprintf(stderr, "cannot start tolvo-sim\n");
            return 1;
        }
        std::map<std::string, std::vector<double>> times;
        for (int run = 0; run < RUNS; ++run) {
            for (const auto& [name, operation] : kinds) {
                const double ms = TimeMs(sim.port(), operation);
                if (ms < 0) {
                    std::fprintf(stderr, "%s failed\n", name);
                    return 1;
                }
                times[name].push_back(ms);
            }
        }
        const double bare = Median(times["bare-blocking"]) / EXCHANGES;
        for (const auto& [name, operation] : kinds) {
            const int exchanges = std::string(name) == "push" ? 24 : EXCHANGES;
            const double ms = Median(times[name]);
            const double perExchange = ms / exchanges;
            std::printf("%-13s D=%d ms  exchanges=%d  time=%7.3f ms  per-exchange=%.4f ms  "
                        "vs bare-blocking %+.4f ms (ratio %.3f)",
                        name, delayMs, exchanges, ms, perExchange, perExchange - bare,
                        perExchange / bare);
            if (delayMs > 0)
                std::printf("  vs floor %.3f", ms / (exchanges * delayMs));
            std::printf("\n");
        }
    }
    return 0;
}
