// The window's send to many devices with an address plan, against tolvo-sim
// devices that move when they apply (5 ms a reply, 200 ms before a device
// listens at its new address): the time from the click on Send (the plan's
// check included) to the last device's row, for 100 devices beside one,
// and their ratio.
#include "AddressPlanPanel.h"
#include "CTolvoConfigDlg.h"
#include "ConfigTable.h"
#include "IpAddressCtrl.h"
#include "Profile.h"
#include "Prompts.h"
#include "SendConfirmDlg.h"
#include "SendResultsDlg.h"
#include "SimProcess.h"
#include "TolvoWiFi.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int RUNS = 5;
constexpr int REPLY_DELAY_MS = 5;
constexpr int MOVE_AFTER_MS = 200;
constexpr uint32_t FIRST_DEVICE = 0x7F002F01;  // 127.0.47.1
constexpr uint32_t FIRST_PLANNED = 0x7F003001; // 127.0.48.1

struct Figures {
    double clickToLastRowMs;
    double planCheckMs; // the click until the check let the send start
};

// One send with a plan to count fresh devices.
std::optional<Figures> SendOnce(int count)
{
    SimProcess sim({"--devices", QString::number(count), "--delay", QString::number(REPLY_DELAY_MS),
                    "--move-after", QString::number(MOVE_AFTER_MS)},
                   DottedText(FIRST_DEVICE), DEVICE_COMMAND_PORT);
    if (!sim.Start())
        return std::nullopt;
    CTolvoConfigDlg dlg;
    dlg.Create(nullptr);
    dlg.m_deviceAddress = FIRST_DEVICE;
    dlg.UpdateData(false);
    PromptScript script;
    dlg.LoadConfiguration();
    dlg.m_pWiFi->m_ssidEdit->setText("Bench plan");
    dlg.m_pWiFi->m_ipMaskCtrl->setAddress(0xFFFFFF00);
    std::vector<uint32_t> addresses;
    for (int i = 0; i < count; ++i)
        addresses.push_back(FIRST_DEVICE + i);
    dlg.SendToDevices(addresses);
    dlg.m_sendConfirm->m_own[1]->setChecked(true);
    dlg.m_sendConfirm->m_plan->m_firstEdit->setText(DottedText(FIRST_PLANNED));

    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(dlg.m_sendConfirm->m_sendButton, Qt::LeftButton);
    const double checkMs = double(clock.nsecsElapsed()) / 1e6;
    if (dlg.m_sendResults == nullptr)
        return std::nullopt;
    SendRun& run = dlg.m_sendResults->run();
    while (run.running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    if (run.Count(SendState::Verified) != count)
        std::fprintf(stderr, "%d devices: %s\n", count, qPrintable(run.Summary()));
    return Figures{ms, checkMs};
}

// The medians of RUNS sends.
std::optional<Figures> Median(int count)
{
    std::vector<double> times;
    std::vector<double> checks;
    for (int i = 0; i < RUNS; ++i) {
        const std::optional<Figures> figures = SendOnce(count);
        if (!figures)
            return std::nullopt;
        times.push_back(figures->clickToLastRowMs);
        checks.push_back(figures->planCheckMs);
    }
    std::sort(times.begin(), times.end());
    std::sort(checks.begin(), checks.end());
    return Figures{times[times.size() / 2], checks[checks.size() / 2]};
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
    const std::optional<Figures> one = Median(1);
    const std::optional<Figures> hundred = Median(100);
    if (!one || !hundred) {
        std::fprintf(stderr, "a simulator did not start, or a plan was refused\n");
        return 1;
    }
    std::printf("send with an address plan to moving devices, %d ms a reply, %d ms to move, "
                "median of %d runs\n",
                REPLY_DELAY_MS, MOVE_AFTER_MS, RUNS);
    std::printf("%8s %22s %18s\n", "devices", "click to last row (ms)", "of it plan check");
    for (const auto& [count, figures] : {std::pair{1, *one}, std::pair{100, *hundred}})
        std::printf("%8d %22.1f %18.1f\n", count, figures.clickToLastRowMs, figures.planCheckMs);
    std::printf("ratio 100 : 1 = %.2f\n", hundred->clickToLastRowMs / one->clickToLastRowMs);
    return 0;
}
