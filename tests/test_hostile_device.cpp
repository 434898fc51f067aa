// The fault class "a hostile device": every tolvoctl command and the window
// (Load, Save, Import, the failure boxes' details, sending to many devices)
// against devices that put zero bytes, control sequences and line ends
// inside their replies, echo the sets they get, and answer with error lines.
// Whatever a device sends: human-readable output shows its control bytes
// escaped, the password stays masked, a value that would break a command's
// framing is never sent, and --json and settings files keep the exact bytes.
#include "CTolvoConfigDlg.h"
#include "CliRun.h"
#include "ConfigTable.h"
#include "FileChooser.h"
#include "GuiTest.h"
#include "ParamRules.h"
#include "Profile.h"
#include "Prompts.h"
#include "SendConfirmDlg.h"
#include "SendResultsDlg.h"
#include "SettingsFile.h"
#include "SimProcess.h"
#include "TolvoWiFi.h"
#include "Transcript.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

namespace {

// The hostile device listens on HOSTILE, a well-behaved one on HOSTILE + 1:
// a command given both must still report the second in full.
const QString HOSTILE = QStringLiteral("127.0.77.2");
const QString HEALTHY = QStringLiteral("127.0.77.3");
const QString BOTH = QStringLiteral("127.0.77.2/31");
const QString HEALTHY_SERIAL = QStringLiteral("TS-240117-0042");
// The window's own block of addresses, one per test row.
constexpr uint32_t WINDOW_FIRST = 0x7F004E01; // 127.0.78.1

// What no output but a settings file, get's values and --json may hold.
const QString PROBE = QStringLiteral("Zq9-");

// The kinds of hostile device, as tolvo-sim options.
QList<std::pair<const char*, QStringList>> Profiles()
{
    return {
        {"zero bytes",
         {"--reply", "SERIALN=TS-\\0-77", "--reply", "PASSWORD=\\0Zq9-RevSecret-77", "--reply",
          "DEVICEID=Dev\\0ice"}},
        {"control sequences",
         {"--reply", "SSID=Net\\x1b[2Kfake", "--reply", "DEVICEID=\\x1b]2;title\\x07", "--reply",
          "FWVERSION=2.3\\x9b"
          "1m",
          "--reply", "SERIALN=TS-\\x1b[31m-77", "--set", "PASSWORD=Zq9-Plain-55"}},
        {"a line end inside a reply",
         {"--reply", "DEVICEID=Dev\\nice", "--set", "PASSWORD=Zq9-Lf-44"}},
        {"echoed sets", {"--echo-set", "--set", "PASSWORD=Zq9-EchoSecret-88"}},
        {"error lines", {"--unknown", "SSID", "--set", "PASSWORD=Zq9-Err-33"}},
    };
}

QString Dotted(uint32_t address)
{
    return QString::fromStdString(FormatDottedAddress(address));
}

// The first character a terminal could take as a control code: C0 but for
// the line feed that ends each line, DEL and C1. Nothing when there is none.
std::optional<QChar> ControlCharacter(const QString& text)
{
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if ((code < 0x20 && c != u'\n') || (code >= 0x7F && code <= 0x9F))
            return c;
    }
    return std::nullopt;
}

// Text as a failure message shows it, its control bytes escaped.
QString Visible(const QString& text)
{
    return EscapedBytes(text.toLatin1().toStdString());
}

QString Unescaped(const QString& escaped)
{
    return QString::fromLatin1(Unescape(escaped.toLatin1()));
}

} // namespace

class TestHostileDevice : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SimProcess> m_hostile;
    std::unique_ptr<SimProcess> m_healthy;
    uint32_t m_windowAddress = WINDOW_FIRST;

    bool StartDevices(const QStringList& options)
    {
        m_hostile = std::make_unique<SimProcess>(options, HOSTILE, DEVICE_COMMAND_PORT);
        m_healthy = std::make_unique<SimProcess>(QStringList{}, HEALTHY, DEVICE_COMMAND_PORT);
        return m_hostile->Start() && m_healthy->Start();
    }

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // The set commands a device received, but for those of its own sync.
    static QList<QByteArray> Sets(const SimProcess& sim)
    {
        QList<QByteArray> sets;
        if (sim.Sync())
            for (const QByteArray& command : sim.Commands())
                if (command.startsWith("set "))
                    sets << command;
        return sets;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Path("profile"));
        SetRegistryKey("Local AppWizard-Generated Applications");
    }

    void cleanup()
    {
        m_hostile.reset();
        m_healthy.reset();
        ResetProfileRoot();
    }

    // Every command against each kind of device, with the same properties
    // checked each time: human-readable output holds no control character,
    // no output but get's holds the password, the healthy device's report is
    // whole, and nothing is sent by a command that only reads.
    void everyCommand_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("arguments"); // DIR stands for a fresh folder
        QTest::addColumn<bool>("json");
        QTest::addColumn<bool>("sends");
        const QList<std::tuple<const char*, QStringList, bool>> commands = {
            {"get", {"get", HOSTILE, HEALTHY}, false},
            {"get --trace", {"get", HOSTILE, HEALTHY, "SSID", "DEVICEID", "--trace"}, false},
            {"backup --trace", {"backup", HOSTILE, HEALTHY, "-o", "DIR", "--trace"}, false},
            {"backup --history", {"backup", HOSTILE, HEALTHY, "-o", "DIR", "--history"}, false},
            {"diff", {"diff", HOSTILE, "DIR/healthy.json"}, false},
            {"set --trace", {"set", HOSTILE, HEALTHY, "PASSWORD=Zq9-New-11", "--trace"}, true},
            {"restore", {"restore", HOSTILE, HEALTHY, "DIR/healthy.json", "--only-changed"}, true},
            {"scan", {"scan", BOTH}, false},
        };
        for (const auto& [profile, options] : Profiles()) {
            for (const auto& [name, arguments, sends] : commands) {
                QTest::addRow("%s: %s", profile, name) << options << arguments << false << sends;
                QTest::addRow("%s: %s --json", profile, name)
                    << options << (arguments + QStringList{"--json"}) << true << sends;
            }
        }
    }

    void everyCommand()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, arguments);
        QFETCH(bool, json);
        QFETCH(bool, sends);
        if (arguments.contains("--history") && QStandardPaths::findExecutable("git").isEmpty())
            QSKIP("no git program here");
        QVERIFY(StartDevices(options));
        QTemporaryDir dir(Path("run-XXXXXX"));
        for (QString& argument : arguments)
            argument.replace("DIR", dir.path());
        QCOMPARE(Tolvoctl({"backup", HEALTHY, "-o", dir.filePath("healthy.json")}).status, 0);
        const CliRun run = Tolvoctl(arguments);
        QVERIFY2(run.status >= 0 && run.status <= 3, qPrintable(run.err));
        const QString human = (json ? QString() : run.out) + run.err;
        if (const auto c = ControlCharacter(human))
            QFAIL(qPrintable(QString("U+%1 in: %2")
                                 .arg(int(c->unicode()), 4, 16, QChar('0'))
                                 .arg(Visible(human))));
        if (arguments.first() != "get" || arguments.contains("--trace"))
            QVERIFY2(!(run.out + run.err).contains(PROBE), qPrintable(Visible(run.out + run.err)));
        if (arguments.contains(HEALTHY) || arguments.contains(BOTH))
            QVERIFY2(run.out.contains(HEALTHY), qPrintable(run.out));
        if (json) {
            const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8());
            QVERIFY2(document.isObject(), qPrintable(run.out));
            QVERIFY(document.object().contains("exitStatus") ||
                    document.object().value("command") == "scan");
        }
        if (!sends) {
            QVERIFY(Sets(*m_hostile).isEmpty());
            QVERIFY(Sets(*m_healthy).isEmpty());
        }
    }

    // A value with a line end or a zero byte is refused, naming its key,
    // before anything is sent, whichever way it comes: check, set, restore
    // of a file or of standard input, the window's Import.
    void valuesThatBreakTheFramingAreNeverSent_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // JSON string text
        QTest::addColumn<QString>("shown"); // as the message quotes it
        QTest::newRow("an address ending in a line feed") << "IPADDRESS"
                                                          << "10.1.2.3\\n"
                                                          << "10.1.2.3\\n";
        QTest::newRow("a number ending in CR LF") << "CHANNEL"
                                                  << "6\\r\\n"
                                                  << "6\\r\\n";
        QTest::newRow("a list value with a zero byte") << "RS232 baudrate"
                                                       << "9600\\u0000"
                                                       << "9600\\0";
        QTest::newRow("a text with a line feed inside") << "SSID"
                                                        << "Lab\\nset CONFIGURE"
                                                        << "Lab\\nset CONFIGURE";
        QTest::newRow("the password ending in a line feed") << "PASSWORD"
                                                            << "Zq9-Lf-22\\n"
                                                            << "********";
    }

    void valuesThatBreakTheFramingAreNeverSent()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        QVERIFY(StartDevices({}));
        const QByteArray document =
            QString(R"({"format": "tolvo-s-settings", "version": 1, "settings": {"%1": "%2"}})")
                .arg(key, value)
                .toUtf8();
        const QString file = Path("framing.json");
        QVERIFY(WriteFile(file, document));
        const QString named = QString("%1: value \"%2\" holds a line break").arg(key, shown);
        const QString assignment = key + '=' + Unescaped(QString(value).replace("\\u0000", "\\0"));
        QList<CliRun> runs = {
            Tolvoctl({"check", file}),
            Tolvoctl({"restore", HOSTILE, file}),
            Tolvoctl({"restore", HOSTILE, file, "--only-changed", "--json"}),
            TolvoctlWithInput({"restore", HOSTILE, "-"}, document),
        };
        if (!assignment.contains(QChar(0))) // no argument can hold a zero byte
            runs << Tolvoctl({"set", HOSTILE, assignment});
        for (const CliRun& run : runs) {
            QCOMPARE(run.status, 2);
            QVERIFY2(run.err.contains(named), qPrintable(run.err));
            QVERIFY(!ControlCharacter(run.err));
            QVERIFY(!run.err.contains("Zq9-Lf-22"));
        }
        QVERIFY(SimIdle(*m_hostile));

        // The window: Import refuses the file, and a Save then sends the
        // pages as loaded, without the value.
        CTolvoConfigDlg dlg;
        dlg.Create(nullptr);
        dlg.m_deviceAddress = *ParseDottedAddress(HOSTILE);
        dlg.UpdateData(false);
        PromptScript script;
        dlg.LoadConfiguration();
        FileChoiceScript files;
        files.Answer(file);
        dlg.ImportSettings();
        QCOMPARE(script.shown().last().caption, QString("Import Failed"));
        QVERIFY2(script.shown().last().text.contains(named),
                 qPrintable(script.shown().last().text));
        const qsizetype before = m_hostile->Commands().size();
        dlg.SaveConfiguration();
        const QList<QByteArray> saved = m_hostile->Commands().mid(before);
        QVERIFY(!saved.isEmpty());
        for (const QByteArray& command : saved)
            QVERIFY2(command.indexOf('\r') == command.size() - 2 && !command.contains('\n') &&
                         command.indexOf('\0') == command.size() - 1,
                     command.constData());
    }

    // A zero byte in a device's serial number: the history's commit message
    // names every device, each control byte escaped.
    void historyCommitMessageNamesEveryDevice()
    {
        if (QStandardPaths::findExecutable("git").isEmpty())
            QSKIP("no git program here");
        QVERIFY(StartDevices({"--reply", "SERIALN=TS-\\0-\\x1b[2K77"}));
        const QString dir = Path("history");
        const CliRun backup = Tolvoctl({"backup", HOSTILE, HEALTHY, "-o", dir, "--history"});
        QVERIFY2(backup.status == 0, qPrintable(backup.out + backup.err));
        QVERIFY2(backup.out.contains("TS-\\0-\\x1b[2K77 (" + HOSTILE + "): new; " + HEALTHY_SERIAL),
                 qPrintable(backup.out));
        QProcess git;
        git.start("git", {"-C", dir, "log", "-1", "--format=%B"});
        QVERIFY(git.waitForFinished(30000));
        const QString message = QString::fromUtf8(git.readAllStandardOutput());
        QCOMPARE(message.trimmed(), QString("Backup: 2 device(s) changed\n\n"
                                            "TS-\\0-\\x1b[2K77 (%1): new\n%2 (%3): new")
                                        .arg(HOSTILE, HEALTHY_SERIAL, HEALTHY));
    }

    // A device's control sequences: escaped on the terminal, exact in --json
    // and in the settings file.
    void controlSequencesAreEscapedForPeopleAndExactForPrograms()
    {
        const QString ssid = "Net\\x1b[2Kfake\\x07";
        QVERIFY(StartDevices({"--reply", "SSID=" + ssid, "--reply",
                              "SERIALN=TS\\x9b"
                              "31m"}));
        const CliRun get = Tolvoctl({"get", HOSTILE, "SSID"});
        QCOMPARE(get.out, "SSID=" + ssid + '\n');
        const CliRun json = Tolvoctl({"get", HOSTILE, "SSID", "--json"});
        const QJsonObject device =
            QJsonDocument::fromJson(json.out.toUtf8())["devices"][0].toObject();
        QCOMPARE(device["values"]["SSID"].toString(), Unescaped(ssid));
        const CliRun scan = Tolvoctl({"scan", BOTH});
        QVERIFY2(scan.out.contains(HOSTILE + "       TS\\x9b31m "), qPrintable(scan.out));

        const QString file = Path("control.json");
        QCOMPARE(Tolvoctl({"backup", HOSTILE, "-o", file}).status, 0);
        QStringList problems;
        const auto read = LoadSettingsFile(file, problems);
        QVERIFY(read.has_value());
        QVERIFY(read->values.contains({QString("SSID"), Unescaped(ssid)}));
        // The healthy device differs in SSID: diff and a restore the device
        // does not keep quote the bytes escaped.
        const CliRun diff = Tolvoctl({"diff", HEALTHY, file});
        QVERIFY2(diff.out.contains("SSID: device \"TolvoNet\", file \"" + ssid + "\""),
                 qPrintable(diff.out));
        SimProcess ignoring({"--ignore-set", "SSID"}, "127.0.77.4", DEVICE_COMMAND_PORT);
        QVERIFY(ignoring.Start());
        const CliRun restore = Tolvoctl({"restore", "127.0.77.4", file});
        QCOMPARE(restore.status, 1);
        QVERIFY2(restore.out.contains("SSID: sent \"" + ssid + "\", the device holds \"TolvoNet\""),
                 qPrintable(restore.out));
        QVERIFY(ignoring.Commands().contains(WireCommand("set SSID " + Unescape(ssid.toLatin1()))));
        // Two devices with one such serial number: the second is named.
        SimProcess twins({"--devices", "2", "--reply", "SERIALN=TS\\x1b[2K"}, "127.0.77.6",
                         DEVICE_COMMAND_PORT);
        QVERIFY(twins.Start());
        const CliRun both = Tolvoctl({"backup", "127.0.77.6", "127.0.77.7", "-o", Path("twins")});
        QCOMPARE(both.status, 3);
        QVERIFY2(both.out.contains("another device has the serial number \"TS\\x1b[2K\""),
                 qPrintable(Visible(both.out)));
    }

    // A device that answers a get with an error line: the backup says so
    // and names the key; a restore of that file sends that text only when
    // told to.
    void errorRepliesAreNamedAndSentOnlyWhenToldTo()
    {
        QVERIFY(StartDevices({"--unknown", "SSID"}));
        const QString file = Path("old-firmware.json");
        const CliRun backup = Tolvoctl({"backup", HOSTILE, "-o", file, "--json"});
        QCOMPARE(backup.status, 0);
        QVERIFY2(backup.err.contains(
                     "SSID: value \"ERROR unknown key\" is the error reply a device gives"),
                 qPrintable(backup.err));
        const QJsonObject device =
            QJsonDocument::fromJson(backup.out.toUtf8())["devices"][0].toObject();
        QCOMPARE(device["errorReplies"].toArray(), QJsonArray{"SSID"});
        QVERIFY(ReadAll(file).contains(R"("SSID": "ERROR unknown key")")); // as the device sent it

        const CliRun check = Tolvoctl({"check", file, "--json"});
        QCOMPARE(check.status, 0);
        QCOMPARE(QJsonDocument::fromJson(check.out.toUtf8())["errorReplies"].toArray(),
                 QJsonArray{"SSID"});
        for (const CliRun& refused :
             {Tolvoctl({"restore", HEALTHY, file}),
              TolvoctlWithInput({"restore", HEALTHY, "-"}, ReadAll(file))}) {
            QCOMPARE(refused.status, 2);
            QVERIFY2(refused.err.contains("SSID: value \"ERROR unknown key\"") &&
                         refused.err.contains("--send-error-replies"),
                     qPrintable(refused.err));
        }
        QVERIFY(SimIdle(*m_healthy));
        const CliRun told = Tolvoctl({"restore", HEALTHY, file, "--send-error-replies"});
        QCOMPARE(told.status, 0);
        QVERIFY(m_healthy->Commands().contains(WireCommand("set SSID ERROR unknown key")));
    }

    // The window against each kind of device: Load shows what the device
    // sent, a failed Load or Save and sending to many devices give details
    // whose bytes are escaped and whose password is masked.
    void windowBoxesAndDetails_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("caption"); // of the Load's box
        QTest::addColumn<QString>("detail");  // in a failure's details
        QTest::newRow("the password's reply starting with a zero byte, the load cut short")
            << QStringList{"--reply", "PASSWORD=\\0Zq9-RevSecret-77", "--close-after", "6"}
            << "Load Failed"
            << " RECV ********\\r";
        QTest::newRow("a line end inside a reply")
            << QStringList{"--reply", "SSID=Net\\nZq9-Lf-44", "--set", "PASSWORD=Zq9-Lf-44"}
            << "Load Failed"
            << " STRAY ********\\r";
        QTest::newRow("control sequences") << Profiles()[1].second << "Success!"
                                           << " RECV OK PASSWORD ********\\r";
        QTest::newRow("echoed sets") << Profiles()[3].second << "Success!"
                                     << " RECV OK PASSWORD ********\\r";
        QTest::newRow("error lines") << Profiles()[4].second << "Success!"
                                     << " RECV OK PASSWORD ********\\r";
    }

    void windowBoxesAndDetails()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, caption);
        QFETCH(QString, detail);
        // Sets are echoed and SSID's is not kept, so that a Save fails and
        // shows its transcript, which holds the echo of the password.
        const uint32_t address = m_windowAddress++;
        SimProcess sim(options + QStringList{"--echo-set", "--ignore-set", "SSID"}, Dotted(address),
                       DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        CTolvoConfigDlg dlg;
        dlg.Create(nullptr);
        dlg.m_deviceAddress = address;
        dlg.m_deviceTimeoutMs = 2000;
        dlg.UpdateData(false);
        PromptScript script;
        dlg.LoadConfiguration();
        QCOMPARE(script.shown().last().caption, caption);
        if (caption == "Success!") {
            dlg.m_pWiFi->m_passwordEdit->setText("Zq9-New-66");
            dlg.m_pWiFi->m_ssidEdit->setText("Other");
            dlg.SaveConfiguration();
            QCOMPARE(script.shown().last().caption, QString("Save Failed"));
            // Sending to many devices, with another password: the row's details.
            dlg.m_pWiFi->m_passwordEdit->setText("Zq9-New-77");
            dlg.SendToDevices({address});
            QVERIFY(dlg.m_sendConfirm != nullptr && dlg.m_sendConfirm->isVisible());
            QTest::mouseClick(dlg.m_sendConfirm->m_sendButton, Qt::LeftButton);
            SendResultsDlg* results = dlg.m_sendResults;
            QVERIFY(results != nullptr);
            QVERIFY(QTest::qWaitFor([results] { return !results->run().running(); }, 30000));
            results->m_table->selectRow(0);
            const QString details = results->m_details->toPlainText();
            QVERIFY2(details.contains(detail) && !details.contains(PROBE),
                     qPrintable(Visible(details)));
            QVERIFY(!ControlCharacter(QString(details).remove('\n')));
        }
        const Prompt& last = script.shown().last();
        QVERIFY2(last.details.contains(detail), qPrintable(Visible(last.details)));
        for (const Prompt& shown : script.shown()) {
            QVERIFY2(!(shown.text + shown.details).contains(PROBE),
                     qPrintable(Visible(shown.text + shown.details)));
            QVERIFY(!ControlCharacter(QString(shown.details).remove('\n')));
        }
    }
};

QTEST_MAIN(TestHostileDevice)
#include "test_hostile_device.moc"
