// Sending the pages' settings to many devices from the window, end to end
// against tolvo-sim: picking devices, the confirmation, each device's
// outcome, Cancel, Retry, the report, and the password kept out of all.
#include "AddressPlanPanel.h"
#include "CTolvoConfigDlg.h"
#include "CliRun.h"
#include "ConfigTable.h"
#include "FileChooser.h"
#include "FindDevicesDlg.h"
#include "GuiTest.h"
#include "IpAddressCtrl.h"
#include "ListControl.h"
#include "Profile.h"
#include "Prompts.h"
#include "SendConfirmDlg.h"
#include "SendResultsDlg.h"
#include "SimProcess.h"
#include "TolvoWiFi.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr uint32_t FLEET = 0x7F001B01; // 127.0.27.1: 18 devices, then two faulty ones
constexpr int FLEET_SIZE = 20;
const QString PASSWORD = QStringLiteral("Pw-Secret-4711");
const QString SSID = QStringLiteral("Fleet net");
constexpr int RUN_TIMEOUT_MS = 60000;

QString Dotted(uint32_t address)
{
    return QString::fromStdString(FormatDottedAddress(address));
}

// What one device of a simulator received; a simulator of several devices
// logs each line with its device's address first.
QList<QByteArray> CommandsOf(const SimProcess& sim, uint32_t address, bool several)
{
    QList<QByteArray> commands;
    const QString prefix = (several ? "[" + Dotted(address) + "] " : QString()) + "RECV ";
    for (const QString& line : sim.LogLines(prefix))
        commands << Unescape(line.mid(prefix.size()).toLatin1());
    return commands;
}

bool SentAny(const QList<QByteArray>& commands, const QByteArray& start)
{
    return std::any_of(commands.begin(), commands.end(),
                       [&start](const QByteArray& command) { return command.startsWith(start); });
}

std::vector<uint32_t> Addresses(uint32_t first, int count)
{
    std::vector<uint32_t> addresses;
    for (int i = 0; i < count; ++i)
        addresses.push_back(first + i);
    return addresses;
}

} // namespace

class TestSendMany : public QObject {
    Q_OBJECT

    QTemporaryDir m_profile;
    std::unique_ptr<SimProcess> m_fleet; // 18 devices
    std::unique_ptr<SimProcess> m_ignoring;
    std::unique_ptr<SimProcess> m_silent;
    std::unique_ptr<SimProcess> m_planned; // refused plans
    std::unique_ptr<SimProcess> m_other;
    std::unique_ptr<CTolvoConfigDlg> m_dlg;

    // A window loaded from address, with the shared settings edited.
    std::unique_ptr<CTolvoConfigDlg> LoadedWindow(uint32_t address)
    {
        auto dlg = std::make_unique<CTolvoConfigDlg>();
        dlg->Create(nullptr);
        dlg->m_deviceAddress = address;
        dlg->m_deviceTimeoutMs = 1000; // the silent device's failure comes soon
        dlg->UpdateData(false);
        PromptScript script;
        dlg->LoadConfiguration();
        dlg->m_pWiFi->m_ssidEdit->setText(SSID);
        dlg->m_pWiFi->m_passwordEdit->setText(PASSWORD);
        dlg->m_pWiFi->m_deviceNameEdit->setText("Batch name");
        return dlg;
    }

    // Sends to addresses, ticking the own settings given, and waits for the end.
    static SendResultsDlg* SendAndWait(CTolvoConfigDlg& dlg, const std::vector<uint32_t>& addresses,
                                       const QList<int>& ownTicked = {})
    {
        dlg.SendToDevices(addresses);
        if (dlg.m_sendConfirm == nullptr || !dlg.m_sendConfirm->isVisible())
            return nullptr;
        for (const int own : ownTicked)
            dlg.m_sendConfirm->m_own[own]->setChecked(true);
        QTest::mouseClick(dlg.m_sendConfirm->m_sendButton, Qt::LeftButton);
        SendResultsDlg* results = dlg.m_sendResults;
        const bool ended =
            results != nullptr &&
            QTest::qWaitFor([results] { return !results->run().running(); }, RUN_TIMEOUT_MS);
        return ended ? results : nullptr;
    }

    // Takes the address and mask from a plan: counted from first, or the list.
    static void SetPlan(SendConfirmDlg& confirm, const QString& first, const QString& list)
    {
        confirm.m_own[1]->setChecked(true);
        if (list.isEmpty())
            confirm.m_plan->m_firstEdit->setText(first);
        else
            confirm.m_plan->m_listButton->setChecked(true);
        confirm.m_plan->m_listEdit->setPlainText(list);
    }

    static QString RowText(SendResultsDlg& results, int row)
    {
        QStringList texts;
        for (int column = 0; column < results.m_table->columnCount(); ++column)
            texts << results.m_table->item(row, column)->text();
        results.m_table->selectRow(row);
        return texts.join('|') + '\n' + results.m_details->toPlainText();
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_profile.path());
        SetRegistryKey("Local AppWizard-Generated Applications");
        m_fleet = std::make_unique<SimProcess>(QStringList{"--devices", "18"}, Dotted(FLEET),
                                               DEVICE_COMMAND_PORT);
        m_ignoring = std::make_unique<SimProcess>(QStringList{"--ignore-set", "SSID"},
                                                  Dotted(FLEET + 18), DEVICE_COMMAND_PORT);
        m_silent = std::make_unique<SimProcess>(QStringList{"--silent"}, Dotted(FLEET + 19),
                                                DEVICE_COMMAND_PORT);
        QVERIFY(m_fleet->Start() && m_ignoring->Start() && m_silent->Start());
    }

    void cleanupTestCase() { ResetProfileRoot(); }

    void confirmationSaysWhatGoesWhereWithThePasswordMasked()
    {
        m_dlg = LoadedWindow(FLEET);
        m_dlg->SendToDevices(Addresses(FLEET, FLEET_SIZE));
        SendConfirmDlg* confirm = m_dlg->m_sendConfirm;
        QVERIFY(confirm != nullptr && confirm->isVisible());
        QVERIFY(confirm->m_text->text().contains("20 devices"));
        QStringList shown;
        for (int row = 0; row < confirm->m_table->rowCount(); ++row)
            shown << confirm->m_table->item(row, 0)->text() + '=' +
                         confirm->m_table->item(row, 1)->text();
        QVERIFY(shown.contains("SSID (SSID)=" + SSID));
        QVERIFY(shown.contains("Password (PASSWORD)=********"));
        QVERIFY(!shown.join('\n').contains(PASSWORD));
        for (QCheckBox* own : confirm->m_own)
            QVERIFY(!own->isChecked());
        QVERIFY(!shown.join('\n').contains("DEVICEID")); // unticked: not in what is sent
        confirm->m_own[0]->setChecked(true);
        QCOMPARE(confirm->wanted().size(), shown.size() + 1);
        confirm->reject();
        QVERIFY(m_fleet->Sync());
    }

    void eachDeviceOutcomeIsTrue()
    {
        const qsizetype before = m_fleet->Commands().size();
        SendResultsDlg* results = SendAndWait(*m_dlg, Addresses(FLEET, FLEET_SIZE));
        QVERIFY(results != nullptr);
        QCOMPARE(results->m_summary->text(), QString("18 verified, 0 unchanged, 2 failed"));
        QCOMPARE(results->m_progress->value(), FLEET_SIZE);
        for (int row = 0; row < 18; ++row) {
            const QString text = RowText(*results, row);
            QVERIFY2(text.contains("|verified|changed|SSID: \"TolvoNet\" to \"Fleet net\""),
                     qPrintable(text));
            QVERIFY2(text.contains(QString("|TS-240117-%1|").arg(42 + row, 4, 10, QChar('0'))),
                     qPrintable(text));
        }
        const QString ignoring = RowText(*results, 18);
        QVERIFY2(ignoring.contains("|failed|changed|"), qPrintable(ignoring));
        QVERIFY2(ignoring.contains("did not keep what was sent: SSID: sent \"Fleet net\""),
                 qPrintable(ignoring));
        const QString silent = RowText(*results, 19);
        QVERIFY2(silent.contains("|failed|untouched|"), qPrintable(silent));
        QVERIFY2(silent.contains("did not answer in time"), qPrintable(silent));
        QVERIFY(results->m_retryButton->isEnabled());
        // Only what differs went, then the apply: the device's own settings stayed.
        QVERIFY(m_fleet->Sync());
        for (const uint32_t address : Addresses(FLEET, 18)) {
            const QList<QByteArray> got = CommandsOf(*m_fleet, address, true);
            QVERIFY(got.contains(WireCommand("set SSID Fleet net")));
            QVERIFY(got.contains(WireCommand("set PASSWORD " + PASSWORD.toLatin1())));
            QVERIFY(got.contains(WireCommand("set CONFIGURE")));
            QVERIFY(!SentAny(got, "set DEVICEID") && !SentAny(got, "set CHANNEL"));
        }
        QVERIFY(m_fleet->Commands().size() >= before);
    }

    void passwordIsInNoCellDetailOrReport()
    {
        SendResultsDlg* results = m_dlg->m_sendResults;
        QVERIFY(results != nullptr);
        for (int row = 0; row < results->m_table->rowCount(); ++row) {
            const QString text = RowText(*results, row);
            QVERIFY2(!text.contains(PASSWORD), qPrintable(text));
            QVERIFY(text.contains("PASSWORD: \"********\" to \"********\"") || row == 19);
        }
        const QString path = m_profile.filePath("report.csv");
        FileChoiceScript files;
        files.Answer(path);
        results->SaveReport();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString csv = QString::fromUtf8(file.readAll());
        QVERIFY(!csv.contains(PASSWORD));
        const QStringList lines = csv.split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), FLEET_SIZE + 1);
        QVERIFY(lines[0].startsWith("Address,Serial Number,State,Device,"));
        for (int row = 0; row < FLEET_SIZE; ++row)
            QVERIFY2(lines[row + 1].startsWith(Dotted(FLEET + row) + ','),
                     qPrintable(lines[row + 1]));
        QVERIFY(lines[19].contains(",failed,changed,"));
        QVERIFY(lines[20].contains("did not answer in time"));
    }

    void retrySendsOnlyToTheFailed()
    {
        SendResultsDlg* results = m_dlg->m_sendResults;
        QVERIFY(m_fleet->Sync());
        const qsizetype fleetBefore = m_fleet->Commands().size();
        const qsizetype ignoringBefore = m_ignoring->Commands().size();
        QTest::mouseClick(results->m_retryButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!results->run().running(), RUN_TIMEOUT_MS);
        QCOMPARE(results->m_summary->text(), QString("18 verified, 0 unchanged, 2 failed"));
        QCOMPARE(results->m_progress->maximum(), 2);
        QVERIFY(m_fleet->Sync());
        QCOMPARE(m_fleet->Commands().size(), fleetBefore); // not one byte to the verified
        QVERIFY(m_ignoring->Commands().size() > ignoringBefore);
        // The first send's change stays listed; the value not kept is no change.
        const QString ignoring = RowText(*results, 18);
        QVERIFY2(ignoring.contains("|failed|changed|PASSWORD: "), qPrintable(ignoring));
        QVERIFY2(!ignoring.contains("SSID: \"TolvoNet\" to"), qPrintable(ignoring));
    }

    void devicesThatAlreadyMatchAreSentNothing()
    {
        SendResultsDlg* results = SendAndWait(*m_dlg, Addresses(FLEET, 18));
        QVERIFY(results != nullptr);
        QCOMPARE(results->m_summary->text(), QString("0 verified, 18 unchanged, 0 failed"));
        QVERIFY(m_fleet->Sync());
        for (const uint32_t address : Addresses(FLEET, 18)) {
            const QList<QByteArray> got = CommandsOf(*m_fleet, address, true);
            QCOMPARE(got.count(WireCommand("set CONFIGURE")), 1); // the first send's only
        }
        QVERIFY(RowText(*results, 0).contains("|unchanged|untouched|"));
    }

    // The address and mask, ticked, come from a plan: one address for the
    // three devices is refused and nothing is sent; a plan counted upward
    // gives each its own, with DHCP off.
    void ownSettingsGoOnlyWhenTicked_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QStringList>("notSent");
        const QStringList own{"set DEVICEID", "set IPADDRESS", "set IPMASK", "set DHCP"};
        QTest::newRow("none") << QList<int>{} << QString() << QStringList{} << own;
        QTest::newRow("name") << QList<int>{0} << QString() << QStringList{"set DEVICEID"}
                              << QStringList{"set IPADDRESS", "set IPMASK", "set DHCP"};
        QTest::newRow("address and mask: one for all is refused")
            << QList<int>{1} << "%1 10.0.2.5\n%2 10.0.2.5\n%3 10.0.2.5" << QStringList{} << own;
        QTest::newRow("all, the address from a plan")
            << QList<int>{0, 1, 2} << QString() << own << QStringList{};
    }

    void ownSettingsGoOnlyWhenTicked()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(QString, plan);
        QFETCH(QStringList, sent);
        QFETCH(QStringList, notSent);
        static uint32_t first = 0x7F001C01; // 127.0.28.1, three new devices a row
        first += 4;
        SimProcess sim({"--devices", "3", "--set", "DHCP=1"}, Dotted(first), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        auto dlg = LoadedWindow(first);
        dlg->m_pWiFi->m_ipAddressCtrl->setAddress(0x0A000205);
        dlg->m_pWiFi->m_ipMaskCtrl->setAddress(0xFFFF0000);
        SelectListPosition(dlg->m_pWiFi->m_dhcpCombo, 0);
        dlg->SendToDevices(Addresses(first, 3));
        SendConfirmDlg* confirm = dlg->m_sendConfirm;
        for (const int own : ticked)
            confirm->m_own[own]->setChecked(true);
        const bool refused = !plan.isEmpty();
        if (ticked.contains(1)) // counted upward in the pages' mask, from a loopback address
            SetPlan(*confirm, "127.0.48.201",
                    plan.arg(Dotted(first), Dotted(first + 1), Dotted(first + 2)));
        PromptScript script;
        QTest::mouseClick(confirm->m_sendButton, Qt::LeftButton);
        if (refused) {
            QCOMPARE(script.shown().size(), 1);
            const QString text = script.shown().first().text;
            QVERIFY2(text.contains("One address for several devices: " + Dotted(first) +
                                   " to 10.0.2.5; " + Dotted(first + 1) + " to 10.0.2.5; "),
                     qPrintable(text));
            QVERIFY(dlg->m_sendResults == nullptr && confirm->isVisible());
        } else {
            QVERIFY(dlg->m_sendResults != nullptr);
            QTRY_VERIFY_WITH_TIMEOUT(!dlg->m_sendResults->run().running(), RUN_TIMEOUT_MS);
            QCOMPARE(dlg->m_sendResults->m_summary->text(),
                     QString("3 verified, 0 unchanged, 0 failed"));
        }
        QVERIFY(sim.Sync());
        for (const uint32_t address : Addresses(first, 3)) {
            const QList<QByteArray> got = CommandsOf(sim, address, true);
            for (const QString& command : sent)
                QVERIFY2(SentAny(got, command.toLatin1()), qPrintable(command));
            for (const QString& command : notSent)
                QVERIFY2(!SentAny(got, command.toLatin1()), qPrintable(command));
            if (ticked.contains(1) && !refused) { // its own address, and DHCP off
                QVERIFY(got.contains(WireCommand("set IPADDRESS 127.0.48." +
                                                 QByteArray::number(201 + int(address - first)))));
                QVERIFY(got.contains(WireCommand("set DHCP 0")));
            }
        }
    }

    // 20 devices that move when they apply, each given its own address by a
    // plan counted upward: the preview shows each before anything is sent,
    // and each is verified at its planned address and read back there.
    void aPlanMovesEachDeviceToItsOwnAddress()
    {
        const uint32_t first = 0x7F002F01;   // 127.0.47.1
        const uint32_t planned = 0x7F003001; // 127.0.48.1
        SimProcess sim({"--devices", "20", "--move-after", "200"}, Dotted(first),
                       DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        auto dlg = LoadedWindow(first);
        dlg->m_pWiFi->m_ipMaskCtrl->setAddress(0xFFFFFF00);
        dlg->SendToDevices(Addresses(first, 20));
        SendConfirmDlg* confirm = dlg->m_sendConfirm;
        SetPlan(*confirm, Dotted(planned), {});
        for (int row = 0; row < 20; ++row)
            QCOMPARE(confirm->m_plan->m_preview->item(row, 2)->text(), Dotted(planned + row));
        QVERIFY(sim.Sync() && !SentAny(CommandsOf(sim, first, true), "set "));
        QTest::mouseClick(confirm->m_sendButton, Qt::LeftButton);
        SendResultsDlg* results = dlg->m_sendResults;
        QVERIFY(results != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!results->run().running(), RUN_TIMEOUT_MS);
        QCOMPARE(results->m_summary->text(), QString("20 verified, 0 unchanged, 0 failed"));
        const QStringList csv = QString::fromUtf8(results->run().ReportCsv()).split("\r\n");
        for (int row = 0; row < 20; ++row) {
            const QString now = Dotted(planned + row);
            QCOMPARE(results->m_table->item(row, SendResultsDlg::COLUMN_NOW_AT)->text(), now);
            QVERIFY2(RowText(*results, row).contains("|verified|changed|"),
                     qPrintable(RowText(*results, row)));
            QVERIFY2(csv[row + 1].startsWith(Dotted(first + row) + ',') &&
                         csv[row + 1].endsWith(',' + now),
                     qPrintable(csv[row + 1]));
            QVERIFY(CommandsOf(sim, first + row, true)
                        .contains(WireCommand("set IPADDRESS " + now.toLatin1())));
            QCOMPARE(Tolvoctl({"get", now, "IPADDRESS"}).out.trimmed(), "IPADDRESS=" + now);
        }
    }

    // A plan with a problem is refused before anything is sent, the rows named.
    void aPlanWithAProblemSendsNothing_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("refusal");
        const QString a = "127.0.47.101", b = "127.0.47.102", c = "127.0.47.103";
        QTest::newRow("one address for several devices")
            << "" << a + " 127.0.48.110\n" + b + " 127.0.48.110 # twice\n" + c + " 127.0.48.111"
            << "One address for several devices: " + a + " to 127.0.48.110; " + b +
                   " to 127.0.48.110.";
        QTest::newRow("the network address") << "127.0.48.0"
                                             << ""
                                             << a + " to 127.0.48.0: the network address of the "
                                                    "subnet 127.0.48.0/24";
        QTest::newRow("the broadcast address")
            << "127.0.48.253"
            << "" << c + " to 127.0.48.255: the broadcast address";
        QTest::newRow("outside the subnet, loaded from a file")
            << ""
            << "file:" + a + " 127.0.48.110\n" + b + " 127.0.48.111\n" + c + " 127.0.49.5"
            << c + " to 127.0.49.5: outside the subnet 127.0.48.0/24 of the mask.";
        QTest::newRow("a line that names no device")
            << "" << a + " 127.0.48.110\n\n" + b + " 127.0.48.111\n127.0.47.99 127.0.48.112"
            << "the plan, line 4: \"127.0.47.99\" is none of the devices sent to.\n" + c +
                   " (no address): no line of the plan names this device.";
        QTest::newRow("a serial number no device has")
            << ""
            << "TS-240117-0042 127.0.48.110\nTS-240117-0043 127.0.48.111\nTS-1 127.0.48.112"
            << "\"TS-1\" is none of the devices sent to.";
        QTest::newRow("an address another device answers on")
            << "127.0.48.149"
            << "" << b + " to 127.0.48.150: another device already answers";
    }

    void aPlanWithAProblemSendsNothing()
    {
        QFETCH(QString, first);
        QFETCH(QString, list);
        QFETCH(QString, refusal);
        const uint32_t devices = 0x7F002F65; // 127.0.47.101
        if (!m_planned) {                    // three devices, and another at 127.0.48.150
            m_planned = std::make_unique<SimProcess>(QStringList{"--devices", "3"}, Dotted(devices),
                                                     DEVICE_COMMAND_PORT);
            m_other =
                std::make_unique<SimProcess>(QStringList{}, "127.0.48.150", DEVICE_COMMAND_PORT);
            QVERIFY(m_planned->Start() && m_other->Start());
        }
        SimProcess& sim = *m_planned;
        SimProcess& other = *m_other;
        auto dlg = LoadedWindow(devices);
        dlg->m_pWiFi->m_ipMaskCtrl->setAddress(0xFFFFFF00);
        dlg->SendToDevices(Addresses(devices, 3));
        SendConfirmDlg* confirm = dlg->m_sendConfirm;
        SetPlan(*confirm, first, list.startsWith("file:") ? QString() : list);
        if (list.startsWith("file:")) { // Load Plan from File...
            confirm->m_plan->m_listButton->setChecked(true);
            const QString path = m_profile.filePath("plan.txt");
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(list.mid(5).toUtf8()) > 0);
            file.close();
            FileChoiceScript files;
            files.Answer(path);
            QTest::mouseClick(confirm->m_plan->m_loadButton, Qt::LeftButton);
            QCOMPARE(confirm->m_plan->m_preview->item(2, 2)->text(), QString("127.0.49.5"));
        }
        PromptScript script;
        QTest::mouseClick(confirm->m_sendButton, Qt::LeftButton);
        QCOMPARE(script.shown().size(), 1);
        QVERIFY2(script.shown().first().text.contains(refusal),
                 qPrintable(script.shown().first().text));
        QVERIFY(script.shown().first().text.startsWith("The address plan is refused"));
        QVERIFY(dlg->m_sendResults == nullptr && confirm->isVisible());
        QVERIFY(sim.Sync() && other.Sync());
        for (int device = 0; device < 3; ++device)
            QVERIFY(!SentAny(CommandsOf(sim, devices + device, true), "set "));
        QVERIFY(!SentAny(other.Commands(), "set "));
    }

    void cancelLeavesEveryRowTrue()
    {
        const uint32_t first = 0x7F001D01; // 127.0.29.1
        SimProcess sim({"--devices", "12", "--delay", "60"}, Dotted(first), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        auto dlg = LoadedWindow(first);
        dlg->m_sendJobs = 2;
        dlg->SendToDevices(Addresses(first, 12));
        QTest::mouseClick(dlg->m_sendConfirm->m_sendButton, Qt::LeftButton);
        SendResultsDlg* results = dlg->m_sendResults;
        QTRY_VERIFY_WITH_TIMEOUT(results->run().done() >= 3, RUN_TIMEOUT_MS);
        QTest::mouseClick(results->m_cancelButton, Qt::LeftButton);
        if (results->run().running()) { // it says so at once, not only at the end
            QVERIFY(!results->m_cancelButton->isEnabled());
            QVERIFY2(results->m_summary->text().contains("Cancelling"),
                     qPrintable(results->m_summary->text()));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!results->run().running(), RUN_TIMEOUT_MS);
        QVERIFY(sim.Sync());
        int notStarted = 0;
        for (int row = 0; row < 12; ++row) {
            const SendRow& outcome = results->run().rows()[row];
            const QList<QByteArray> got = CommandsOf(sim, first + row, true);
            const bool applied = got.contains(WireCommand("set CONFIGURE"));
            QVERIFY2(outcome.state == SendState::Verified || outcome.state == SendState::NotStarted,
                     qPrintable(RowText(*results, row)));
            QCOMPARE(outcome.outcome == DeviceOutcome::Changed, applied);
            if (outcome.state == SendState::NotStarted) {
                QVERIFY(got.isEmpty());
                QVERIFY(RowText(*results, row).contains("|not started|untouched|"));
                ++notStarted;
            }
        }
        QVERIFY(notStarted > 0 && notStarted < 10);
        QVERIFY(results->m_summary->text().endsWith(QString(", %1 not started").arg(notStarted)));
    }

    // A device that takes the values and the apply but then answers nothing
    // more may hold them or not: its row says so, and so does the report.
    void aDeviceSilentAfterTheApplyIsInAnUnknownState()
    {
        const uint32_t address = 0x7F001E01; // 127.0.30.1
        SimProcess sim({"--apply-unanswered", "hang"}, Dotted(address), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        auto dlg = LoadedWindow(address);
        SendResultsDlg* results = SendAndWait(*dlg, {address});
        QVERIFY(results != nullptr);
        QCOMPARE(results->m_summary->text(), QString("0 verified, 0 unchanged, 1 failed"));
        QCOMPARE(results->run().rows()[0].outcome, DeviceOutcome::Unknown);
        const QString row = RowText(*results, 0);
        QVERIFY2(row.contains("|failed|unknown state|"), qPrintable(row));
        QVERIFY2(row.contains("then the device did not answer"), qPrintable(row));
        const QString report = QString::fromUtf8(results->run().ReportCsv());
        QVERIFY2(report.contains(",failed,unknown state,"), qPrintable(report));
        // Hung, it answers no sync: its log is read until the apply shows.
        QTRY_VERIFY(CommandsOf(sim, address, false).contains(WireCommand("set CONFIGURE")));
    }

    // A device that takes the apply and answers nothing more is in an
    // unknown state. Restarted, it holds the values: Retry reads them and
    // sends nothing. The device is verified, and what the first send changed
    // is in its row and in its record.
    void aRetryTellsWhatTheUnansweredApplyChanged()
    {
        const uint32_t address = 0x7F001E02; // 127.0.30.2
        auto hung = std::make_unique<SimProcess>(QStringList{"--apply-unanswered", "hang"},
                                                 Dotted(address), DEVICE_COMMAND_PORT);
        QVERIFY(hung->Start());
        auto dlg = LoadedWindow(address);
        SendResultsDlg* results = SendAndWait(*dlg, {address});
        QVERIFY(results != nullptr);
        QCOMPARE(results->run().rows()[0].outcome, DeviceOutcome::Unknown);
        QTRY_VERIFY(CommandsOf(*hung, address, false).contains(WireCommand("set CONFIGURE")));
        hung.reset();
        SimProcess sim({"--set", "SSID=" + SSID, "--set", "PASSWORD=" + PASSWORD}, Dotted(address),
                       DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        QTest::mouseClick(results->m_retryButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!results->run().running(), RUN_TIMEOUT_MS);
        QCOMPARE(results->m_summary->text(), QString("1 verified, 0 unchanged, 0 failed"));
        QVERIFY(sim.Sync());
        for (const QByteArray& command : sim.Commands())
            QVERIFY2(!command.startsWith("set "), command.constData());
        const SendRow& row = results->run().rows()[0];
        QCOMPARE(row.outcome, DeviceOutcome::Changed);
        const QString ssidChange = QString("SSID: \"TolvoNet\" to \"%1\"").arg(SSID);
        QVERIFY2(row.changes.contains(ssidChange), qPrintable(row.changes.join('\n')));
        QVERIFY(!row.changes.join('\n').contains(PASSWORD));
        const RecordDevice& entry = row.record;
        QCOMPARE(entry.outcome, RecordOutcome::Verified);
        const auto changed = [&entry](const QString& key, const QString& after) {
            return std::any_of(entry.changes.begin(), entry.changes.end(),
                               [&](const auto& c) { return c.key == key && c.after == after; });
        };
        QVERIFY(changed("SSID", SSID));
        QVERIFY(changed("PASSWORD", "********"));
        QCOMPARE(entry.changes.size(), std::size_t(2));
        for (const RecordSetting& setting : entry.settings)
            if (setting.key == "SSID" || setting.key == "PASSWORD")
                QVERIFY2(setting.verified == std::optional<bool>(true), qPrintable(setting.key));
        CommissioningRecord record;
        record.devices = {entry};
        QVERIFY(!RecordJson(record).contains(PASSWORD.toUtf8()));
    }

    // An earlier write left the channel pending; the send's apply commits it.
    // The device is changed, but not as asked: failed, and saying what changed.
    void aChangeTheApplyMadeUnaskedFailsTheDevice()
    {
        const uint32_t address = 0x7F002401; // 127.0.36.1
        SimProcess sim({"--pending", "CHANNEL=3"}, Dotted(address), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        auto dlg = LoadedWindow(address);
        SendResultsDlg* results = SendAndWait(*dlg, {address});
        QVERIFY(results != nullptr);
        QCOMPARE(results->m_summary->text(), QString("0 verified, 0 unchanged, 1 failed"));
        QCOMPARE(results->run().rows()[0].outcome, DeviceOutcome::Changed);
        const QString row = RowText(*results, 0);
        const QString change =
            "CHANNEL: not sent, but read as \"6\" before the apply and \"3\" after it";
        QVERIFY2(row.contains("|failed|changed|"), qPrintable(row));
        const SendRow& shown = results->run().rows()[0];
        QVERIFY2(shown.changes.contains(change), qPrintable(row));
        QVERIFY2(shown.failure.startsWith("Settings that were not sent read otherwise after the") &&
                     shown.failure.contains(change),
                 qPrintable(row));
        QVERIFY2(!shown.failure.contains("did not keep"), qPrintable(row)); // it was not sent
        QString quoted = change;
        QVERIFY(results->run().ReportCsv().contains(quoted.replace('"', "\"\"").toUtf8()));
        QVERIFY(!sim.Commands().contains(WireCommand("set CHANNEL 3")));
    }

    // A serial number that a spreadsheet would run as a formula stays text.
    void reportCellsFromADeviceAreNoFormulas()
    {
        const uint32_t address = 0x7F001F01; // 127.0.31.1
        SimProcess sim({"--set", "SERIALN=-1+2"}, Dotted(address), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        auto dlg = LoadedWindow(address);
        SendResultsDlg* results = SendAndWait(*dlg, {address});
        QVERIFY(results != nullptr);
        const QStringList lines = QString::fromUtf8(results->run().ReportCsv()).split("\r\n");
        QVERIFY2(lines[1].startsWith(Dotted(address) + ",'-1+2,verified,changed,"),
                 qPrintable(lines[1]));
    }

    void contextMenuItemSendsToTheDevicesPickedInFindDevices()
    {
        auto dlg = LoadedWindow(FLEET);
        QAction* send = nullptr;
        for (QAction* action : dlg->actions())
            if (action->text() == "Send to the Picked Devices...")
                send = action;
        QVERIFY(send != nullptr);
        {
            PromptScript script; // nothing picked yet: says so, and opens Find Devices
            send->trigger();
            QCOMPARE(script.shown().size(), 1);
            QVERIFY(script.shown().first().text.startsWith("Tick the devices"));
        }
        QVERIFY(dlg->m_findDevices != nullptr && dlg->m_findDevices->isVisible());
        QVERIFY(dlg->m_sendConfirm == nullptr);
        dlg->m_findDevices->AddAddresses({FLEET + 2, FLEET + 5});
        QTest::mouseClick(dlg->m_findDevices->m_sendButton, Qt::LeftButton);
        QVERIFY(dlg->m_sendConfirm != nullptr && dlg->m_sendConfirm->isVisible());
        QVERIFY(dlg->m_sendConfirm->m_text->text().contains("2 devices"));
        QTest::mouseClick(dlg->m_sendConfirm->m_sendButton, Qt::LeftButton);
        SendResultsDlg* results = dlg->m_sendResults;
        QTRY_VERIFY_WITH_TIMEOUT(!results->run().running(), RUN_TIMEOUT_MS);
        QCOMPARE(results->m_table->rowCount(), 2);
        QCOMPARE(results->m_table->item(1, 0)->text(), Dotted(FLEET + 5));
    }

    void devicesArePickedByTicksSelectionOrList_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("picked");
        QTest::newRow("pasted list, comments and blank lines")
            << "# bench\n127.0.30.7\n\n127.0.30.9  # spare\r\n"
            << QList<int>{} << QList<int>{} << QStringList{"127.0.30.7", "127.0.30.9"};
        QTest::newRow("ticks win over the selection")
            << "127.0.30.1\n127.0.30.2\n127.0.30.3" << QList<int>{0, 2} << QList<int>{1}
            << QStringList{"127.0.30.1", "127.0.30.3"};
        QTest::newRow("selection when nothing is ticked")
            << "127.0.30.1\n127.0.30.2\n127.0.30.3" << QList<int>{} << QList<int>{1, 2}
            << QStringList{"127.0.30.2", "127.0.30.3"};
        QTest::newRow("a bad line adds nothing")
            << "127.0.30.1\n127.0.30.300" << QList<int>{} << QList<int>{} << QStringList{};
        // -1: Space pressed in the table, the rows selected
        QTest::newRow("Space ticks the selected rows")
            << "127.0.30.1\n127.0.30.2\n127.0.30.3" << QList<int>{-1} << QList<int>{0, 2}
            << QStringList{"127.0.30.1", "127.0.30.3"};
    }

    void devicesArePickedByTicksSelectionOrList()
    {
        QFETCH(QString, pasted);
        QFETCH(QList<int>, ticked);
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, picked);
        FindDevicesDlg find(nullptr, DEVICE_COMMAND_PORT, 100);
        QGuiApplication::clipboard()->setText(pasted);
        PromptScript script;
        QTest::mouseClick(find.m_pasteButton, Qt::LeftButton);
        if (picked.isEmpty()) {
            QCOMPARE(script.shown().size(), 1);
            QVERIFY(script.shown().first().text.contains("line 2"));
            QCOMPARE(find.m_table->rowCount(), 0);
            return;
        }
        if (!ticked.isEmpty() || !selected.isEmpty()) {
            QTest::mouseClick(find.m_tickAllButton, Qt::LeftButton); // all ticked: untick all
            for (const int row : ticked)
                if (row >= 0)
                    find.m_table->item(row, 0)->setCheckState(Qt::Checked);
            for (const int row : selected)
                find.m_table->item(row, 1)->setSelected(true);
        }
        if (ticked == QList<int>{-1}) {
            find.m_table->setCurrentCell(selected.first(), 1, QItemSelectionModel::NoUpdate);
            QTest::keyClick(find.m_table, Qt::Key_Space);
            find.m_table->clearSelection(); // the picks are the ticks alone now
        }
        QStringList got;
        for (const uint32_t address : find.picked())
            got << Dotted(address);
        QCOMPARE(got, picked);
    }
};

QTEST_MAIN(TestSendMany)
#include "test_send_many.moc"
