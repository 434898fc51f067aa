// Checking the picked devices against the pages' settings from the window,
// end to end against tolvo-sim: nothing is sent, each device matches or
// names what differs, the password never shows, Cancel and a silent or
// hostile device leave every row true, Retry checks only the failed.
#include "CTolvoConfigDlg.h"
#include "CliRun.h"
#include "ConfigTable.h"
#include "FileChooser.h"
#include "FindDevicesDlg.h"
#include "GuiTest.h"
#include "Profile.h"
#include "Prompts.h"
#include "SendResultsDlg.h"
#include "SimProcess.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <numeric>

namespace {

constexpr uint32_t FLEET = 0x7F004701;  // 127.0.71.1: 20 devices
constexpr uint32_t SILENT = 0x7F004715; // 127.0.71.21: answers nothing
constexpr uint32_t SLOW = 0x7F004765;   // 127.0.71.101: 12 slow devices
constexpr int RUN_TIMEOUT_MS = 60000;
// The pages' password (the simulator's), and those of two differing devices.
const QStringList PASSWORDS{"tolvo1234", "Other-Secret-81", "Third-Secret-27"};

QString Dotted(uint32_t address)
{
    return QString::fromStdString(FormatDottedAddress(address));
}

// What one device of a simulator of several received.
QList<QByteArray> CommandsOf(const SimProcess& sim, uint32_t address)
{
    QList<QByteArray> commands;
    const QString prefix = "[" + Dotted(address) + "] RECV ";
    for (const QString& line : sim.LogLines(prefix))
        commands << Unescape(line.mid(prefix.size()).toLatin1());
    return commands;
}

bool SentAnySet(const QList<QByteArray>& commands)
{
    return std::any_of(commands.begin(), commands.end(),
                       [](const QByteArray& command) { return command.startsWith("set "); });
}

// The devices (by offset from FLEET) that tolvoctl set makes differ, and
// the lines their rows must hold: the password's without a value.
const std::map<int, std::pair<QStringList, QStringList>> DIFFERING = {
    {4, {{"SSID=Other net"}, {"SSID: the device holds \"Other net\", the pages \"TolvoNet\""}}},
    {9,
     {{"CHANNEL=11", "PASSWORD=" + PASSWORDS[1]},
      {"PASSWORD: differs", "CHANNEL: the device holds \"11\", the pages \"6\""}}},
    {15, {{"PASSWORD=" + PASSWORDS[2]}, {"PASSWORD: differs"}}},
};

} // namespace

class TestCheckMany : public QObject {
    Q_OBJECT

    QTemporaryDir m_profile;
    std::unique_ptr<SimProcess> m_fleet;
    std::unique_ptr<SimProcess> m_silent;
    std::unique_ptr<CTolvoConfigDlg> m_dlg;

    static QString RowText(SendResultsDlg& results, int row)
    {
        QStringList texts;
        for (int column = 0; column < results.m_table->columnCount(); ++column)
            texts << results.m_table->item(row, column)->text();
        results.m_table->selectRow(row);
        return texts.join('|') + '\n' + results.m_details->toPlainText();
    }

    // The results of a check started, once it has ended.
    SendResultsDlg* Ended() const
    {
        SendResultsDlg* results = m_dlg->m_sendResults;
        const bool ended =
            results != nullptr &&
            QTest::qWaitFor([results] { return !results->run().running(); }, RUN_TIMEOUT_MS);
        return ended ? results : nullptr;
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_profile.path());
        SetRegistryKey("Local AppWizard-Generated Applications");
        m_fleet = std::make_unique<SimProcess>(QStringList{"--devices", "20"}, Dotted(FLEET),
                                               DEVICE_COMMAND_PORT);
        m_silent = std::make_unique<SimProcess>(QStringList{"--silent"}, Dotted(SILENT),
                                                DEVICE_COMMAND_PORT);
        QVERIFY(m_fleet->Start() && m_silent->Start());
        for (const auto& [offset, device] : DIFFERING)
            QCOMPARE(Tolvoctl(QStringList{"set", Dotted(FLEET + offset)} + device.first).status, 0);
        m_dlg = std::make_unique<CTolvoConfigDlg>();
        m_dlg->Create(nullptr);
        QVERIFY(ShowActive(m_dlg.get()));
        m_dlg->m_deviceAddress = FLEET;
        m_dlg->m_deviceTimeoutMs = 1000; // the silent device's failure comes soon
        m_dlg->UpdateData(false);
        PromptScript script;
        m_dlg->LoadConfiguration();
        QVERIFY(m_dlg->session().loadedFrom().has_value());
    }

    void cleanupTestCase()
    {
        m_dlg.reset();
        ResetProfileRoot();
    }

    // The window's item with nothing picked opens Find Devices; there Alt+K
    // checks the 20 ticked devices. None is sent a set or the apply; exactly
    // the three differing are named with their keys, the password by none of
    // its values in a cell, the details or the report saved.
    void aCheckSendsNothingAndNamesTheThreeThatDiffer()
    {
        const QList<QAction*> actions = m_dlg->actions();
        const auto check = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
            return action->text() == "Check the Picked Devices...";
        });
        QVERIFY(check != actions.end());
        PromptScript script;
        (*check)->trigger();
        QVERIFY(script.shown().size() == 1 &&
                script.shown().first().text.startsWith("Tick the devices to check"));
        FindDevicesDlg* find = m_dlg->m_findDevices;
        QVERIFY(find != nullptr && QTest::qWaitForWindowActive(find));
        QVERIFY(!find->m_checkButton->accessibleName().isEmpty() &&
                (find->m_checkButton->focusPolicy() & Qt::TabFocus));
        std::vector<uint32_t> fleet(20);
        std::iota(fleet.begin(), fleet.end(), FLEET);
        find->AddAddresses(fleet);
        QVERIFY(m_fleet->Sync());
        std::vector<qsizetype> before;
        for (const uint32_t address : fleet)
            before.push_back(CommandsOf(*m_fleet, address).size());
        QTest::keyClick(find, Qt::Key_K, Qt::AltModifier);
        QTRY_VERIFY(m_dlg->m_sendResults != nullptr); // a mnemonic's click comes a moment later
        SendResultsDlg* results = Ended();
        QVERIFY(results != nullptr);
        QCOMPARE(results->windowTitle(), QString("Checking 20 Devices"));
        QCOMPARE(results->m_summary->text(), QString("17 matching, 3 differing, 0 failed"));
        const QString compared = results->m_compared->text();
        QVERIFY2(results->m_compared->isVisible() && compared.contains(": SSID, PASSWORD, ") &&
                     compared.endsWith("not compared: DEVICEID, IPADDRESS, IPMASK, DHCP."),
                 qPrintable(compared));
        QVERIFY(!results->m_retryButton->isEnabled());
        const QString path = m_profile.filePath("check.csv");
        FileChoiceScript files;
        files.Answer(path);
        results->SaveReport();
        const QStringList csv = QString::fromUtf8(ReadAll(path)).split("\r\n");
        QVERIFY2(csv[0].startsWith("Address,Serial Number,State,Device,Differing Settings,"),
                 qPrintable(csv[0]));
        QVERIFY(m_fleet->Sync());
        QStringList shown = csv;
        for (int row = 0; row < 20; ++row) {
            const QList<QByteArray> got = CommandsOf(*m_fleet, FLEET + row).mid(before[row]);
            QVERIFY2(got.contains(WireCommand("get SSID")) && !SentAnySet(got),
                     qPrintable(Dotted(FLEET + row)));
            const QStringList lines =
                DIFFERING.count(row) > 0 ? DIFFERING.at(row).second : QStringList{};
            QCOMPARE(results->run().rows()[row].changes, lines);
            const QString state = lines.isEmpty() ? "matches" : "differs";
            const QString text = RowText(*results, row);
            QVERIFY2(text.contains('|' + state + "|untouched|" + lines.join("; ") + '\n'),
                     qPrintable(text));
            QVERIFY2(csv[row + 1].startsWith(Dotted(FLEET + row) + ",TS-240117-") &&
                         csv[row + 1].contains(',' + state + ",untouched,") &&
                         csv[row + 1].contains(lines.join("; ").replace('"', "\"\"")),
                     qPrintable(csv[row + 1]));
            shown << text;
        }
        QVERIFY(!csv.join('\n').contains("********"));
        for (const QString& password : PASSWORDS)
            QVERIFY2(!shown.join('\n').contains(password), qPrintable(password));
    }

    // A device that answers nothing is failed, never matching; Retry checks
    // it again, and nothing reaches the device that matched.
    void aSilentDeviceFailsAndRetryChecksOnlyIt()
    {
        m_dlg->CheckDevices({FLEET, SILENT});
        SendResultsDlg* results = Ended();
        QVERIFY(results != nullptr);
        QCOMPARE(results->m_summary->text(), QString("1 matching, 0 differing, 1 failed"));
        const QString silent = RowText(*results, 1);
        QVERIFY2(silent.contains("|failed|untouched|") && silent.contains("did not answer in time"),
                 qPrintable(silent));
        QVERIFY(m_fleet->Sync());
        const qsizetype fleetBefore = m_fleet->Commands().size();
        const qsizetype silentBefore = m_silent->Commands().size();
        QTest::mouseClick(results->m_retryButton, Qt::LeftButton);
        QVERIFY(Ended() == results);
        QCOMPARE(results->m_progress->maximum(), 1);
        QCOMPARE(results->m_summary->text(), QString("1 matching, 0 differing, 1 failed"));
        QVERIFY(m_fleet->Sync());
        QCOMPARE(m_fleet->Commands().size(), fleetBefore);
        QTRY_VERIFY(m_silent->Commands().size() > silentBefore);
        QVERIFY(!SentAnySet(m_silent->Commands()));
    }

    // A device with bytes the wire format does not expect never matches: its
    // values escaped in the row and the report, its password's nowhere.
    void aHostileDeviceNeverMatchesAndShowsNoRawBytes_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a control sequence") << QStringList{"--reply", "SSID=Net\\x1b[2Kfake"}
                                            << "|differs|untouched|SSID: the device holds "
                                               "\"Net\\x1b[2Kfake\", the pages \"TolvoNet\"";
        QTest::newRow("a zero byte before the password")
            << QStringList{"--reply", "PASSWORD=\\0hostile-pw-55"}
            << "|differs|untouched|PASSWORD: differs\n";
        QTest::newRow("an error line as a value")
            << QStringList{"--unknown", "CHANNEL"}
            << "|differs|untouched|CHANNEL: the device holds \"ERROR unknown key\"";
        QTest::newRow("a line end inside a reply") << QStringList{"--reply", "SSID=Tolvo\\nNet"}
                                                   << "more reply lines than it was asked for";
    }

    void aHostileDeviceNeverMatchesAndShowsNoRawBytes()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, shown);
        static uint32_t address = 0x7F00478C; // 127.0.71.140 on
        SimProcess sim(options, Dotted(++address), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        m_dlg->CheckDevices({address});
        SendResultsDlg* results = Ended();
        QVERIFY(results != nullptr);
        const QString text = RowText(*results, 0) + QString::fromUtf8(results->run().ReportCsv());
        QVERIFY2(text.contains(shown) && !text.contains("hostile-pw-55"), qPrintable(text));
        QVERIFY2(std::all_of(text.begin(), text.end(),
                             [](QChar c) { return c == '\n' || c == '\r' || c.isPrint(); }),
                 qPrintable(text));
        QVERIFY(sim.Sync());
        QVERIFY2(!SentAnySet(sim.Commands()), sim.Commands().join("\n").constData());
    }

    // Cancelled, each row is what its device did: checked, or not started
    // and not read at all.
    void cancelLeavesEveryRowTrue()
    {
        SimProcess sim({"--devices", "12", "--delay", "60"}, Dotted(SLOW), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        m_dlg->m_sendJobs = 2;
        std::vector<uint32_t> slow(12);
        std::iota(slow.begin(), slow.end(), SLOW);
        m_dlg->CheckDevices(slow);
        SendResultsDlg* results = m_dlg->m_sendResults;
        QTRY_VERIFY_WITH_TIMEOUT(results->run().done() >= 3, RUN_TIMEOUT_MS);
        QTest::mouseClick(results->m_cancelButton, Qt::LeftButton);
        QVERIFY(Ended() == results && sim.Sync());
        int notStarted = 0;
        for (int row = 0; row < 12; ++row) {
            const SendState state = results->run().rows()[row].state;
            const QList<QByteArray> got = CommandsOf(sim, SLOW + row);
            const QString text = RowText(*results, row);
            QVERIFY2(state == SendState::Matches || state == SendState::NotStarted,
                     qPrintable(text));
            QVERIFY(!SentAnySet(got));
            if (state == SendState::NotStarted) {
                QVERIFY(got.isEmpty() && text.contains("it was not read"));
                ++notStarted;
            }
        }
        QVERIFY(notStarted > 0 && notStarted < 10);
        QVERIFY(results->m_summary->text().endsWith(QString(", %1 not started").arg(notStarted)));
    }
};

QTEST_MAIN(TestCheckMany)
#include "test_check_many.moc"
