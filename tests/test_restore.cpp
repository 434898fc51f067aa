// tolvoctl restore as a program that holds the settings drives it: the
// settings document on standard input, each change with its before and
// after in --json, one connection a device, and a device that cannot be
// reached told apart from one that failed.
#include "CliRun.h"
#include "DeviceLink.h"
#include "SimProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QByteArray SettingsJson(const QByteArray& settings)
{
    return R"({"format": "tolvo-s-settings", "version": 1, "settings": )" + settings + "}";
}

QJsonObject FirstDevice(const CliRun& run)
{
    return QJsonDocument::fromJson(run.out.toUtf8())
        .object()["devices"]
        .toArray()
        .first()
        .toObject();
}

QStringList Keys(const QJsonArray& changes)
{
    QStringList keys;
    for (const QJsonValue& change : changes)
        keys << change["key"].toString();
    return keys;
}

QList<QByteArray> Commands(const SimProcess& sim, const QByteArray& verb)
{
    QList<QByteArray> commands;
    for (const QByteArray& command : sim.Commands())
        if (command.startsWith(verb + ' '))
            commands << command;
    return commands;
}

} // namespace

class TestRestore : public QObject {
    Q_OBJECT

    std::unique_ptr<SimProcess> m_planDevices; // refused plans
    std::unique_ptr<SimProcess> m_planOther;

private slots:
    void onlyWhatDiffersIsSentOnOneConnection_data()
    {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("changed");
        QTest::addColumn<QList<QByteArray>>("sets");
        QTest::addColumn<int>("connections");
        // Only the keys given are read, unless something is sent: then every
        // other writable row (21 here) is read before the push, and all 23
        // are read back, since the apply may change any of them.
        QTest::addColumn<int>("gets");
        const QByteArray channel = R"({"CHANNEL": "3", "SSID": "TolvoNet"})";
        const QList<QByteArray> sent{WireCommand("set CHANNEL 3"), WireCommand("set CONFIGURE")};
        QTest::newRow("one differs") << QStringList() << QStringList() << channel
                                     << QStringList{"CHANNEL"} << sent << 1 << 2 + 21 + 23;
        QTest::newRow("nothing differs: not even the apply")
            << QStringList() << QStringList() << QByteArray(R"({"CHANNEL": "6"})") << QStringList()
            << QList<QByteArray>() << 1 << 1;
        QTest::newRow("a dry run only reads")
            << QStringList() << QStringList{"--dry-run"} << channel << QStringList{"CHANNEL"}
            << QList<QByteArray>() << 1 << 2;
        QTest::newRow("closed after the apply: read back anew")
            << QStringList{"--close-after-apply"} << QStringList() << channel
            << QStringList{"CHANNEL"} << sent << 2 << 2 + 21 + 23;
        QTest::newRow("apply unanswered: read back anew")
            << QStringList{"--apply-unanswered", "silent"} << QStringList{"--timeout", "1000"}
            << channel << QStringList{"CHANNEL"} << sent << 2 << 2 + 21 + 23;
    }

    void onlyWhatDiffersIsSentOnOneConnection()
    {
        QFETCH(QStringList, simOptions);
        QFETCH(QStringList, options);
        QFETCH(QByteArray, settings);
        static int row = 0;
        const QString address = QString("127.0.25.%1").arg(++row);
        SimProcess sim(simOptions, address, DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const CliRun run = TolvoctlWithInput(
            QStringList{"restore", address, "-", "--only-changed", "--json"} + options,
            SettingsJson(settings));
        QCOMPARE(run.status, 0);
        const QJsonObject device = FirstDevice(run);
        QVERIFY2(device["ok"].toBool(), qPrintable(run.out));
        QTEST(Keys(device["changes"].toArray()), "changed");
        QVERIFY(sim.Sync());
        QTEST(Commands(sim, "set"), "sets");
        QTEST(int(Commands(sim, "get").size()), "gets");
        QTEST(int(sim.LogLines("# connection").filter("opened").size()), "connections");
    }

    void whatTheApplyCommittedUnsentIsReported_data()
    {
        QTest::addColumn<QString>("pending"); // left on the device by an interrupted write
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("unsent");
        QTest::addColumn<QString>("said"); // in the device's line
        QTest::addColumn<QString>("ssid"); // what the device holds after
        const QByteArray name = R"({"DEVICEID": "Batch7"})";
        QTest::newRow("an unsent key committed")
            << "SSID=LeftoverNet" << name << 1 << QStringList{"SSID"}
            << "SSID: not sent, but read as \"TolvoNet\" before the apply and \"LeftoverNet\" "
               "after it"
            << "LeftoverNet";
        QTest::newRow("the password committed, masked")
            << "PASSWORD=Zq9-Pending-55" << name << 1 << QStringList{"PASSWORD"}
            << "PASSWORD: not sent, but read as \"********\" before the apply and \"********\" "
               "after it"
            << "TolvoNet";
        QTest::newRow("the key sent overrides what was pending")
            << "DEVICEID=Other" << name << 0 << QStringList() << "1 setting sent, all kept"
            << "TolvoNet";
        QTest::newRow("a pending value equal to the device's changes nothing")
            << "SSID=TolvoNet" << name << 0 << QStringList() << "1 setting sent, all kept"
            << "TolvoNet";
        QTest::newRow("nothing to send: no apply, the pending value stays pending")
            << "SSID=LeftoverNet" << QByteArray(R"({"DEVICEID": "Tolvo-S"})") << 0 << QStringList()
            << "nothing differs, nothing sent"
            << "TolvoNet";
    }

    void whatTheApplyCommittedUnsentIsReported()
    {
        QFETCH(QString, pending);
        QFETCH(QByteArray, settings);
        static int row = 0;
        const QString address = QString("127.0.25.%1").arg(50 + ++row);
        SimProcess sim({"--pending", pending}, address, DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QStringList restore{"restore", address, "-", "--only-changed"};
        const CliRun run =
            TolvoctlWithInput(restore + QStringList{"--json"}, SettingsJson(settings));
        QTEST(run.status, "status");
        const QJsonObject device = FirstDevice(run);
        QTEST(Keys(device["unsentChanges"].toArray()), "unsent");
        QVERIFY(!run.out.contains("Zq9-Pending-55") && !run.err.contains("Zq9-Pending-55"));
        // The same run as a person reads it: the line names what changed unasked.
        SimProcess again({"--pending", pending}, address, DEVICE_COMMAND_PORT);
        sim.Stop();
        QVERIFY(again.Start());
        const CliRun shown = TolvoctlWithInput(restore, SettingsJson(settings));
        QFETCH(QString, said);
        QVERIFY2(shown.out.contains(said), qPrintable(shown.out));
        // A script that looks for "all kept" is not fooled.
        QCOMPARE(shown.out.contains("all kept"), run.status == 0 && !said.startsWith("nothing"));
        QVERIFY(!shown.out.contains("Zq9-Pending-55") && !shown.err.contains("Zq9-Pending-55"));
        QFETCH(QString, ssid);
        QCOMPARE(Tolvoctl({"get", address, "SSID"}).out.trimmed(), "SSID=" + ssid);
    }

    // A write that fails once it has sent something says what the device may
    // hold, and is not taken for one that left the device untouched.
    void aWriteThatFailsAfterSendingSaysWhatTheDeviceMayHold_data()
    {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<int>("sent"); // -1: no member, nothing was sent
        QTest::addColumn<QString>("said");
        // The two keys are read, then the 21 other writable rows: 23 replies.
        QTest::newRow("closed before anything was sent")
            << QStringList{"--close-after", "10"} << -1
            << "failed while reading: the device"; // closed (under Wine: did not answer)
        QTest::newRow("closed among the sets")
            << QStringList{"--close-after", "24"} << 2
            << "settings had been sent without the apply command: the device may hold them pending";
        QTest::newRow("silent from the apply on")
            << QStringList{"--apply-unanswered", "hang"} << 2
            << "after the settings and the apply command were sent: the device may have applied "
               "them";
    }

    void aWriteThatFailsAfterSendingSaysWhatTheDeviceMayHold()
    {
        QFETCH(QStringList, simOptions);
        QFETCH(int, sent);
        QFETCH(QString, said);
        static int row = 0;
        const QString address = QString("127.0.25.%1").arg(70 + ++row);
        SimProcess sim(simOptions, address, DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const CliRun run =
            Tolvoctl({"set", address, "CHANNEL=3", "SSID=Other", "--json", "--timeout", "500"});
        QCOMPARE(run.status, 3);
        const QJsonObject device = FirstDevice(run);
        QVERIFY(!device["ok"].toBool());
        QVERIFY2(device["error"].toString().contains(said), qPrintable(run.out));
        QCOMPARE(device.contains("sent"), sent >= 0);
        if (sent >= 0) {
            QCOMPARE(device["sent"].toInt(), sent);
            QCOMPARE(device["applyConfirmed"].toBool(), false);
        }
    }

    // A device that the settings move is read back where it answers after
    // the apply, and the run says so; one that answers nowhere is told apart
    // from a failure (exit status 1, where it should be found).
    void aMovedDeviceIsVerifiedWhereItAnswers_data()
    {
        QTest::addColumn<QString>("moveAfterMs");
        QTest::addColumn<int>("status");
        QTest::newRow("found at its new address") << "100" << 0;
        QTest::newRow("not seen within the wait") << "10000" << 1;
        QTest::newRow("another device at the new address") << "other" << 1;
    }

    void aMovedDeviceIsVerifiedWhereItAnswers()
    {
        QFETCH(QString, moveAfterMs);
        QFETCH(int, status);
        static int row = 0;
        const QString address = QString("127.0.25.%1").arg(90 + 2 * ++row);
        const QString moved = QString("127.0.25.%1").arg(91 + 2 * row);
        const bool other = moveAfterMs == "other";
        SimProcess sim(
            {"--move-after", other ? "100" : moveAfterMs, "--set", "IPADDRESS=" + address}, address,
            DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        // Another device holds the new address: it is no read-back of this one.
        SimProcess otherSim({"--set", "SERIALN=TS-999999-9999"}, moved, DEVICE_COMMAND_PORT);
        QVERIFY(!other || otherSim.Start());
        const CliRun run =
            Tolvoctl({"set", address, "IPADDRESS=" + moved, "--json", "--move-wait", "2000"});
        QCOMPARE(run.status, status);
        const QJsonObject device = FirstDevice(run);
        QCOMPARE(device["address"].toString(), address);
        if (status == 0) {
            QCOMPARE(device["verifiedAt"].toString(), moved);
            QCOMPARE(Tolvoctl({"get", moved, "IPADDRESS"}).out.trimmed(), "IPADDRESS=" + moved);
            return;
        }
        QVERIFY(!device["ok"].toBool());
        QVERIFY(device["verifiedAt"].isNull());
        QCOMPARE(device["expectedAt"].toString(), moved);
        QVERIFY2(device["error"].toString().contains(
                     other ? "another device (serial number \"TS-999999-9999\") answers at " + moved
                           : "look for it at " + moved),
                 qPrintable(run.out));
        QVERIFY(device["reached"].toBool());
    }

    void thePasswordIsMaskedOnBothSidesOfItsChange()
    {
        SimProcess sim({}, "127.0.25.20", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const CliRun run =
            TolvoctlWithInput({"restore", "127.0.25.20", "-", "--only-changed", "--json"},
                              SettingsJson(R"({"PASSWORD": "new-secret-1"})"));
        QCOMPARE(run.status, 0);
        const QJsonArray changes = FirstDevice(run)["changes"].toArray();
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0]["before"].toString(), QString("********"));
        QCOMPARE(changes[0]["after"].toString(), QString("********"));
        for (const char* secret : {"new-secret-1", "tolvo1234"})
            QVERIFY(!run.out.contains(QLatin1String(secret)) &&
                    !run.err.contains(QLatin1String(secret)));
        QVERIFY(sim.Commands().contains(WireCommand("set PASSWORD new-secret-1")));
    }

    void invalidSettingsOnStandardInputSendNothing()
    {
        SimProcess sim({}, "127.0.25.21", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const CliRun run = TolvoctlWithInput({"restore", "127.0.25.21", "-", "--json"},
                                             SettingsJson(R"({"CHANNEL": "15"})"));
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains("standard input: CHANNEL"), qPrintable(run.err));
        QVERIFY(SimIdle(sim));
    }

    void aDeviceThatNeverAnsweredWasNotReached_data()
    {
        QTest::addColumn<QStringList>("simOptions"); // none: nothing listens
        QTest::addColumn<bool>("reached");
        QTest::newRow("nothing listens") << QStringList() << false;
        QTest::newRow("connects, never answers") << QStringList{"--silent"} << false;
        QTest::newRow("answers, then closes") << QStringList{"--close-after", "1"} << true;
    }

    void aDeviceThatNeverAnsweredWasNotReached()
    {
        QFETCH(QStringList, simOptions);
        static int row = 0;
        const QString address = QString("127.0.25.%1").arg(30 + ++row);
        SimProcess sim(simOptions, address, DEVICE_COMMAND_PORT);
        if (!simOptions.isEmpty())
            QVERIFY(sim.Start());
        const CliRun run = TolvoctlWithInput(
            {"restore", address, "-", "--only-changed", "--json", "--timeout", "500"},
            SettingsJson(R"({"CHANNEL": "3"})"));
        QCOMPARE(run.status, 3);
        const QJsonObject device = FirstDevice(run);
        QVERIFY(!device["ok"].toBool());
        QVERIFY(!device["error"].toString().isEmpty());
        QTEST(device["reached"].toBool(), "reached");
    }
    // set --hosts with a plan, counted upward or a list by serial number (in
    // another order): 20 devices that move when they apply, each verified at
    // its planned address and read back there.
    void aPlanGivesEachOfTwentyDevicesItsAddress_data()
    {
        QTest::addColumn<int>("first"); // the last byte of the first device and planned address
        QTest::addColumn<bool>("bySerial");
        QTest::newRow("counted upward") << 31 << false;
        QTest::newRow("a list by serial number") << 71 << true;
    }

    void aPlanGivesEachOfTwentyDevicesItsAddress()
    {
        QFETCH(int, first);
        QFETCH(bool, bySerial);
        SimProcess sim({"--devices", "20", "--move-after", "200"},
                       QString("127.0.47.%1").arg(first), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        QTemporaryDir dir;
        QByteArray hosts = "# twenty\n";
        QByteArray plan = "# by serial number, the last device first\n";
        for (int device = 0; device < 20; ++device) {
            hosts += "127.0.47." + QByteArray::number(first + device) + '\n';
            plan += "TS-240117-" + QByteArray::number(42 + device).rightJustified(4, '0') +
                    "   127.0.48." + QByteArray::number(first + 19 - device) + '\n';
        }
        QVERIFY(WriteFile(dir.filePath("hosts"), hosts) && WriteFile(dir.filePath("plan"), plan));
        const QStringList planned =
            bySerial ? QStringList{"IPMASK=255.255.255.0", "--plan", dir.filePath("plan")}
                     : QStringList{"--plan-first", QString("127.0.48.%1/24").arg(first)};
        const CliRun run = Tolvoctl(
            QStringList{"set", "--hosts", dir.filePath("hosts"), "SSID=Site", "--json"} + planned);
        QCOMPARE(run.status, 0);
        const QJsonArray devices =
            QJsonDocument::fromJson(run.out.toUtf8()).object()["devices"].toArray();
        QCOMPARE(devices.size(), 20);
        for (int device = 0; device < 20; ++device) {
            const QString at =
                QString("127.0.48.%1").arg(bySerial ? first + 19 - device : first + device);
            QCOMPARE(devices[device]["address"].toString(),
                     QString("127.0.47.%1").arg(first + device));
            QCOMPARE(devices[device]["verifiedAt"].toString(), at);
            QCOMPARE(Tolvoctl({"get", at, "IPADDRESS", "IPMASK", "SSID"}).out,
                     "IPADDRESS=" + at + "\nIPMASK=255.255.255.0\nSSID=Site\n");
        }
    }

    // A plan with a problem: exit status 2, the rows named, nothing sent.
    void aPlanWithAProblemSendsNothing_data()
    {
        QTest::addColumn<QByteArray>("plan");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("one address for several devices")
            << QByteArray("127.0.47.61 127.0.48.60\n127.0.47.62 127.0.48.60\n127.0.47.63 "
                          "127.0.48.61")
            << "One address for several devices: 127.0.47.61 to 127.0.48.60; 127.0.47.62 to "
               "127.0.48.60.";
        QTest::newRow("network and broadcast")
            << QByteArray("127.0.47.61 127.0.48.0\n127.0.47.62 127.0.48.255\n127.0.47.63 "
                          "127.0.48.61")
            << "127.0.47.61 to 127.0.48.0: the network address of the subnet 127.0.48.0/24, "
               "which no device may have.\n  127.0.47.62 to 127.0.48.255: the broadcast address";
        QTest::newRow("outside, and a line no device matches")
            << QByteArray("127.0.47.61 127.0.48.60\n# spare\n127.0.47.9 127.0.48.62\n"
                          "127.0.47.62 127.0.49.61\n127.0.47.63 127.0.48.63")
            << "line 3: \"127.0.47.9\" is none of the devices sent to.\n  127.0.47.62 to "
               "127.0.49.61: outside the subnet 127.0.48.0/24 of the mask.";
        QTest::newRow("an address another device answers on")
            << QByteArray("TS-240117-0042 127.0.48.60\nTS-240117-0043 127.0.48.90\n"
                          "TS-240117-0044 127.0.48.61")
            << "127.0.47.62 (TS-240117-0043) to 127.0.48.90: another device already answers";
    }

    void aPlanWithAProblemSendsNothing()
    {
        QFETCH(QByteArray, plan);
        QFETCH(QString, refusal);
        if (!m_planDevices) { // three devices, and another at 127.0.48.90
            m_planDevices = std::make_unique<SimProcess>(QStringList{"--devices", "3"},
                                                         "127.0.47.61", DEVICE_COMMAND_PORT);
            m_planOther =
                std::make_unique<SimProcess>(QStringList{}, "127.0.48.90", DEVICE_COMMAND_PORT);
            QVERIFY(m_planDevices->Start() && m_planOther->Start());
        }
        SimProcess* devices = m_planDevices.get();
        SimProcess* other = m_planOther.get();
        QTemporaryDir dir;
        QVERIFY(WriteFile(dir.filePath("plan"), plan));
        const CliRun run =
            Tolvoctl({"set", "127.0.47.61", "127.0.47.62", "127.0.47.63", "IPMASK=255.255.255.0",
                      "SSID=Site", "--plan", dir.filePath("plan")});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(refusal), qPrintable(run.err));
        QVERIFY(run.err.startsWith("tolvoctl: The address plan is refused; nothing was sent:"));
        QVERIFY(devices->Sync() && other->Sync());
        for (const char* device : {"127.0.47.61", "127.0.47.62", "127.0.47.63"})
            QVERIFY(
                devices->LogLines(QString("[%1] RECV set").arg(QLatin1String(device))).isEmpty());
        QVERIFY(Commands(*other, "set").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRestore)
#include "test_restore.moc"
