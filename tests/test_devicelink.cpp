#include "ConfigTable.h"
#include "DeviceLink.h"
#include "SimProcess.h"

#include <QtTest>

namespace {

constexpr int SHORT_TIMEOUT_MS = 400;

const QStringList& TableKeys()
{
    static const QStringList keys = [] {
        QStringList all;
        for (const ConfigGroup& group : ConfigTable)
            for (const ConfigParam& row : group.rows)
                all << row.key;
        return all;
    }();
    return keys;
}

QList<ConfigParam*> AllRows()
{
    QList<ConfigParam*> rows;
    for (ConfigGroup& group : ConfigTable)
        for (ConfigParam& row : group.rows)
            rows << &row;
    return rows;
}

QByteArray Value(const ConfigParam& row)
{
    return row.value ? QByteArray::fromStdString(*row.value) : QByteArray("<none>");
}

// A second client asks the simulator for one value.
QByteArray GetFromSim(const SimProcess& sim, const QByteArray& key)
{
    DeviceConnection link(SHORT_TIMEOUT_MS * 5);
    if (!link.Connect(0x7F000001, sim.port()))
        return "<no connection>";
    if (SendCommand(link, ("get " + key + "\r").toStdString()) != DEVICE_OK)
        return "<send failed>";
    const Reply reply = ReadReplyLine(link);
    return reply.ok() ? QByteArray::fromStdString(reply.text) : "<no reply>";
}

} // namespace

class TestDeviceLink : public QObject {
    Q_OBJECT

private slots:
    void init() { ResetConfigTable(); }

    void fetchGetsEveryRowInTableOrder_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("CR line ends") << QStringList{};
        QTest::newRow("CR LF line ends") << QStringList{"--crlf"};
        QTest::newRow("slow replies") << QStringList{"--delay", "5"};
    }

    void fetchGetsEveryRowInTableOrder()
    {
        QFETCH(QStringList, options);
        SimProcess sim(options << "--set"
                               << "SSID="
                               << "--set"
                               << "DEVICEID=Caf\xc3\xa9 1");
        QVERIFY(sim.Start());
        DeviceConnection link;
        QVERIFY(link.Connect(0x7F000001, sim.port()));
        QCOMPARE(FetchAllParams(link), DEVICE_OK);

        QList<QByteArray> expected;
        for (const QString& key : TableKeys())
            expected << WireCommand("get " + key.toLatin1());
        QCOMPARE(sim.Commands(), expected);
        QCOMPARE(sim.Commands().at(2).size(), 10); // "get SSID", CR, zero byte

        const QList<ConfigParam*> rows = AllRows();
        QCOMPARE(Value(*rows.at(0)), QByteArray("TS-240117-0042"));
        QCOMPARE(Value(*rows.at(1)), QByteArray("2.3.1"));
        QCOMPARE(Value(*rows.at(2)), QByteArray("")); // an empty reply is a value
        QCOMPARE(Value(*rows.at(3)), QByteArray("tolvo1234"));
        QCOMPARE(Value(*rows.at(10)), QByteArray("Caf\xe9 1")); // the simulator's bytes, as sent
        QCOMPARE(Value(*rows.at(11)), QByteArray("115200"));
        QCOMPARE(Value(*rows.at(24)), QByteArray("4002"));
        for (const ConfigParam* row : rows)
            QVERIFY2((row->flags & PARAM_MODIFIED) == 0, row->key);
    }

    void fetchStopsAtTheFirstUnreadReply_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("rowsLoaded");
        QTest::addColumn<int>("commandsSent");
        QTest::newRow("closes after 10 replies")
            << QStringList{"--close-after", "10"} << DEVICE_CONNECTION_CLOSED << 10 << 10;
        QTest::newRow("never replies") << QStringList{"--silent"} << DEVICE_TIMED_OUT << 0 << 1;
        QTest::newRow("over-long reply")
            << QStringList{"--long-reply", "FWVERSION"} << DEVICE_REPLY_TOO_LONG << 1 << 2;
    }

    void fetchStopsAtTheFirstUnreadReply()
    {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(int, rowsLoaded);
        QFETCH(int, commandsSent);
        // A value from an earlier load must not survive in the failing row.
        for (ConfigParam* row : AllRows())
            row->value = "earlier";
        SimProcess sim(options);
        QVERIFY(sim.Start());
        DeviceConnection link(SHORT_TIMEOUT_MS);
        QVERIFY(link.Connect(0x7F000001, sim.port()));
        const int result = FetchAllParams(link);
        QVERIFY(result != DEVICE_OK);
        // After a close, the next send may already fail instead of the read.
        if (status == DEVICE_CONNECTION_CLOSED)
            QVERIFY(result == DEVICE_CONNECTION_CLOSED || (result <= -1 && result >= -4));
        else
            QCOMPARE(result, status);

        const QList<ConfigParam*> rows = AllRows();
        for (int i = 0; i < rowsLoaded; ++i)
            QVERIFY(Value(*rows.at(i)) != "earlier");
        if (result == status)
            QVERIFY(!rows.at(rowsLoaded)->value.has_value());
        for (int i = rowsLoaded + 1; i < rows.size(); ++i)
            QCOMPARE(Value(*rows.at(i)), QByteArray("earlier"));
        QCOMPARE(sim.Commands().size(), commandsSent);
    }

    void crLfEndsOneReplyEvenWhenTheLfComesLate()
    {
        // Two replies, the first ended by CR and the second by CR LF: the LF
        // that follows a CR is part of that line end, not an empty reply.
        SimProcess sim({"--crlf"});
        QVERIFY(sim.Start());
        DeviceConnection link(SHORT_TIMEOUT_MS * 5);
        QVERIFY(link.Connect(0x7F000001, sim.port()));
        QCOMPARE(SendCommand(link, "get SSID\r"), DEVICE_OK);
        QCOMPARE(ReadReplyLine(link).text, std::string("TolvoNet"));
        QCOMPARE(SendCommand(link, "get CHANNEL\r"), DEVICE_OK);
        const Reply reply = ReadReplyLine(link);
        QVERIFY(reply.ok());
        QCOMPARE(reply.text, std::string("6"));
    }

    void pushSendsModifiedRowsThenApplies()
    {
        SimProcess sim;
        QVERIFY(sim.Start());
        SetParamInt(0, GROUP_PORTS, 115200);
        SetParamText(0, "New SSID");
        SetParamInt(5, GROUP_ROUTING, 4005);
        FindParam(GROUP_WIFI, 1)->value = "fetched, not modified";
        DeviceConnection link;
        QVERIFY(link.Connect(0x7F000001, sim.port()));
        QCOMPARE(PushModifiedParams(link), DEVICE_OK);
        link.Close();

        const QList<QByteArray> expected = {
            WireCommand("set SSID New SSID"), WireCommand("set RS232 baudrate 115200"),
            WireCommand("set PORT 2 4005"), WireCommand("set CONFIGURE")};
        QCOMPARE(sim.Commands(), expected);
        QCOMPARE(expected.at(1).size(), 27);
        QCOMPARE(GetFromSim(sim, "RS232 baudrate"), QByteArray("115200"));
        QCOMPARE(GetFromSim(sim, "PORT 2"), QByteArray("4005"));
        QCOMPARE(GetFromSim(sim, "SSID"), QByteArray("New SSID"));
    }

    void pushWithNothingModifiedSendsOnlyTheApplyCommand()
    {
        SimProcess sim;
        QVERIFY(sim.Start());
        DeviceConnection link;
        QVERIFY(link.Connect(0x7F000001, sim.port()));
        QCOMPARE(PushModifiedParams(link), DEVICE_OK);
        QCOMPARE(sim.Commands(), QList<QByteArray>{WireCommand("set CONFIGURE")});
    }

    void pushWithAnUnansweredSetFailsWithoutApplying_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::newRow("closes after 2 replies")
            << QStringList{"--close-after", "2"} << DEVICE_CONNECTION_CLOSED;
        QTest::newRow("never replies") << QStringList{"--silent"} << DEVICE_TIMED_OUT;
    }

    void pushWithAnUnansweredSetFailsWithoutApplying()
    {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        SimProcess sim(options);
        QVERIFY(sim.Start());
        SetParamInt(5, GROUP_WIFI, 3);
        SetParamInt(7, GROUP_WIFI, 9);
        SetParamText(8, "Name");
        DeviceConnection link(SHORT_TIMEOUT_MS);
        QVERIFY(link.Connect(0x7F000001, sim.port()));
        const int result = PushModifiedParams(link);
        QVERIFY(result != DEVICE_OK);
        if (status == DEVICE_TIMED_OUT)
            QCOMPARE(result, status);
        for (const QByteArray& command : sim.Commands())
            QVERIFY(!command.startsWith("set CONFIGURE"));
    }

    void pushSendsNothingWhenACommandWouldNotFit()
    {
        SimProcess sim;
        QVERIFY(sim.Start());
        SetParamInt(5, GROUP_WIFI, 3);
        SetParamText(8, "x");
        FindParam(GROUP_WIFI, 8)->value = std::string(200, 'x'); // e.g. fetched from a device
        DeviceConnection link;
        QVERIFY(link.Connect(0x7F000001, sim.port()));
        QCOMPARE(PushModifiedParams(link), DEVICE_COMMAND_TOO_LONG);
        link.Close();
        QVERIFY(SimIdle(sim));
    }

    void refusingThenListeningDevice()
    {
        SimProcess sim({"--refuse-seconds", "1"}, "127.0.0.9", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Launch());
        DeviceConnection link(SHORT_TIMEOUT_MS);
        QVERIFY(!link.Connect(0x7F000009)); // not listening yet: refused
        QVERIFY(sim.WaitUntilListening());
        QVERIFY(link.Connect(0x7F000009));
        QCOMPARE(FetchAllParams(link), DEVICE_OK);
    }

    void resetConnectionFailsTheFetch()
    {
        SimProcess sim({"--reset-first", "1"});
        QVERIFY(sim.Start());
        DeviceConnection first(SHORT_TIMEOUT_MS);
        QVERIFY(first.Connect(0x7F000001, sim.port()));
        QVERIFY(FetchAllParams(first) != DEVICE_OK);
        DeviceConnection second(SHORT_TIMEOUT_MS);
        QVERIFY(second.Connect(0x7F000001, sim.port()));
        QCOMPARE(FetchAllParams(second), DEVICE_OK);
    }

    void connectingToANonListeningPortFails()
    {
        quint16 port = 0;
        {
            SimProcess sim;
            QVERIFY(sim.Start());
            port = sim.port();
        }
        DeviceConnection link(SHORT_TIMEOUT_MS);
        QVERIFY(!link.Connect(0x7F000001, port));
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "test_devicelink.moc"
