// Times a full fetch (25 exchanges) and a full push (23 sets and the apply
// command) against tolvo-sim with a per-reply delay, and prints the time
// against the floor that the delay alone sets.
#include "ConfigTable.h"
#include "DeviceLink.h"
#include "SimProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int RUNS = 15;

void MarkAllWritableRows()
{
    for (int group = GROUP_WIFI; group <= GROUP_ROUTING; ++group)
        for (int index = 0; index < ConfigTable[group].count(); ++index)
            SetParamInt(index, group, 1);
}

// Median time in ms of one operation over a fresh connection, or -1 on failure.
double MedianMs(quint16 port, const std::function<int(DeviceConnection&)>& operation)
{
    std::vector<double> times;
    for (int run = 0; run < RUNS; ++run) {
        DeviceConnection link;
        if (!link.Connect(0x7F000001, port))
            return -1;
        QElapsedTimer timer;
        timer.start();
        if (operation(link) != DEVICE_OK)
            return -1;
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Report(const char* name, int exchanges, int delayMs, double ms)
{
    const double floor = exchanges * delayMs;
    std::printf("%-6s D=%d ms  exchanges=%d  time=%.3f ms  per-exchange=%.4f ms  floor=%.1f ms",
                name, delayMs, exchanges, ms, ms / exchanges, floor);
    if (floor > 0)
        std::printf("  ratio=%.3f", ms / floor);
    std::printf("\n");
}

// The same 25 exchanges with a bare socket and no protocol code: what the
// machine itself adds to the delay (wake-ups, loopback), for comparison.
int BareExchanges(DeviceConnection& link)
{
    QTcpSocket& socket = link.socket();
    for (int i = 0; i < 25; ++i) {
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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("median of %d runs each, tolvo-sim on 127.0.0.1\n", RUNS);
    for (const int delayMs : {0, 5}) {
        SimProcess sim({"--delay", QString::number(delayMs)});
        if (!sim.Start()) {
            std::fprintf(stderr, "cannot start tolvo-sim\n");
            return 1;
        }
        Report("bare", 25, delayMs, MedianMs(sim.port(), BareExchanges));
        Report("fetch", 25, delayMs, MedianMs(sim.port(), FetchAllParams));
        MarkAllWritableRows();
        Report("push", 24, delayMs, MedianMs(sim.port(), PushModifiedParams));
        ResetConfigTable();
    }
    return 0;
}
