// The limits of this machine, not of a device: a descriptor limit (a fault
// class: every many-device command of tolvoctl, and the runner and scan that
// the window shares, where sockets cannot all be had) and the size of the
// input a person names (a settings file, a list of addresses).
#include "CliRun.h"
#include "ConnectionSlots.h"
#include "DeviceScan.h"
#include "SimProcess.h"
#include "TaskRunner.h"
#include "VerifiedWrite.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

QByteArray SettingsJson(const QByteArray& settings)
{
    return R"({"format": "tolvo-s-settings", "version": 1, "settings": )" + settings + "}";
}

#ifdef Q_OS_UNIX
QString Serial(int device)
{
    return QString("TS-240117-%1").arg(42 + device, 4, 10, QChar('0'));
}

QString Dotted(uint32_t address)
{
    return QString::fromStdString(FormatDottedAddress(address));
}

QJsonObject Json(const CliRun& run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// Whether a device listens at address (a simulator of many is up once its
// last one is).
bool Listening(const QString& address)
{
    return QTest::qWaitFor(
        [&] {
            QTcpSocket socket;
            socket.connectToHost(address, DEVICE_COMMAND_PORT);
            return socket.waitForConnected(1000);
        },
        10000);
}

// The sanitizers' runtime makes pipes of its own to check memory: with every
// descriptor taken it reports faults that are not there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool SANITIZED = true;
#else
constexpr bool SANITIZED = false;
#endif

// Every descriptor this process may still open, taken (as a crowded process
// has them), until Release. The limit is lowered first so that few are taken.
class DescriptorsTaken {
public:
    DescriptorsTaken()
    {
        getrlimit(RLIMIT_NOFILE, &m_limit);
        int highest = 0;
        for (int fd = 0; fd < int(m_limit.rlim_cur) && fd < 65536; ++fd)
            highest = fcntl(fd, F_GETFD) != -1 ? fd : highest;
        rlimit low = m_limit;
        low.rlim_cur = rlim_t(highest + 16);
        setrlimit(RLIMIT_NOFILE, &low);
        const int first = open("/dev/null", O_RDONLY);
        for (int fd = first; fd >= 0; fd = dup(first))
            m_taken.push_back(fd);
    }
    ~DescriptorsTaken() { Release(); }
    void Release()
    {
        for (const int fd : m_taken)
            close(fd);
        m_taken.clear();
        setrlimit(RLIMIT_NOFILE, &m_limit);
    }
    bool any() const { return !m_taken.empty(); }

private:
    rlimit m_limit{};
    std::vector<int> m_taken;
};
#endif

} // namespace

class TestMachineLimits : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    // The runner that tolvoctl and the window's sending to many share: a
    // device whose socket could not be made here is tried again once
    // descriptors are free, and never reported as a device that did not answer.
    void aTaskThatCouldNotConnectHereIsTriedAgain()
    {
#ifndef Q_OS_UNIX
        QSKIP("a descriptor limit is a POSIX system's (Windows has none for sockets)");
#else
        if (SANITIZED)
            QSKIP("the sanitizers need descriptors of their own");
        SimProcess sims({"--devices", "3"}, "127.0.33.1", DEVICE_COMMAND_PORT);
        QVERIFY(sims.Start() && Listening("127.0.33.3"));
        DeviceTasks tasks;
        for (uint32_t i = 0; i < 3; ++i) {
            tasks.push_back(std::make_unique<DeviceTask>(0x7F002101 + i, DEVICE_COMMAND_PORT,
                                                         DEVICE_TIMEOUT_MS));
            tasks.back()->ConnectAndRead(tasks.back()->before, {ROW_SERIAL_NUMBER});
        }
        TaskRunner runner(tasks, 3);
        QSignalSpy finished(&runner, &TaskRunner::finished);
        DescriptorsTaken taken;
        QVERIFY(taken.any());
        QTimer::singleShot(3 * ConnectionSlots::RETRY_WAIT_MS, this, [&] { taken.Release(); });
        runner.Start();
        QVERIFY(finished.wait(30000));
        QVERIFY(!runner.outOfConnections());
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            QVERIFY2(tasks[i]->ok(), qPrintable(DeviceFailure(*tasks[i])));
            QCOMPARE(HeldValue(tasks[i]->before, "SERIALN"), Serial(int(i)));
        }
#endif
    }

    // With no descriptor to be had for a while, the run stops and says so:
    // no task is said to have failed, none is said to have been started.
    void aRunThatCanConnectNowhereStopsAsThisComputersFault()
    {
#ifndef Q_OS_UNIX
        QSKIP("a descriptor limit is a POSIX system's (Windows has none for sockets)");
#else
        if (SANITIZED)
            QSKIP("the sanitizers need descriptors of their own");
        SimProcess sim({}, "127.0.33.10", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        DeviceTasks tasks;
        for (int i = 0; i < 2; ++i) {
            tasks.push_back(
                std::make_unique<DeviceTask>(0x7F00210A, DEVICE_COMMAND_PORT, DEVICE_TIMEOUT_MS));
            tasks.back()->ConnectAndRead(tasks.back()->before);
        }
        TaskRunner runner(tasks, 2);
        QSignalSpy done(&runner, &TaskRunner::taskDone);
        QSignalSpy finished(&runner, &TaskRunner::finished);
        {
            DescriptorsTaken taken;
            QVERIFY(taken.any());
            runner.Start();
            QVERIFY(finished.wait((ConnectionSlots::RETRY_WAITS + 20) *
                                  ConnectionSlots::RETRY_WAIT_MS));
        }
        QVERIFY(runner.outOfConnections());
        QCOMPARE(done.count(), 0);
        QVERIFY(!runner.WasStarted(0) && !runner.WasStarted(1));
        QVERIFY(SimIdle(sim));
#endif
    }

    // Find Devices and tolvoctl scan: an address whose socket could not be
    // made here is tried again, not taken for one where nothing answers.
    void aScanTriesAgainWhatItCouldNotTryHere()
    {
#ifndef Q_OS_UNIX
        QSKIP("a descriptor limit is a POSIX system's (Windows has none for sockets)");
#else
        if (SANITIZED)
            QSKIP("the sanitizers need descriptors of their own");
        SimProcess sims({"--devices", "3"}, "127.0.33.21", DEVICE_COMMAND_PORT);
        QVERIFY(sims.Start() && Listening("127.0.33.23"));
        std::vector<uint32_t> addresses;
        for (uint32_t address = 0x7F002114; address <= 0x7F002118; ++address)
            addresses.push_back(address); // 127.0.33.20 to .24: three devices
        DeviceScan scan(addresses);
        QSignalSpy finished(&scan, &DeviceScan::finished);
        DescriptorsTaken taken;
        QVERIFY(taken.any());
        QTimer::singleShot(3 * ConnectionSlots::RETRY_WAIT_MS, this, [&] { taken.Release(); });
        scan.Start();
        QVERIFY(finished.wait(30000));
        QVERIFY(!scan.outOfConnections());
        QStringList found;
        for (const FoundDevice& device : scan.found())
            found << Dotted(device.address) + " " + device.serialNumber;
        QCOMPARE(found, (QStringList{"127.0.33.21 " + Serial(0), "127.0.33.22 " + Serial(1),
                                     "127.0.33.23 " + Serial(2)}));
#endif
    }

    // The fault class: every many-device command of tolvoctl, with 1000 at
    // once asked for, where the system lets it hold 200 files and sockets
    // open and will not raise that.
    void everyManyDeviceCommandWorksUnderADescriptorLimit_data()
    {
        QTest::addColumn<QStringList>("arguments"); // @HOSTS: the hosts file; @DIR: a folder
        QTest::newRow("backup") << QStringList{"backup", "--hosts", "@HOSTS", "-o", "@DIR"};
        QTest::newRow("backup --history")
            << QStringList{"backup", "--hosts", "@HOSTS", "-o", "@DIR", "--history"};
        QTest::newRow("get") << QStringList{"get", "--hosts", "@HOSTS", "SERIALN", "--json"};
        QTest::newRow("restore") << QStringList{"restore", "--hosts", "@HOSTS", "@DIR.json",
                                                "--json"};
        QTest::newRow("set") << QStringList{"set", "--hosts", "@HOSTS", "SSID=Crowded", "--json"};
        QTest::newRow("scan") << QStringList{"scan", "127.0.34.1-127.0.35.144", "--json"};
    }

    void everyManyDeviceCommandWorksUnderADescriptorLimit()
    {
#ifndef Q_OS_UNIX
        QSKIP("a descriptor limit is a POSIX system's (Windows has none for sockets)");
#else
        QFETCH(QStringList, arguments);
        constexpr int DEVICES = 400; // 127.0.34.1 to 127.0.35.144
        constexpr int LIMIT = 200;
        const QString command = arguments.first();
        const QString dir = Path(QString::fromLatin1(QTest::currentDataTag())).replace(' ', '_');
        SimProcess sims({"--devices", QString::number(DEVICES)}, "127.0.34.1", DEVICE_COMMAND_PORT);
        QVERIFY(sims.Start() && Listening("127.0.35.144"));
        QStringList hosts;
        for (int i = 0; i < DEVICES; ++i)
            hosts << Dotted(0x7F002201 + uint32_t(i));
        QVERIFY(WriteFile(Path("hosts"), hosts.join('\n').toLatin1()));
        QVERIFY(WriteFile(dir + ".json", SettingsJson(R"({"SSID": "Crowded"})")));
        arguments.replaceInStrings("@HOSTS", Path("hosts"));
        arguments.replaceInStrings("@DIR", dir);
        const CliRun run = Tolvoctl(arguments << "--jobs"
                                              << "1000",
                                    LIMIT);
        QVERIFY2(run.status == 0, qPrintable(run.err.right(2000)));

        // What reached the disk or the devices, not what was said.
        if (command == "backup") {
            QStringList files = QDir(dir).entryList({"*.json"}, QDir::Files);
            QCOMPARE(files.size(), DEVICES);
            QVERIFY(files.contains(Serial(0) + ".json") &&
                    files.contains(Serial(DEVICES - 1) + ".json"));
            if (arguments.contains("--history")) {
                QProcess git;
                git.start("git", {"-C", dir, "ls-tree", "--name-only", "HEAD"});
                QVERIFY(git.waitForFinished());
                QCOMPARE(git.readAllStandardOutput().trimmed().split('\n').size(), DEVICES);
            }
        } else if (command == "scan") {
            const QJsonArray found = Json(run)["devices"].toArray();
            QCOMPARE(found.size(), DEVICES);
            QCOMPARE(found.last()["serialNumber"].toString(), Serial(DEVICES - 1));
        } else {
            QCOMPARE(Json(run)["succeeded"].toInt(), DEVICES);
            const CliRun get =
                Tolvoctl({"get", "--hosts", Path("hosts"), "SERIALN", "SSID", "--json"});
            const QJsonArray devices = Json(get)["devices"].toArray();
            QCOMPARE(devices.size(), DEVICES);
            for (int i = 0; i < DEVICES; ++i) {
                const QJsonObject values = devices[i]["values"].toObject();
                QCOMPARE(values["SERIALN"].toString(), Serial(i));
                if (command != "get")
                    QCOMPARE(values["SSID"].toString(), QString("Crowded"));
            }
        }
#endif
    }

    // A settings file or a list of addresses past any valid one's size is
    // refused before it fills the memory, with nothing sent: /dev/zero, which
    // never ends, too.
    void oversizeInputIsRefusedWithNothingSent_data()
    {
        QTest::addColumn<QStringList>("arguments"); // @FILE: a file of the size given
        QTest::addColumn<QByteArray>("fileText");
        QTest::addColumn<QByteArray>("input"); // standard input
        QTest::addColumn<QString>("said");
        const QByteArray settings = SettingsJson(R"({"SSID": "Big"})");
        const QByteArray past = settings + QByteArray(64 * 1024 + 1 - settings.size(), ' ');
        QByteArray addresses;
        for (int i = 0; i < 4097; ++i)
            addresses += "127.0.40." + QByteArray::number(i % 200 + 1) + "\n";
        const QString tooLarge = "is larger than 64 KiB, which no settings file is";
        const QString tooMany = "At most 4096 devices are taken at a time";
        QTest::newRow("check, a file past 64 KiB")
            << QStringList{"check", "@FILE"} << past << QByteArray() << tooLarge;
        QTest::newRow("restore, a file past 64 KiB")
            << QStringList{"restore", "127.0.33.30", "@FILE"} << past << QByteArray() << tooLarge;
        QTest::newRow("restore, standard input past 64 KiB")
            << QStringList{"restore", "127.0.33.30", "-"} << QByteArray() << past
            << "standard input " + tooLarge;
        QTest::newRow("--hosts, 4097 addresses")
            << QStringList{"get", "--hosts", "@FILE"} << addresses << QByteArray() << tooMany;
        QTest::newRow("--hosts and addresses, 4097 in all")
            << QStringList{"get", "127.0.33.30", "--hosts", "@FILE"}
            << addresses.left(addresses.lastIndexOf("127.0.40.")) << QByteArray() << tooMany;
        QTest::newRow("--hosts past 1 MiB")
            << QStringList{"set", "--hosts", "@FILE", "SSID=x"}
            << QByteArray("127.0.33.30\n") + QByteArray(1024 * 1024, '#') << QByteArray()
            << "is larger than 1024 KiB, which no list of at most 4096 addresses needs to be";
#ifdef Q_OS_UNIX
        QTest::newRow("check /dev/zero") << QStringList{"check", "/dev/zero"} << QByteArray()
                                         << QByteArray() << "/dev/zero " + tooLarge;
        QTest::newRow("restore /dev/zero") << QStringList{"restore", "127.0.33.30", "/dev/zero"}
                                           << QByteArray() << QByteArray() << tooLarge;
        QTest::newRow("--hosts /dev/zero")
            << QStringList{"get", "--hosts", "/dev/zero"} << QByteArray() << QByteArray()
            << "/dev/zero is larger than 1024 KiB";
#endif
    }

    void oversizeInputIsRefusedWithNothingSent()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, fileText);
        QFETCH(QByteArray, input);
        QFETCH(QString, said);
        SimProcess sim({}, "127.0.33.30", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        QVERIFY(WriteFile(Path("oversize"), fileText));
        arguments.replaceInStrings("@FILE", Path("oversize"));
        const CliRun run = TolvoctlWithInput(arguments, input);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(said), qPrintable(run.err));
        QVERIFY(SimIdle(sim));
    }

    // The bound refuses nothing valid: a settings file of exactly 64 KiB
    // (blanks after its text) is read and sent.
    void aSettingsFileAtTheBoundIsRead()
    {
        SimProcess sim({}, "127.0.33.31", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QByteArray settings = SettingsJson(R"({"SSID": "AtTheBound"})");
        QVERIFY(
            WriteFile(Path("bound.json"), settings + QByteArray(64 * 1024 - settings.size(), ' ')));
        const CliRun run = Tolvoctl({"restore", "127.0.33.31", Path("bound.json")});
        QVERIFY2(run.status == 0, qPrintable(run.out + run.err));
        const CliRun get = Tolvoctl({"get", "127.0.33.31", "SSID"});
        QCOMPARE(get.out.trimmed(), QString("SSID=AtTheBound"));
    }
};

QTEST_GUILESS_MAIN(TestMachineLimits)
#include "test_machine_limits.moc"
