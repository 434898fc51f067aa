// Times "tolvoctl backup" of N = 1, 10 and 100 simulated devices at once
// (--jobs 100), at D = 0 and D = 5 ms per reply. The tool runs in this
// process (the same code as the program, without its start-up), each
// measurement the median of several runs, and prints the total time, the
// one-device time, their ratio and, at D = 0, the backups per second.
// The files go to a new folder in the temporary folder (TMPDIR chooses it),
// each synced to the disk as tolvoctl does, so the disk's pace is part of
// the figures; the last line gives the disk's share alone.
#include "SettingsFile.h"
#include "SimProcess.h"
#include "StagedFile.h"
#include "Tolvoctl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThreadPool>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

constexpr int RUNS = 9;

double MedianBackupMs(const QTemporaryDir& dir, int devices, int delayMs)
{
    QFile hosts(dir.filePath(QString("hosts-%1").arg(devices)));
    if (!hosts.open(QIODevice::WriteOnly))
        return -1;
    for (int i = 1; i <= devices; ++i)
        hosts.write(QString("127.0.5.%1\n").arg(i).toLatin1());
    hosts.close();
    std::vector<double> times;
    for (int run = 0; run < RUNS; ++run) {
        const QString out =
            dir.filePath(QString("backup-%1-%2-%3").arg(delayMs).arg(devices).arg(run));
        const QStringList arguments = {"tolvoctl", "backup",
                                       "--hosts",  hosts.fileName(),
                                       "-o",       devices == 1 ? out + ".json" : out,
                                       "--jobs",   "100"};
        QElapsedTimer timer;
        timer.start();
        if (RunTolvoctl(arguments) != EXIT_OK)
            return -1;
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("tolvoctl backup, --jobs 100, median of %d runs, tolvo-sim --devices 100 on "
                "127.0.5.1-100, files in %s\n",
                RUNS, qPrintable(dir.path()));
    for (const int delayMs : {0, 5}) {
        SimProcess sim({"--devices", "100", "--delay", QString::number(delayMs)}, "127.0.5.1",
                       4070);
        if (!sim.Start()) {
            std::fprintf(stderr, "cannot start tolvo-sim\n");
            return 1;
        }
        double one = 0;
        for (const int devices : {1, 10, 100}) {
            // What the tool prints would drown the figures.
            std::fflush(stdout);
            const int saved = dup(1);
            std::freopen("/dev/null", "w", stdout);
            const double ms = MedianBackupMs(dir, devices, delayMs);
            std::fflush(stdout);
            dup2(saved, 1);
            close(saved);
            if (ms < 0) {
                std::fprintf(stderr, "backup of %d devices failed\n", devices);
                return 1;
            }
            if (devices == 1)
                one = ms;
            std::printf("D=%d ms  N=%3d  total=%8.2f ms  one-device=%7.2f ms  ratio=%6.2f", delayMs,
                        devices, ms, one, ms / one);
            if (delayMs == 0)
                std::printf("  backups/s=%7.0f", devices * 1000.0 / ms);
            std::printf("\n");
        }
    }
    // What the disk alone costs: the same 100 atomic writes with no device.
    const SettingsFile file = FileFromDevice(DeviceSettings(), "127.0.5.1", QDateTime());
    const QByteArray bytes = SettingsFileJson(file);
    QElapsedTimer timer;
    timer.start();
    QThreadPool writers;
    writers.setMaxThreadCount(4);
    for (int i = 0; i < 100; ++i) {
        writers.start([&, i] {
            QString error;
            SaveFileAtomically(dir.filePath(QString("disk-%1.json").arg(i)), bytes, error);
        });
    }
    writers.waitForDone();
    std::printf("the disk alone: 100 atomic file writes, 4 at once, %.2f ms\n",
                static_cast<double>(timer.nsecsElapsed()) / 1e6);
    return 0;
}
