// Checking the picked devices against the pages' settings from the window,
// end to end against tolvo-sim: nothing is sent, each device matches or
// names what differs, the password never shows, Cancel and a silent device
// leave every row true, Retry checks only the failed.
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
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace {

constexpr uint32_t FLEET = 0x7F004701;  // 127.0.71.1: 20 devices
constexpr uint32_t SILENT = 0x7F004715; // 127.0.71.21: answers nothing
constexpr uint32_t SLOW = 0x7F004765;   // 127.0.71.101: 12 slow devices
constexpr int FLEET_SIZE = 20;
constexpr int RUN_TIMEOUT_MS = 60000;
// The simulator's password, which the pages hold after the load, and those
// the differing devices are given.
const QStringList PASSWORDS{"tolvo1234", "Other-Secret-81", "Third-Secret-27"};

QString Dotted(uint32_t address)
{
    return QString::fromStdString(FormatDottedAddress(address));
}

std::vector<uint32_t> Addresses(uint32_t first, int count)
{
    std::vector<uint32_t> addresses;
    for (int i = 0; i < count; ++i)
        addresses.push_back(first + i);
    return addresses;
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

// The devices made to differ before the check (by offset from FLEET), with
// what tolvoctl set gives them and the lines their rows must hold.
struct Differing {
    int offset;
    QStringList set;
    QStringList lines;
};
const Differing DIFFERING[] = {
    {4, {"SSID=Other net"}, {"SSID: the device holds \"Other net\", the pages \"TolvoNet\""}},
    {9,
     {"CHANNEL=11", "PASSWORD=" + PASSWORDS[1]},
     {"PASSWORD: differs", "CHANNEL: the device holds \"11\", the pages \"6\""}},
    {15, {"PASSWORD=" + PASSWORDS[2]}, {"PASSWORD: differs"}},
};

} // namespace

class TestCheckMany : public QObject {
    Q_OBJECT

    QTemporaryDir m_profile;
    std::unique_ptr<SimProcess> m_fleet;
    std::unique_ptr<SimProcess> m_silent;
    std::unique_ptr<CTolvoConfigDlg> m_dlg;
    std::map<uint32_t, qsizetype> m_before; // each fleet device's commands before the check

    static QString RowText(SendResultsDlg& results, int row)
    {
        QStringList texts;
        for (int column = 0; column < results.m_table->columnCount(); ++column)
            texts << results.m_table->item(row, column)->text();
        results.m_table->selectRow(row);
        return texts.join('|') + '\n' + results.m_details->toPlainText();
    }

    SendResultsDlg* WaitForResults() const
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
        for (const Differing& device : DIFFERING) {
            const CliRun set =
                Tolvoctl(QStringList{"set", Dotted(FLEET + device.offset)} + device.set);
            QVERIFY2(set.status == 0, qPrintable(set.err));
        }
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

    void nothingPickedSaysSoAndOpensFindDevices()
    {
        QAction* check = nullptr;
        for (QAction* action : m_dlg->actions())
            if (action->text() == "Check the Picked Devices...")
                check = action;
        QVERIFY(check != nullptr);
        PromptScript script;
        check->trigger();
        QCOMPARE(script.shown().size(), 1);
        QVERIFY(script.shown().first().text.startsWith("Tick the devices to check"));
        QVERIFY(m_dlg->m_findDevices != nullptr && m_dlg->m_findDevices->isVisible());
        QVERIFY(m_dlg->m_sendResults == nullptr);
    }

    // The button's mnemonic (Alt+K) checks the 20 ticked devices; none of
    // them is sent a set or the apply.
    void aCheckSendsNothingAndNamesTheThreeThatDiffer()
    {
        FindDevicesDlg* find = m_dlg->m_findDevices;
        QVERIFY(find != nullptr);
        QVERIFY(!find->m_checkButton->accessibleName().isEmpty());
        QVERIFY(find->m_checkButton->focusPolicy() & Qt::TabFocus);
        find->AddAddresses(Addresses(FLEET, FLEET_SIZE));
        QVERIFY(m_fleet->Sync());
        for (const uint32_t address : Addresses(FLEET, FLEET_SIZE))
            m_before[address] = CommandsOf(*m_fleet, address).size();
        QVERIFY(QTest::qWaitForWindowActive(find));
        QTest::keyClick(find, Qt::Key_K, Qt::AltModifier);
        QTRY_VERIFY(m_dlg->m_sendResults != nullptr); // a mnemonic's click comes a moment later
        SendResultsDlg* results = WaitForResults();
        QVERIFY(results != nullptr);
        QCOMPARE(results->windowTitle(), QString("Checking 20 Devices"));
        QCOMPARE(results->m_summary->text(), QString("17 matching, 3 differing, 0 failed"));
        QVERIFY(results->m_compared->isVisible());
        QVERIFY2(results->m_compared->text().contains(": SSID, PASSWORD, ") &&
                     results->m_compared->text().endsWith(
                         "not compared: DEVICEID, IPADDRESS, IPMASK, DHCP."),
                 qPrintable(results->m_compared->text()));
        QCOMPARE(results->m_table->horizontalHeaderItem(SendResultsDlg::COLUMN_CHANGES)->text(),
                 QString("Differing Settings"));
        QVERIFY(!results->m_retryButton->isEnabled());
        QVERIFY(m_fleet->Sync());
        for (const uint32_t address : Addresses(FLEET, FLEET_SIZE)) {
            const QList<QByteArray> got = CommandsOf(*m_fleet, address).mid(m_before[address]);
            QVERIFY2(!got.isEmpty() && !SentAnySet(got), qPrintable(Dotted(address)));
            QVERIFY(got.contains(WireCommand("get SSID")));
        }
    }

    void eachRowSaysWhatDiffers_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("lines");
        for (const Differing& device : DIFFERING)
            QTest::addRow("device %d: %s", device.offset,
                          qPrintable(QStringList(device.set)
                                         .replaceInStrings(QRegularExpression("=.*"), "")
                                         .join(", ")))
                << device.offset << "differs" << device.lines;
        for (const int row : {0, 1, 10, 19})
            QTest::addRow("device %d matches", row) << row << "matches" << QStringList{};
    }

    void eachRowSaysWhatDiffers()
    {
        QFETCH(int, row);
        QFETCH(QString, state);
        QFETCH(QStringList, lines);
        SendResultsDlg* results = m_dlg->m_sendResults;
        QVERIFY(results != nullptr);
        const SendRow& shown = results->run().rows()[row];
        QCOMPARE(shown.changes, lines);
        QCOMPARE(int(shown.differences.size()), lines.size());
        const QString text = RowText(*results, row);
        QVERIFY2(text.startsWith(Dotted(FLEET + row) + "||TS-240117-"), qPrintable(text));
        QVERIFY2(text.contains('|' + state + "|untouched|" + lines.join("; ") + '\n'),
                 qPrintable(text));
        for (const QString& line : lines)
            QVERIFY2(results->m_details->toPlainText().contains(line), qPrintable(text));
    }

    // Neither the pages' password nor a device's is in a cell, the details
    // or the report saved; the report says what the check found.
    void passwordIsInNoCellDetailOrReport()
    {
        SendResultsDlg* results = m_dlg->m_sendResults;
        QVERIFY(results != nullptr);
        QStringList shown;
        for (int row = 0; row < results->m_table->rowCount(); ++row)
            shown << RowText(*results, row);
        const QString path = m_profile.filePath("check.csv");
        FileChoiceScript files;
        files.Answer(path);
        results->SaveReport();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString csv = QString::fromUtf8(file.readAll());
        for (const QString& password : PASSWORDS) {
            QVERIFY2(!shown.join('\n').contains(password), qPrintable(password));
            QVERIFY2(!csv.contains(password), qPrintable(password));
        }
        QVERIFY(!csv.contains("********"));
        const QStringList lines = csv.split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), FLEET_SIZE + 1);
        QVERIFY2(lines[0].startsWith("Address,Serial Number,State,Device,Differing Settings,"),
                 qPrintable(lines[0]));
        for (int row = 0; row < FLEET_SIZE; ++row) {
            const auto differing =
                std::find_if(std::begin(DIFFERING), std::end(DIFFERING),
                             [row](const Differing& d) { return d.offset == row; });
            const QString outcome = differing == std::end(DIFFERING)
                                        ? QStringLiteral(",matches,untouched,,")
                                        : QStringLiteral(",differs,untouched,");
            QVERIFY2(lines[row + 1].startsWith(Dotted(FLEET + row) + ",TS-240117-") &&
                         lines[row + 1].contains(outcome),
                     qPrintable(lines[row + 1]));
        }
        QVERIFY2(lines[16].contains(",differs,untouched,PASSWORD: differs,"),
                 qPrintable(lines[16]));
    }

    // A device that answers nothing is failed, never matching; Retry checks
    // it again, and nothing reaches the devices that were checked.
    void aSilentDeviceFailsAndRetryChecksOnlyIt()
    {
        m_dlg->CheckDevices({FLEET, SILENT});
        SendResultsDlg* results = WaitForResults();
        QVERIFY(results != nullptr);
        QCOMPARE(results->m_summary->text(), QString("1 matching, 0 differing, 1 failed"));
        QCOMPARE(results->run().rows()[1].state, SendState::Failed);
        const QString silent = RowText(*results, 1);
        QVERIFY2(silent.contains("|failed|untouched|") && silent.contains("did not answer in time"),
                 qPrintable(silent));
        QVERIFY(results->m_retryButton->isEnabled());
        QVERIFY(m_fleet->Sync());
        const qsizetype fleetBefore = m_fleet->Commands().size();
        const qsizetype silentBefore = m_silent->Commands().size();
        QTest::mouseClick(results->m_retryButton, Qt::LeftButton);
        QVERIFY(WaitForResults() == results);
        QCOMPARE(results->m_progress->maximum(), 1);
        QCOMPARE(results->m_summary->text(), QString("1 matching, 0 differing, 1 failed"));
        QVERIFY(m_fleet->Sync());
        QCOMPARE(m_fleet->Commands().size(), fleetBefore);
        QTRY_VERIFY(m_silent->Commands().size() > silentBefore);
        QVERIFY(!SentAnySet(m_silent->Commands()));
    }

    // A device with bytes the wire format does not expect never matches: its
    // values are shown escaped (no control byte reaches a cell, the details
    // or the report), its password's bytes nowhere.
    void aHostileDeviceNeverMatchesAndShowsNoRawBytes_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("hidden");
        QTest::newRow("a control sequence in a value")
            << QStringList{"--reply", "SSID=Net\\x1b[2Kfake"} << "differs"
            << "SSID: the device holds \"Net\\x1b[2Kfake\", the pages \"TolvoNet\"" << QString();
        QTest::newRow("a zero byte before the password")
            << QStringList{"--reply", "PASSWORD=\\0hostile-pw-55"} << "differs"
            << "PASSWORD: differs"
            << "hostile-pw-55";
        QTest::newRow("an error line as a value")
            << QStringList{"--unknown", "CHANNEL"} << "differs"
            << "CHANNEL: the device holds \"ERROR unknown key\", the pages \"6\"" << QString();
        QTest::newRow("a line end inside a reply")
            << QStringList{"--reply", "SSID=Tolvo\\nNet"} << "failed"
            << "more reply lines than it was asked for" << QString();
    }

    void aHostileDeviceNeverMatchesAndShowsNoRawBytes()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, state);
        QFETCH(QString, shown);
        QFETCH(QString, hidden);
        static uint32_t address = 0x7F00478C; // 127.0.71.140 on
        ++address;
        SimProcess sim(options, Dotted(address), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        m_dlg->CheckDevices({address});
        SendResultsDlg* results = WaitForResults();
        QVERIFY(results != nullptr);
        const QString text = RowText(*results, 0);
        const QString csv = QString::fromUtf8(results->run().ReportCsv());
        QVERIFY2(text.contains('|' + state + '|') && text.contains(shown), qPrintable(text));
        QVERIFY2(csv.contains(',' + state + ','), qPrintable(csv));
        for (const QString& output : {text, csv})
            for (const QChar c : output)
                QVERIFY2(c == '\n' || c == '\r' || (c >= ' ' && c != QChar(0x7F)),
                         qPrintable(output));
        if (!hidden.isEmpty())
            QVERIFY(!text.contains(hidden) && !csv.contains(hidden));
        QVERIFY(sim.Sync() && !SentAnySet(sim.Commands()));
    }

    // Cancelled, each row is what its device did: checked, or not started
    // and not read at all.
    void cancelLeavesEveryRowTrue()
    {
        SimProcess sim({"--devices", "12", "--delay", "60"}, Dotted(SLOW), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        m_dlg->m_sendJobs = 2;
        m_dlg->CheckDevices(Addresses(SLOW, 12));
        SendResultsDlg* results = m_dlg->m_sendResults;
        QVERIFY(results != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(results->run().done() >= 3, RUN_TIMEOUT_MS);
        QTest::mouseClick(results->m_cancelButton, Qt::LeftButton);
        QVERIFY(WaitForResults() == results);
        QVERIFY(sim.Sync());
        int notStarted = 0;
        for (int row = 0; row < 12; ++row) {
            const SendState state = results->run().rows()[row].state;
            const QList<QByteArray> got = CommandsOf(sim, SLOW + row);
            QVERIFY2(state == SendState::Matches || state == SendState::NotStarted,
                     qPrintable(RowText(*results, row)));
            QVERIFY(!SentAnySet(got));
            if (state == SendState::NotStarted) {
                QVERIFY(got.isEmpty());
                QVERIFY(RowText(*results, row).contains("it was not read"));
                ++notStarted;
            }
        }
        QVERIFY(notStarted > 0 && notStarted < 10);
        QVERIFY(results->m_summary->text().endsWith(QString(", %1 not started").arg(notStarted)));
    }
};

QTEST_MAIN(TestCheckMany)
#include "test_check_many.moc"
