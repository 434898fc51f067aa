#include "AddressList.h"
#include "BackupFiles.h"
#include "CliRun.h"
#include "Console.h"
#include "DeviceLink.h"
#include "DeviceScan.h"
#include "ParamRules.h"
#include "SettingsFile.h"
#include "SimProcess.h"
#include "Transcript.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#endif

namespace {

// A stream of the kind named: a regular file, the null device, or a console
// (a new pseudo-terminal; on Windows a console of the test's own).
std::FILE* OpenStream(const QString& kind, const QString& folder)
{
    if (kind == "file")
        return std::fopen(qPrintable(folder + "/stream"), "w");
#ifdef Q_OS_WIN
    if (kind == "null")
        return std::fopen("NUL", "w");
    // A console of the test's own (whatever it was attached to before).
    FreeConsole();
    if (!AllocConsole())
        return nullptr;
    HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE)
        return nullptr;
    return _fdopen(_open_osfhandle(reinterpret_cast<intptr_t>(console), 0), "w");
#else
    if (kind == "null")
        return std::fopen("/dev/null", "w");
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal < 0 || grantpt(terminal) != 0 || unlockpt(terminal) != 0)
        return nullptr;
    return std::fopen(ptsname(terminal), "w"); // the leader stays open for the test's run
#endif
}

QJsonObject Values(const QString& address, const QString& extra = {})
{
    QStringList arguments{"get", address, "--json"};
    if (!extra.isEmpty())
        arguments << extra;
    const CliRun run = Tolvoctl(arguments);
    return QJsonDocument::fromJson(run.out.toUtf8())
        .object()["devices"]
        .toArray()
        .first()
        .toObject()["values"]
        .toObject();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QVERIFY(WriteFile(path, bytes));
}

QByteArray SettingsJson(const QByteArray& settings)
{
    return R"({"format": "tolvo-s-settings", "version": 1, "settings": )" + settings + "}";
}

constexpr auto NOTHING = BackupFiles::Replace::Nothing;
constexpr auto SAME_DEVICE = BackupFiles::Replace::SameDevice;
// The backup of another device, already in the folder.
const QString THEIRS = QStringLiteral(R"({"device": {"serialNumber": "S9"}})");

} // namespace

Q_DECLARE_METATYPE(BackupFiles::Replace)

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void rangesAndAddresses_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<int>("count"); // -1: refused
        QTest::addColumn<QString>("first");
        QTest::newRow("cidr /30") << "192.168.1.5/30" << 4 << "192.168.1.4";
        QTest::newRow("cidr /32") << "10.1.2.3/32" << 1 << "10.1.2.3";
        QTest::newRow("first-last") << "127.0.0.250-127.0.1.3" << 10 << "127.0.0.250";
        QTest::newRow("cidr /20, 4096") << "10.0.0.0/20" << 4096 << "10.0.0.0";
        QTest::newRow("cidr /19, too many") << "10.0.0.0/19" << -1 << "";
        QTest::newRow("last before first") << "10.0.0.9-10.0.0.1" << -1 << "";
        QTest::newRow("prefix over 32") << "10.0.0.0/33" << -1 << "";
        QTest::newRow("octet over 255") << "10.0.0.256/24" << -1 << "";
        QTest::newRow("no range") << "10.0.0.1" << -1 << "";
        QTest::newRow("words") << "lab-office" << -1 << "";
    }

    void rangesAndAddresses()
    {
        QFETCH(QString, range);
        QFETCH(int, count);
        QFETCH(QString, first);
        std::vector<uint32_t> addresses;
        QString error;
        const bool parsed = ParseRange(range, addresses, error);
        QCOMPARE(parsed, count >= 0);
        if (!parsed) {
            QVERIFY(!error.isEmpty());
            return;
        }
        QCOMPARE(int(addresses.size()), count);
        QCOMPARE(QString::fromStdString(FormatDottedAddress(addresses.front())), first);
    }

    void proposedSearchRanges_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<int>("prefix");
        QTest::addColumn<QString>("range");
        QTest::newRow("/24: its hosts") << "192.168.1.77" << 24 << "192.168.1.1-192.168.1.254";
        QTest::newRow("/22: 1022 hosts") << "10.0.5.9" << 22 << "10.0.4.1-10.0.7.254";
        QTest::newRow("/16: 1024 around") << "172.16.40.1" << 16 << "172.16.38.1-172.16.42.0";
        QTest::newRow("/16, near its start") << "172.16.0.3" << 16 << "172.16.0.1-172.16.4.0";
        QTest::newRow("/8, near its end")
            << "10.255.255.200" << 8 << "10.255.251.255-10.255.255.254";
        QTest::newRow("/31: both") << "10.0.0.4" << 31 << "10.0.0.4-10.0.0.5";
        QTest::newRow("/32: itself") << "10.0.0.4" << 32 << "10.0.0.4-10.0.0.4";
    }

    void proposedSearchRanges()
    {
        QFETCH(QString, own);
        QFETCH(int, prefix);
        QFETCH(QString, range);
        const AddressRange proposed = RangeAround(*ParseDottedAddress(own), prefix);
        QCOMPARE(RangeText(proposed), range);
        QVERIFY(proposed.last - proposed.first < uint32_t(LOCAL_RANGE_LIMIT));
    }

    void transcriptsEscapeBytesAndMaskThePassword_data()
    {
        QTest::addColumn<QByteArrayList>("sent");     // commands, with a reply after each
        QTest::addColumn<QByteArrayList>("received"); // the replies ("-": unfinished)
        QTest::addColumn<QByteArray>("lines");        // the transcript without times
        const QByteArray nul(1, '\0');
        QTest::newRow("set password")
            << QByteArrayList{"set PASSWORD s3cret\r" + nul} << QByteArrayList{"OK\r"}
            << QByteArray("SEND set PASSWORD ********\\r\\0|RECV OK\\r");
        QTest::newRow("get password, then another")
            << QByteArrayList{"get PASSWORD\r" + nul, "get SSID\r" + nul}
            << QByteArrayList{"s3cret\r\n", "Lab\\\x01\xe9\r"}
            << QByteArray("SEND get PASSWORD\\r\\0|RECV ********\\r\\n|SEND get SSID\\r\\0|"
                          "RECV Lab\\\\\\x01\xe9\\r");
        QTest::newRow("an unfinished password")
            << QByteArrayList{"get PASSWORD\r" + nul} << QByteArrayList{"-s3c"}
            << QByteArray("SEND get PASSWORD\\r\\0|PART ********");
        QTest::newRow("an empty password")
            << QByteArrayList{"get PASSWORD\r" + nul} << QByteArrayList{"\r"}
            << QByteArray("SEND get PASSWORD\\r\\0|RECV \\r");
        // Replies out of step: the password read or sent comes back as the
        // reply to another command, before or after it is known.
        QTest::newRow("the password sent, then read back as another key's")
            << QByteArrayList{"get IPADDRESS\r" + nul, "set PASSWORD s3cret\r" + nul,
                              "get IPADDRESS\r" + nul}
            << QByteArrayList{"s3cret\r", "OK\r", "s3cret\r"}
            << QByteArray("SEND get IPADDRESS\\r\\0|RECV ********\\r|"
                          "SEND set PASSWORD ********\\r\\0|RECV OK\\r|"
                          "SEND get IPADDRESS\\r\\0|RECV ********\\r");
        QTest::newRow("the password read, and again as another key's")
            << QByteArrayList{"get SSID\r" + nul, "get PASSWORD\r" + nul, "get DEVICEID\r" + nul}
            << QByteArrayList{"s3cret\r", "s3cret\r", "-s3cret"}
            << QByteArray("SEND get SSID\\r\\0|RECV ********\\r|SEND get PASSWORD\\r\\0|"
                          "RECV ********\\r|SEND get DEVICEID\\r\\0|PART ********");
        QTest::newRow("lines no command asked for")
            << QByteArrayList{"get PASSWORD\r" + nul} << QByteArrayList{"!s3c\r\rret\r\n"}
            << QByteArray("SEND get PASSWORD\\r\\0|STRAY ********\\r\\r********\\r\\n");
        // A device's own bytes around the password: every occurrence is
        // masked, whatever stands before, after or inside it.
        QTest::newRow("a password read that starts with a zero byte")
            << QByteArrayList{"get PASSWORD\r" + nul, "get SSID\r" + nul}
            << QByteArrayList{nul + "s3cret-77\r", "s3cret-77\r"}
            << QByteArray("SEND get PASSWORD\\r\\0|RECV ********\\r|SEND get SSID\\r\\0|"
                          "RECV ********\\r");
        QTest::newRow("a password read with a zero byte inside")
            << QByteArrayList{"get PASSWORD\r" + nul, "get SSID\r" + nul}
            << QByteArrayList{"ab" + nul + "s3cret\r", "net-s3cret\r"}
            << QByteArray("SEND get PASSWORD\\r\\0|RECV ********\\r|SEND get SSID\\r\\0|"
                          "RECV net-********\\r");
        QTest::newRow("a password sent with a zero byte inside")
            << QByteArrayList{"set PASSWORD s3c" + nul + "ret\r" + nul} << QByteArrayList{"OK\r"}
            << QByteArray("SEND set PASSWORD ********\\r\\0|RECV OK\\r");
        QTest::newRow("a device that echoes the set")
            << QByteArrayList{"set PASSWORD s3cret-88\r" + nul, "set CONFIGURE\r" + nul}
            << QByteArrayList{"OK PASSWORD s3cret-88\r", "OK\r"}
            << QByteArray("SEND set PASSWORD ********\\r\\0|RECV OK PASSWORD ********\\r|"
                          "SEND set CONFIGURE\\r\\0|RECV OK\\r");
        QTest::newRow("the password inside the reply to another command, and in another set")
            << QByteArrayList{"set PASSWORD s3cret\r" + nul, "get SSID\r" + nul,
                              "set SSID x-s3cret\r" + nul}
            << QByteArrayList{"OK\r", "\x1b[2Ks3cret" + nul + "s3cret!\r", "OK\r"}
            << QByteArray("SEND set PASSWORD ********\\r\\0|RECV OK\\r|SEND get SSID\\r\\0|"
                          "RECV \\x1b[2K********\\0********!\\r|"
                          "SEND set SSID x-********\\r\\0|RECV OK\\r");
        // A password of three letters is masked where it is a whole value or
        // follows its key, but not wherever the letters stand (a transcript
        // would be useless); an empty one masks nothing.
        QTest::newRow("a short password")
            << QByteArrayList{"set PASSWORD ab\r" + nul, "get SSID\r" + nul, "get DEVICEID\r" + nul}
            << QByteArrayList{"OK PASSWORD ab\r", "lab\r", "ab\r"}
            << QByteArray("SEND set PASSWORD ********\\r\\0|RECV OK PASSWORD ********\\r|"
                          "SEND get SSID\\r\\0|RECV lab\\r|SEND get DEVICEID\\r\\0|"
                          "RECV ********\\r");
        QTest::newRow("an empty password sent, then replies")
            << QByteArrayList{"set PASSWORD \r" + nul, "get SSID\r" + nul}
            << QByteArrayList{"OK\r", "Lab\r"}
            << QByteArray("SEND set PASSWORD \\r\\0|RECV OK\\r|SEND get SSID\\r\\0|RECV Lab\\r");
        QTest::newRow("control bytes of the C1 range")
            << QByteArrayList{"get SSID\r" + nul}
            << QByteArrayList{"a\x9b"
                              "31mb\x85\xa0\r"}
            << QByteArray("SEND get SSID\\r\\0|RECV a\\x9b"
                          "31mb\\x85\xa0\\r");
    }

    void transcriptsEscapeBytesAndMaskThePassword()
    {
        QFETCH(QByteArrayList, sent);
        QFETCH(QByteArrayList, received);
        QFETCH(QByteArray, lines);
        Transcript transcript;
        for (int i = 0; i < sent.size(); ++i) {
            transcript.Sent(sent[i].toStdString());
            if (received[i].startsWith('-'))
                transcript.Unfinished(received[i].mid(1).toStdString());
            else if (received[i].startsWith('!'))
                transcript.Stray(received[i].mid(1).toStdString());
            else
                transcript.Received(received[i].toStdString());
        }
        QStringList bare;
        for (const QString& line : transcript.lines())
            bare << line.section(' ', 1); // without the time
        QCOMPARE(bare.join('|'), QString::fromLatin1(lines));
        QVERIFY(!transcript.text().contains("s3c"));
    }

    void assignments_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem"); // empty: accepted
        QTest::newRow("text") << "SSID=Caf\u00e9 Lab"
                              << "";
        QTest::newRow("key with a space") << "RS232 baudrate=57600"
                                          << "";
        QTest::newRow("baud rate not in the list") << "RS232 baudrate=57601"
                                                   << "one of 9600";
        QTest::newRow("channel too high") << "CHANNEL=15"
                                          << "from 0 to 14";
        QTest::newRow("port too low") << "PORT 1=127"
                                      << "from 128 to 65535";
        QTest::newRow("address") << "IPMASK=255.255.0"
                                 << "IPv4 address";
        QTest::newRow("read-only key") << "SERIALN=X"
                                       << "no setting that can be written";
        QTest::newRow("unknown key") << "COLOUR=red"
                                     << "no setting that can be written";
        QTest::newRow("no equals sign") << "SSID"
                                        << "KEY=VALUE";
        QTest::newRow("text beyond Latin-1") << "DEVICEID=\u03b1"
                                             << "Latin-1";
        // A line end or zero byte would end the set command early: "$" of
        // a rule must not match before a final line feed.
        QTest::newRow("an address ending in a line feed")
            << "IPADDRESS=10.1.2.3\n"
            << "IPADDRESS: value \"10.1.2.3\\n\" holds a line break or a zero byte";
        QTest::newRow("a number ending in a line feed")
            << "CHANNEL=6\n"
            << "CHANNEL: value \"6\\n\" holds a line break";
        QTest::newRow("a list value with a zero byte")
            << QString("DHCP=1") + QChar(0) << "DHCP: value \"1\\0\" holds a line break";
        QTest::newRow("a password with a carriage return")
            << "PASSWORD=ab\rcd"
            << "PASSWORD: value \"********\" holds a line break";
        QTest::newRow("a text with an escape sequence") << "SSID=a\x1b[2Kb"
                                                        << "";
    }

    void assignments()
    {
        QFETCH(QString, text);
        QFETCH(QString, problem);
        Assignment assignment;
        QString error;
        QCOMPARE(ParseAssignment(text, assignment, error), problem.isEmpty());
        QVERIFY2(error.contains(problem), qPrintable(error));
    }

    // The general help lists every command and --version, which deployment
    // scripts detect the installed version by; --version prints it.
    void helpListsEveryCommandAndTheVersionOption()
    {
        const CliRun help = Tolvoctl({"--help"});
        QCOMPARE(help.status, 0);
        for (const char* command :
             {"get", "backup", "check", "diff", "history", "restore", "set", "scan"})
            QVERIFY2(help.out.contains("\n  " + QLatin1String(command) + ' '), command);
        QVERIFY2(help.out.contains("\n  --version\n"), qPrintable(help.out));
        const CliRun version = Tolvoctl({"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY2(version.out.startsWith("tolvoctl 1."), qPrintable(version.out));
    }

    void settingsFilesAreChecked_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("problems"); // a part of each, in order
        QTest::newRow("valid, some settings")
            << SettingsJson(R"({"SSID": "Lab", "PORT 2": "5002"})") << QStringList();
        QTest::newRow("not json") << QByteArray("{\"format\": ") << QStringList{"Not JSON"};
        QTest::newRow("other format")
            << QByteArray(R"({"format": "x", "version": 1, "settings": {}})")
            << QStringList{"Not a settings file"};
        QTest::newRow("unknown and read-only keys")
            << SettingsJson(R"({"COLOUR": "red", "SERIALN": "A1"})")
            << QStringList{"COLOUR: no setting", "SERIALN: no setting"};
        QTest::newRow("bad values, each named")
            << SettingsJson(R"({"CHANNEL": "15", "DHCP": "x", "IPADDRESS": "1.2.3"})")
            << QStringList{
                   "IPADDRESS: value \"1.2.3\"", "DHCP: value \"x\"",
                   "CHANNEL: value \"15\" is not valid; allowed: a whole number from 0 to 14"};
        QTest::newRow("a number, not a string")
            << SettingsJson(R"({"CHANNEL": 6})") << QStringList{"must be a JSON string"};
        QTest::newRow("values that would break a command's framing, each named")
            << SettingsJson(
                   R"({"IPADDRESS": "10.1.2.3\n", "RS232 baudrate": "9600\r", "PORT 1": "5000\u0000"})")
            << QStringList{"IPADDRESS: value \"10.1.2.3\\n\" holds a line break",
                           "RS232 baudrate: value \"9600\\r\" holds a line break",
                           "PORT 1: value \"5000\\0\" holds a line break"};
        QTest::newRow("a key with an escape sequence")
            << SettingsJson("{\"X\\u001b[2K\": \"1\"}") << QStringList{"X\\x1b[2K: no setting"};
    }

    void settingsFilesAreChecked()
    {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, problems);
        QStringList found;
        const std::optional<SettingsFile> file = ReadSettingsFile(json, found);
        QCOMPARE(file.has_value(), problems.isEmpty());
        QCOMPARE(found.size(), problems.size());
        for (int i = 0; i < problems.size(); ++i)
            QVERIFY2(found[i].contains(problems[i]), qPrintable(found[i]));
    }

    // --- end to end against tolvo-sim ---

    void backupThenRestoreGivesAnotherDeviceTheSameValues()
    {
        SimProcess from({"--set", "SSID=Caf\xc3\xa9", "--set", "CHANNEL=11", "--set",
                         "RS232 baudrate=57600", "--set", "PORT 1=5001"},
                        "127.0.2.1", DEVICE_COMMAND_PORT);
        SimProcess to({}, "127.0.2.2", DEVICE_COMMAND_PORT);
        QVERIFY(from.Start() && to.Start());
        const CliRun backup = Tolvoctl({"backup", "127.0.2.1", "-o", Path("a.json")});
        QCOMPARE(backup.status, 0);
#ifdef Q_OS_UNIX
        // It holds the Wi-Fi password: its owner's only.
        QCOMPARE(QFile::permissions(Path("a.json")),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
#endif
        const CliRun restore = Tolvoctl({"restore", "127.0.2.2", Path("a.json")});
        QVERIFY2(restore.status == 0, qPrintable(restore.out + restore.err));
        QVERIFY(to.Commands().contains(WireCommand("set SSID Caf\xe9"))); // Latin-1, as held
        QVERIFY(to.Commands().contains(WireCommand("set RS232 baudrate 57600")));
        QJsonObject source = Values("127.0.2.1");
        QJsonObject target = Values("127.0.2.2");
        QCOMPARE(target["SERIALN"].toString(), QString("TS-240117-0042"));
        for (const char* key : {"SERIALN", "FWVERSION"}) {
            source.remove(QLatin1String(key));
            target.remove(QLatin1String(key));
        }
        QCOMPARE(source.size(), 23);
        QCOMPARE(target, source);
    }

    void diffShowsExactlyTheChangedRows()
    {
        SimProcess sim({}, "127.0.2.3", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        QCOMPARE(Tolvoctl({"backup", "127.0.2.3", "-o", Path("d.json")}).status, 0);
        QCOMPARE(Tolvoctl({"diff", "127.0.2.3", Path("d.json")}).status, 0);
        QCOMPARE(Tolvoctl({"set", "127.0.2.3", "DEVICEID=Other", "DIRECT parity=0"}).status, 0);
        const CliRun diff = Tolvoctl({"diff", "127.0.2.3", Path("d.json")});
        QCOMPARE(diff.status, 1);
        QCOMPARE(diff.out.split('\n').mid(0, 2),
                 (QStringList{"DEVICEID: device \"Other\", file \"Tolvo-S\"",
                              "DIRECT parity: device \"0\", file \"2\""}));
        QVERIFY(diff.out.contains("2 settings differ"));
    }

    void dryRunSendsNothing()
    {
        SimProcess sim({}, "127.0.2.4", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        Write(Path("dry.json"), SettingsJson(R"({"SSID": "Lab", "PORT 0": "4100"})"));
        const CliRun run = Tolvoctl({"restore", "127.0.2.4", Path("dry.json"), "--dry-run"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("  set SSID Lab\\r\\0\n  set PORT 0 4100\\r\\0\n  "
                                 "set CONFIGURE\\r\\0\n"));
        QVERIFY(SimIdle(sim));
    }

    void readBackCatchesASetTheDeviceIgnored()
    {
        SimProcess sim({"--ignore-set", "CHANNEL"}, "127.0.2.5", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const CliRun run = Tolvoctl({"set", "127.0.2.5", "CHANNEL=3", "SSID=Kept"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains("NOT KEPT: CHANNEL: sent \"3\", the device holds \"6\""),
                 qPrintable(run.out));
        QVERIFY(!run.out.contains("SSID: sent"));
        QVERIFY(sim.Commands().contains(WireCommand("set CONFIGURE")));
    }

    void invalidInputIsRefusedWithNothingSent_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("file"); // written to bad.json first
        QTest::newRow("file not json")
            << QStringList{"restore", "127.0.2.6", "@bad.json"} << QByteArray("not json");
        QTest::newRow("file with a bad value")
            << QStringList{"restore", "127.0.2.6", "@bad.json"}
            << SettingsJson(R"({"SSID": "ok", "TRANSPOWER": "13"})");
        QTest::newRow("set with a bad value")
            << QStringList{"set", "127.0.2.6", "SSID=ok", "PORT 2=70000"} << QByteArray();
        QTest::newRow("bad address among good")
            << QStringList{"set", "127.0.2.6", "127.0.2.999", "SSID=ok"} << QByteArray();
        QTest::newRow("unknown option")
            << QStringList{"get", "127.0.2.6", "--colour"} << QByteArray();
        QTest::newRow("bad jobs") << QStringList{"get", "127.0.2.6", "--jobs", "0"} << QByteArray();
    }

    void invalidInputIsRefusedWithNothingSent()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, file);
        SimProcess sim({}, "127.0.2.6", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        Write(Path("bad.json"), file);
        arguments.replaceInStrings("@bad.json", Path("bad.json"));
        const CliRun run = Tolvoctl(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.startsWith("tolvoctl: ") || run.err.contains("not valid"));
        QVERIFY(SimIdle(sim));
        QVERIFY(sim.LogLines("# connection").isEmpty());
    }

    void failedBackupLeavesNoFile()
    {
        SimProcess sim({"--close-after", "10"}, "127.0.2.7", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        Write(Path("earlier.json"), "earlier backup");
        QCOMPARE(Tolvoctl({"backup", "127.0.2.7", "-o", Path("earlier.json")}).status, 3);
        QCOMPARE(ReadAll(Path("earlier.json")), QByteArray("earlier backup"));
        const CliRun run = Tolvoctl({"backup", "127.0.2.7", "-o", Path("new.json")});
        QCOMPARE(run.status, 3);
        // Under Wine, a close that comes with the last reply is seen only at
        // the time-out (docs/windows.md).
        QVERIFY2(run.out.contains("failed while reading: the device closed the connection") ||
                     (IsWine() && run.out.contains("failed while reading: the device did not "
                                                   "answer in time")),
                 qPrintable(run.out));
        QVERIFY(!QFile::exists(Path("new.json")));
        QCOMPARE(QDir(m_dir.path()).entryList({"*.json.*", ".*json*"}, QDir::Files | QDir::Hidden),
                 QStringList()); // no temporary file left either
        // Its --json entry names no file (not the one it would have written).
        const CliRun json = Tolvoctl({"backup", "127.0.2.7", "-o", Path("none/"), "--json"});
        QCOMPARE(json.status, 3);
        const QJsonValue device = QJsonDocument::fromJson(json.out.toUtf8())["devices"][0];
        QCOMPARE(device["file"], QJsonValue(QString()));
    }

    void twentyDevicesRestoredAtOnceEachKeepTheirOwn()
    {
        SimProcess sims({"--devices", "20", "--delay", "2"}, "127.0.3.1", DEVICE_COMMAND_PORT);
        QVERIFY(sims.Start());
        QStringList hosts;
        for (int i = 1; i <= 20; ++i)
            hosts << QString("127.0.3.%1").arg(i);
        Write(Path("hosts"), "# the bench\n" + hosts.join("\n").toLatin1() + "\n");
        QCOMPARE(Tolvoctl({"backup", "--hosts", Path("hosts"), "-o", Path("all")}).status, 0);
        QCOMPARE(QDir(Path("all")).entryList(QDir::Files).size(), 20);
        Write(Path("fleet.json"), SettingsJson(R"({"SSID": "Fleet", "CHANNEL": "1"})"));
        const CliRun run = Tolvoctl(
            {"restore", "--hosts", Path("hosts"), Path("fleet.json"), "--jobs", "20", "--json"});
        QCOMPARE(run.status, 0);
        const QJsonObject result = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(result["succeeded"].toInt(), 20);
        const CliRun get =
            Tolvoctl({"get", "--hosts", Path("hosts"), "SERIALN", "SSID", "PORT 2", "--json"});
        const QJsonArray devices =
            QJsonDocument::fromJson(get.out.toUtf8()).object()["devices"].toArray();
        QCOMPARE(devices.size(), 20);
        for (int i = 0; i < 20; ++i) {
            const QJsonObject device = devices[i].toObject();
            QCOMPARE(device["address"].toString(), hosts[i]);
            const QJsonObject values = device["values"].toObject();
            QCOMPARE(values["SSID"].toString(), QString("Fleet"));
            QCOMPARE(values["PORT 2"].toString(), QString("4002"));
            QCOMPARE(values["SERIALN"].toString(),
                     QString("TS-240117-%1").arg(42 + i, 4, 10, QChar('0')));
        }
    }

    // A folder of backups never overwrites in silence: not a second device
    // of the same serial number, nor a file from before.
    void backupIntoAFolderOverwritesNothing()
    {
        SimProcess sims({"--devices", "2", "--set", "SERIALN=TS-SAME"}, "127.0.4.20",
                        DEVICE_COMMAND_PORT);
        QVERIFY(sims.Start());
        const QStringList both{"backup", "127.0.4.20", "127.0.4.21", "-o", Path("same")};
        const CliRun first = Tolvoctl(both);
        QCOMPARE(first.status, 3);
        QVERIFY2(first.out.contains("127.0.4.21: another device has the serial number \"TS-SAME\""),
                 qPrintable(first.out));
        QCOMPARE(QDir(Path("same")).entryList(QDir::Files), QStringList{"TS-SAME.json"});
        const QByteArray written = ReadAll(Path("same/TS-SAME.json"));
        const CliRun again = Tolvoctl({"backup", "127.0.4.20", "127.0.4.30", "-o", Path("same")});
        QCOMPARE(again.status, 3);
        QVERIFY(again.out.contains("exists; not overwritten"));
        QVERIFY(again.out.contains("127.0.4.30: failed while connecting"));
        QCOMPARE(ReadAll(Path("same/TS-SAME.json")), written);
    }

    // Files wait for their turn while the first device is slow, but never so
    // many at once that a long list runs out of handles: 300 devices, 50 at a
    // time, with room for 160 files and sockets.
    void backupOfManyDevicesKeepsFewFilesOpen()
    {
        constexpr int FAST = 299;
        SimProcess slow({"--delay", "40", "--set", "SERIALN=TS-SLOW"}, "127.0.6.1",
                        DEVICE_COMMAND_PORT);
        SimProcess fast({"--devices", QString::number(FAST)}, "127.0.6.2", DEVICE_COMMAND_PORT);
        QVERIFY(slow.Start() && fast.Start());
        QStringList hosts;
        for (int i = 1; i <= FAST + 1; ++i)
            hosts << QString("127.0.%1.%2").arg(6 + i / 256).arg(i % 256);
        Write(Path("many-hosts"), hosts.join("\n").toLatin1());
        const CliRun run = Tolvoctl(
            {"backup", "--hosts", Path("many-hosts"), "-o", Path("many"), "--jobs", "50"}, 160);
        QVERIFY2(run.status == 0, qPrintable(run.out + run.err));
        const QStringList files = QDir(Path("many")).entryList(QDir::Files);
        QCOMPARE(files.size(), FAST + 1);
        QVERIFY(files.contains("TS-SLOW.json"));
        QVERIFY(files.contains(QString("TS-240117-%1.json").arg(42 + FAST - 1, 4, 10, QChar('0'))));
    }

    // What a backup writes depends on the order the devices were given, not
    // on the order they answered. Each device's file holds "device N"; a
    // path of "" marks a device that failed. The folder holds "old" and the
    // backup of another device, "theirs".

    void backupFilesAreDecidedInTheOrderGiven_data()
    {
        QTest::addColumn<QStringList>("paths");  // each device's file
        QTest::addColumn<QList<int>>("answers"); // devices, in the order they answered
        QTest::addColumn<BackupFiles::Replace>("replace");
        QTest::addColumn<QStringList>("problems"); // a part of each device's problem
        QTest::addColumn<QStringList>("contents"); // each path's text at the end
        QTest::newRow("the first given keeps a path, though it answered last")
            << QStringList{"a", "a", "b"} << QList<int>{2, 1, 0} << NOTHING
            << QStringList{"", "another device has the serial number \"S1\"", ""}
            << QStringList{"a=device 0", "b=device 2"};
        QTest::newRow("a failed device holds none back")
            << QStringList{"", "c"} << QList<int>{1, 0} << NOTHING << QStringList{"", ""}
            << QStringList{"c=device 1"};
        QTest::newRow("an earlier file is kept")
            << QStringList{"old"} << QList<int>{0} << NOTHING
            << QStringList{"old exists; not overwritten"} << QStringList{"old=from before"};
        QTest::newRow("or overwritten when asked")
            << QStringList{"old"} << QList<int>{0} << SAME_DEVICE << QStringList{""}
            << QStringList{"old=device 0"};
        QTest::newRow("another device's backup is kept, though asked")
            << QStringList{"theirs"} << QList<int>{0} << SAME_DEVICE
            << QStringList{"theirs holds the backup of another device (serial number \"S9\")"}
            << QStringList{"theirs=" + THEIRS};
        QTest::newRow("a file named by the user is replaced, whatever it holds")
            << QStringList{"theirs"} << QList<int>{0} << BackupFiles::Replace::Anything
            << QStringList{""} << QStringList{"theirs=device 0"};
        QTest::newRow("a path that cannot be written")
            << QStringList{"no/such/folder", "d"} << QList<int>{0, 1} << NOTHING
            << QStringList{"Cannot write", ""} << QStringList{"d=device 1"};
        // More than are ever staged at once, answering last first: the
        // rest are written when their turn comes.
        QStringList many;
        QList<int> lastFirst;
        QStringList written;
        for (int i = 0; i < 150; ++i) {
            many << QString("m%1").arg(i);
            lastFirst.prepend(i);
            written << QString("m%1=device %1").arg(i);
        }
        QTest::newRow("more than are staged at once")
            << many << lastFirst << NOTHING << QStringList(many.size(), QString()) << written;
    }

    void backupFilesAreDecidedInTheOrderGiven()
    {
        QFETCH(QStringList, paths);
        QFETCH(QList<int>, answers);
        QFETCH(BackupFiles::Replace, replace);
        QFETCH(QStringList, problems);
        QFETCH(QStringList, contents);
        QTemporaryDir dir;
        Write(dir.filePath("old"), "from before");
        Write(dir.filePath("theirs"), THEIRS.toLatin1());
        std::vector<QString> found;
        {
            BackupFiles files(std::size_t(paths.size()), replace);
            for (const int i : answers) {
                if (paths[i].isEmpty())
                    files.Failed(std::size_t(i));
                else
                    files.Read(std::size_t(i), dir.filePath(paths[i]), QString("S%1").arg(i),
                               QString("device %1").arg(i).toLatin1());
            }
            found = files.Finish();
        }
        QCOMPARE(int(found.size()), problems.size());
        for (int i = 0; i < problems.size(); ++i)
            QVERIFY2(problems[i].isEmpty() ? found[i].isEmpty() : found[i].contains(problems[i]),
                     qPrintable(QString("device %1: %2").arg(i).arg(found[i])));
        QStringList names{"old", "theirs"}; // and no other file, temporary ones included
        for (const QString& content : contents) {
            const QStringList parts = content.split('=');
            QCOMPARE(ReadAll(dir.filePath(parts[0])), parts[1].toLatin1());
            if (!names.contains(parts[0]))
                names << parts[0];
        }
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        left.sort();
        names.sort();
        QCOMPARE(left, names);
    }

    // Progress is written only where a person watches: a console.
    void progressGoesOnlyToAConsole_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("console");
        QTest::newRow("regular file") << "file" << false;
        QTest::newRow("null device") << "null" << false;
        QTest::newRow("console") << "console" << true;
    }

    void progressGoesOnlyToAConsole()
    {
        QFETCH(QString, kind);
        QFETCH(bool, console);
        std::FILE* stream = OpenStream(kind, m_dir.path());
        QVERIFY(stream != nullptr);
        QCOMPARE(IsConsole(stream), console);
        std::fclose(stream);
    }

    // Text beyond ASCII reaches a file as UTF-8, and a Windows console as
    // the characters themselves whatever its code page (one of the usual
    // OEM pages here), even when a write cuts a character in two.
    void textReachesAFileAsUtf8AndAConsoleAsItsCharacters_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("file") << "file";
#ifdef Q_OS_WIN
        QTest::newRow("console, code page 850") << "console";
#endif
    }

    void textReachesAFileAsUtf8AndAConsoleAsItsCharacters()
    {
        QFETCH(QString, kind);
        const QString text = QString::fromUtf8("Caf\u00e9 \u2014 2\u00b0");
        const QByteArray utf8 = text.toUtf8();
        std::FILE* stream = OpenStream(kind, m_dir.path());
        QVERIFY(stream != nullptr);
#ifdef Q_OS_WIN
        if (kind == "console")
            SetConsoleOutputCP(850);
#endif
        {
            ConsoleWriter writer(stream);
            const qsizetype cut = utf8.indexOf('\xc3') + 1; // inside the e acute
            QCOMPARE(writer.write(utf8.left(cut)), cut);
            QCOMPARE(writer.write(utf8.mid(cut)), utf8.size() - cut);
        }
        if (kind == "file") {
            std::fclose(stream);
            QCOMPARE(ReadAll(m_dir.filePath("stream")), utf8);
            return;
        }
#ifdef Q_OS_WIN
        HANDLE console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
        CONSOLE_SCREEN_BUFFER_INFO info{};
        QVERIFY(GetConsoleScreenBufferInfo(console, &info));
        std::vector<wchar_t> shown(std::size_t(text.size()));
        DWORD read = 0;
        QVERIFY(ReadConsoleOutputCharacterW(console, shown.data(), DWORD(shown.size()),
                                            COORD{0, info.dwCursorPosition.Y}, &read));
        QCOMPARE(QString::fromWCharArray(shown.data(), int(read)), text);
        std::fclose(stream);
#endif
    }

    void historyCommitsOnlyChangesAndKeepsTheLastGoodFile()
    {
        if (QProcess::execute("git", {"--version"}) != 0)
            QSKIP("no git program here");
        SimProcess sim({"--devices", "2"}, "127.0.2.40", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString dir = Path("history");
        const QString second = dir + "/TS-240117-0043.json";
        const QStringList backup{"backup", "127.0.2.40", "127.0.2.41", "-o", dir, "--history"};
        const auto commits = [&] {
            QProcess git;
            git.start("git", {"-C", dir, "rev-list", "--count", "HEAD"});
            git.waitForFinished();
            return git.readAllStandardOutput().trimmed().toInt();
        };
        QCOMPARE(Tolvoctl(backup).status, 0);
        const CliRun same = Tolvoctl(backup);
        QCOMPARE(same.status, 0);
        QVERIFY(same.out.contains("nothing changed"));
        QCOMPARE(commits(), 1);
        QCOMPARE(Tolvoctl({"set", "127.0.2.41", "CHANNEL=3"}).status, 0);
        const CliRun changed = Tolvoctl(backup);
        QVERIFY2(changed.out.contains("TS-240117-0043 (127.0.2.41): CHANNEL)"),
                 qPrintable(changed.out));
        QCOMPARE(commits(), 2);
#ifdef Q_OS_UNIX
        QCOMPARE(QFile::permissions(dir) & 0x0077, QFileDevice::Permissions()); // owner's only
#endif

        const CliRun history = Tolvoctl({"history", dir, "TS-240117-0043"});
        QCOMPARE(history.status, 0);
        const QStringList lines = history.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].endsWith("  CHANNEL"));
        QVERIFY(lines[1].endsWith("  new"));
        const CliRun diff =
            Tolvoctl({"diff", "TS-240117-0043@" + lines[1].section(' ', 0, 0),
                      "TS-240117-0043@" + lines[0].section(' ', 0, 0), "--dir", dir, "--json"});
        QCOMPARE(diff.status, 1);
        const QJsonArray rows = QJsonDocument::fromJson(diff.out.toUtf8())["differences"].toArray();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0]["key"].toString(), QString("CHANNEL"));
        QCOMPARE(rows[0]["to"].toString(), QString("3"));

        // A device that fails keeps its last good file, and the commit leaves it out.
        QFile file(second);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray good = file.readAll();
        file.close();
        sim.Stop();
        SimProcess first({}, "127.0.2.40", DEVICE_COMMAND_PORT);
        QVERIFY(first.Start());
        QCOMPARE(Tolvoctl(backup + QStringList{"--timeout", "500"}).status, 3);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), good);
        QCOMPARE(commits(), 2);
    }

    void scanFindsExactlyTheDevices()
    {
        SimProcess sims({"--devices", "3"}, "127.0.4.2", DEVICE_COMMAND_PORT);
        QVERIFY(sims.Start());
        const CliRun run = Tolvoctl({"scan", "127.0.4.0/29", "--json"});
        QCOMPARE(run.status, 0);
        const QJsonObject result = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(result["tried"].toInt(), 8);
        QStringList found;
        for (const QJsonValue device : result["devices"].toArray())
            found << device["address"].toString() + " " + device["serialNumber"].toString();
        QCOMPARE(found, (QStringList{"127.0.4.2 TS-240117-0042", "127.0.4.3 TS-240117-0043",
                                     "127.0.4.4 TS-240117-0044"}));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
