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
#include <QtTest>

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

private slots:
    void onlyWhatDiffersIsSentOnOneConnection_data()
    {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("changed");
        QTest::addColumn<QList<QByteArray>>("sets");
        QTest::addColumn<int>("connections");
        // Only the keys given are read, and read back.
        QTest::addColumn<int>("gets");
        const QByteArray channel = R"({"CHANNEL": "3", "SSID": "TolvoNet"})";
        const QList<QByteArray> sent{WireCommand("set CHANNEL 3"), WireCommand("set CONFIGURE")};
        QTest::newRow("one differs") << QStringList() << QStringList() << channel
                                     << QStringList{"CHANNEL"} << sent << 1 << 3;
        QTest::newRow("nothing differs: not even the apply")
            << QStringList() << QStringList() << QByteArray(R"({"CHANNEL": "6"})") << QStringList()
            << QList<QByteArray>() << 1 << 1;
        QTest::newRow("a dry run only reads")
            << QStringList() << QStringList{"--dry-run"} << channel << QStringList{"CHANNEL"}
            << QList<QByteArray>() << 1 << 2;
        QTest::newRow("closed after the apply: read back anew")
            << QStringList{"--close-after-apply"} << QStringList() << channel
            << QStringList{"CHANNEL"} << sent << 2 << 4;
        QTest::newRow("apply unanswered: read back anew")
            << QStringList{"--apply-unanswered", "silent"} << QStringList{"--timeout", "1000"}
            << channel << QStringList{"CHANNEL"} << sent << 2 << 4;
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
};

QTEST_GUILESS_MAIN(TestRestore)
#include "test_restore.moc"
