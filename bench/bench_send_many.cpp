// The window's send to many devices against tolvo-sim with 5 ms a reply:
// the time from the click on Send to the last device's row, for 1, 10 and
// 100 devices, and the longest gap between two turns of the window's event
// loop meanwhile (a 1 ms timer's longest wait between two firings).
#include "CTolvoConfigDlg.h"
#include "ConfigTable.h"
#include "Profile.h"
#include "Prompts.h"
#include "SendConfirmDlg.h"
#include "SendResultsDlg.h"
#include "SimProcess.h"
#include "TolvoWiFi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int RUNS = 7;
constexpr int REPLY_DELAY_MS = 5;
constexpr uint32_t FIRST_DEVICE = 0x7F002801; // 127.0.40.1
constexpr int DEVICE_COUNTS[] = {1, 10, 100};

struct Figures {
    double clickToLastRowMs;
    double longestGapMs;
};

// One send to count devices with a setting that differs on each of them.
Figures SendOnce(CTolvoConfigDlg& dlg, int count, int round)
{
    std::vector<uint32_t> addresses;
    for (int i = 0; i < count; ++i)
        addresses.push_back(FIRST_DEVICE + i);
    dlg.m_pWiFi->m_ssidEdit->setText(QString("Bench %1").arg(round));
    dlg.SendToDevices(addresses);

    QElapsedTimer clock;
    qint64 lastTurn = 0;
    qint64 longestGap = 0;
    QTimer turns;
    turns.setInterval(1);
    QObject::connect(&turns, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestGap = std::max(longestGap, now - lastTurn);
        lastTurn = now;
    });
    clock.start();
    turns.start();
    QTest::mouseClick(dlg.m_sendConfirm->m_sendButton, Qt::LeftButton);
    SendRun& run = dlg.m_sendResults->run();
    qint64 lastRow = -1;
    QObject::connect(&run, &SendRun::progress, [&](int done, int total) {
        if (done == total)
            lastRow = clock.nsecsElapsed();
    });
    while (run.running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (run.Count(SendState::Verified) != count)
        std::fprintf(stderr, "round %d: %s\n", round, qPrintable(run.Summary()));
    return {double(lastRow) / 1e6, double(longestGap) / 1e6};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir profile;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile.path());
    SetRegistryKey("Local AppWizard-Generated Applications");
    std::printf("send to many devices, %d ms a reply, median of %d runs (longest gap: the "
                "largest of all runs)\n",
                REPLY_DELAY_MS, RUNS);
    std::printf("%8s %22s %24s\n", "devices", "click to last row (ms)", "longest loop gap (ms)");
    int round = 0;
    for (const int count : DEVICE_COUNTS) {
        SimProcess sim(
            {"--devices", QString::number(count), "--delay", QString::number(REPLY_DELAY_MS)},
            QString::fromStdString(FormatDottedAddress(FIRST_DEVICE)), DEVICE_COMMAND_PORT);
        if (!sim.Start()) {
            std::fprintf(stderr, "the simulator did not start\n");
            return 1;
        }
        CTolvoConfigDlg dlg;
        dlg.Create(nullptr);
        dlg.m_deviceAddress = FIRST_DEVICE;
        dlg.UpdateData(false);
        {
            PromptScript script;
            dlg.LoadConfiguration();
        }
        std::vector<double> times;
        double longestGap = 0;
        for (int i = 0; i < RUNS; ++i) {
            const Figures figures = SendOnce(dlg, count, ++round);
            times.push_back(figures.clickToLastRowMs);
            longestGap = std::max(longestGap, figures.longestGapMs);
        }
        std::printf("%8d %22.1f %24.1f\n", count, Median(times), longestGap);
    }
    return 0;
}
