// The simulator's devices that move to another address when they apply
// settings (--move-after, --dhcp-range, --leave-on-network-change), seen as a
// client sees them and in the log.
#include "SimProcess.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

const QString OLD = "127.0.46.1";
const QString NEW = "127.0.46.12";
const QString RANGE = "127.0.46.20-127.0.46.29";
// A bound on waits that end early when what they wait for comes: generous,
// as the gap before a device listens again is a minimum.
constexpr int BOUND_MS = 20000;
constexpr quint16 FIXED_PORT = 4070; // several devices: one port for all

// One connection to a device, one command after another.
class Client {
public:
    Client()
    {
        QObject::connect(&m_socket, &QTcpSocket::readyRead,
                         [this] { m_received += m_socket.readAll(); });
    }
    bool Connect(const QString& address, quint16 port)
    {
        m_socket.connectToHost(QHostAddress(address), port);
        return QTest::qWaitFor(
                   [this] {
                       return m_socket.state() == QAbstractSocket::ConnectedState ||
                              m_socket.state() == QAbstractSocket::UnconnectedState;
                   },
                   BOUND_MS) &&
               m_socket.state() == QAbstractSocket::ConnectedState;
    }
    void Send(const QByteArray& command) { m_socket.write(WireCommand(command)); }
    // The next reply line, or "<closed>" when the connection ended before it.
    QByteArray Reply()
    {
        if (!QTest::qWaitFor(
                [this] {
                    return m_received.contains('\r') ||
                           m_socket.state() == QAbstractSocket::UnconnectedState;
                },
                BOUND_MS))
            return "<no reply>";
        const qsizetype end = m_received.indexOf('\r');
        if (end < 0)
            return "<closed>";
        const QByteArray line = m_received.left(end);
        m_received.remove(0, end + 1);
        return line;
    }
    QByteArray Ask(const QByteArray& command)
    {
        Send(command);
        return Reply();
    }
    // Sends each "KEY VALUE" as a set, then the apply, all at once; true
    // when each is answered OK.
    bool Apply(const QStringList& sets)
    {
        for (const QString& set : sets)
            Send("set " + set.toLatin1());
        Send("set CONFIGURE");
        for (qsizetype i = 0; i <= sets.size(); ++i) {
            if (Reply() != "OK")
                return false;
        }
        return true;
    }
    void Close() { m_socket.disconnectFromHost(); }
    bool WaitUntilClosed()
    {
        return QTest::qWaitFor(
            [this] { return m_socket.state() == QAbstractSocket::UnconnectedState; }, BOUND_MS);
    }

private:
    QTcpSocket m_socket;
    QByteArray m_received;
};

// A new connection's reply to one command, or why there is none.
QByteArray AskOnce(const QString& address, quint16 port, const QByteArray& command)
{
    Client client;
    if (!client.Connect(address, port))
        return "<no connection>";
    return client.Ask(command);
}

bool Refuses(const QString& address, quint16 port)
{
    Client client;
    return !client.Connect(address, port);
}

// The lines that tell where a device listens, in order.
QStringList MoveLines(const SimProcess& sim)
{
    static const QRegularExpression move(
        "^(\\[[0-9.]+\\] )?# (moving to |listening on |cannot listen on |left the network$)");
    return sim.LogLines("").filter(move);
}

bool WaitForMoveLines(const SimProcess& sim, qsizetype count)
{
    return QTest::qWaitFor([&] { return MoveLines(sim).size() >= count; }, BOUND_MS);
}

} // namespace

class TestSimMoves : public QObject {
    Q_OBJECT

private slots:
    // An apply that moves the device is answered, then ends every connection
    // (the one served and one waiting) and the old address refuses; the
    // device listens where the log says, with the settings it had.
    void applyMovesTheDevice_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("sets");
        QTest::addColumn<QString>("at"); // where it answers after; empty: nowhere
        QTest::addColumn<QStringList>("log");
        const QStringList moves{"--move-after", "300"};
        const QStringList leaves = moves + QStringList{"--leave-on-network-change"};
        const QStringList lease = moves + QStringList{"--dhcp-range", RANGE};
        const QStringList toNew{"# moving to " + NEW + " in 300 ms",
                                "# listening on " + NEW + ":PORT"};
        const QStringList left{"# left the network"};
        QTest::newRow("a new static address")
            << moves << QStringList{"IPADDRESS " + NEW} << NEW << toNew;
        QTest::newRow("no gap") << QStringList{"--move-after", "0"}
                                << QStringList{"IPADDRESS " + NEW} << NEW
                                << QStringList{"# moving to " + NEW + " in 0 ms",
                                               "# listening on " + NEW + ":PORT"};
        QTest::newRow("replies delayed") << moves + QStringList{"--delay", "20"}
                                         << QStringList{"IPADDRESS " + NEW} << NEW << toNew;
        QTest::newRow("a static address off loopback")
            << moves << QStringList{"IPADDRESS 192.168.1.60"} << ""
            << QStringList{"# moving to 192.168.1.60 in 300 ms", "# left the network"};
        QTest::newRow("a new address, SSID the same, leaving on a change")
            << leaves << QStringList{"IPADDRESS " + NEW, "SSID TolvoNet"} << NEW << toNew;
        QTest::newRow("DHCP on, a range")
            << lease << QStringList{"DHCP 1"} << "127.0.46.20"
            << QStringList{"# moving to 127.0.46.20 in 300 ms", "# listening on 127.0.46.20:PORT"};
        QTest::newRow("DHCP on and a new address: DHCP wins")
            << lease << QStringList{"IPADDRESS " + NEW, "DHCP 1"} << "127.0.46.20"
            << QStringList{"# moving to 127.0.46.20 in 300 ms", "# listening on 127.0.46.20:PORT"};
        QTest::newRow("DHCP on, no range") << moves << QStringList{"DHCP 1"} << "" << left;
        QTest::newRow("a new SSID") << leaves << QStringList{"SSID Site"} << "" << left;
        QTest::newRow("a new password") << leaves << QStringList{"PASSWORD secret99"} << "" << left;
        QTest::newRow("a new network type") << leaves << QStringList{"NTYPE 0"} << "" << left;
        QTest::newRow("a new address and SSID: leaving wins")
            << leaves << QStringList{"IPADDRESS " + NEW, "SSID Site"} << "" << left;
        QTest::newRow("DHCP on and a new SSID: leaving wins")
            << leaves + QStringList{"--dhcp-range", RANGE} << QStringList{"DHCP 1", "SSID Site"}
            << "" << left;
    }

    void applyMovesTheDevice()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, sets);
        QFETCH(QString, at);
        QFETCH(QStringList, log);
        SimProcess sim(options, OLD);
        QVERIFY(sim.Start());
        Client served;
        QVERIFY(served.Connect(OLD, sim.port()));
        QCOMPARE(served.Ask("get SSID"), QByteArray("TolvoNet"));
        Client waiting; // served after the first, if ever
        QVERIFY(waiting.Connect(OLD, sim.port()));

        QVERIFY(served.Apply(QStringList{"DEVICEID Moved"} + sets));
        QVERIFY(served.WaitUntilClosed());
        QVERIFY(waiting.WaitUntilClosed());
        QVERIFY(Refuses(OLD, sim.port()));
        QVERIFY2(WaitForMoveLines(sim, log.size()), qPrintable(MoveLines(sim).join('\n')));
        log.replaceInStrings("PORT", QString::number(sim.port()));
        QCOMPARE(MoveLines(sim), log);
        if (at.isEmpty())
            return;
        QCOMPARE(AskOnce(at, sim.port(), "get IPADDRESS"), at.toLatin1());
        QCOMPARE(AskOnce(at, sim.port(), "get DEVICEID"), QByteArray("Moved"));
        QVERIFY(Refuses(OLD, sim.port()));
    }

    // Where nothing moves, the connection goes on after the apply and the
    // device still answers at its address.
    void applyLeavesTheDeviceWhereItIs_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("sets");
        QTest::addColumn<QByteArray>("address"); // what "get IPADDRESS" answers after
        const QStringList all{"--move-after", "300", "--dhcp-range", RANGE,
                              "--leave-on-network-change"};
        const QByteArray factory = "192.168.1.50";
        QTest::newRow("no --move-after: a new address")
            << QStringList{} << QStringList{"IPADDRESS " + NEW} << NEW.toLatin1();
        QTest::newRow("no --move-after: DHCP on")
            << QStringList{} << QStringList{"DHCP 1"} << factory;
        QTest::newRow("no --move-after: a new SSID")
            << QStringList{} << QStringList{"SSID Site"} << factory;
        QTest::newRow("a new SSID without --leave-on-network-change")
            << QStringList{"--move-after", "300"} << QStringList{"SSID Site"} << factory;
        QTest::newRow("a new mask") << all << QStringList{"IPMASK 255.255.0.0"} << factory;
        QTest::newRow("an apply that changes nothing")
            << all << QStringList{"IPADDRESS 192.168.1.50", "DHCP 0", "SSID TolvoNet", "NTYPE 1"}
            << factory;
        QTest::newRow("an apply with nothing pending") << all << QStringList{} << factory;
        // A device that starts with DHCP on was given the address it is on.
        QTest::newRow("DHCP already on: a new address")
            << all + QStringList{"--set", "DHCP=1"} << QStringList{"IPADDRESS " + NEW, "DHCP 1"}
            << OLD.toLatin1();
    }

    void applyLeavesTheDeviceWhereItIs()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, sets);
        QFETCH(QByteArray, address);
        SimProcess sim(options, OLD);
        QVERIFY(sim.Start());
        Client client;
        QVERIFY(client.Connect(OLD, sim.port()));
        QVERIFY(client.Apply(sets));
        QCOMPARE(client.Ask("get IPADDRESS"), address);
        client.Close(); // the device serves one client after another
        QCOMPARE(AskOnce(OLD, sim.port(), "get SERIALN"), QByteArray("TS-240117-0042"));
        QCOMPARE(MoveLines(sim), QStringList{});
    }

    // DHCP on moves the device into the range and it reports the address
    // given; a new static address meanwhile moves nothing; DHCP off moves it
    // to its static address and it reports that; DHCP on again draws anew.
    void dhcpOffReturnsToTheStaticAddress()
    {
        SimProcess sim(
            {"--move-after", "200", "--dhcp-range", RANGE, "--set", "IPADDRESS=127.0.46.6"}, OLD);
        QVERIFY(sim.Start());
        const quint16 port = sim.port();
        const auto applyAt = [&](const QString& address, const QStringList& sets) {
            Client client;
            return client.Connect(address, port) && client.Apply(sets) && client.WaitUntilClosed();
        };
        QVERIFY(applyAt(OLD, {"DHCP 1"}));
        QVERIFY(WaitForMoveLines(sim, 2));
        QCOMPARE(AskOnce("127.0.46.20", port, "get IPADDRESS"), QByteArray("127.0.46.20"));

        Client client;
        QVERIFY(client.Connect("127.0.46.20", port));
        QVERIFY(client.Apply({"IPADDRESS 127.0.46.7"}));
        QCOMPARE(client.Ask("get IPADDRESS"), QByteArray("127.0.46.20"));
        QCOMPARE(client.Ask("get DHCP"), QByteArray("1"));
        QVERIFY(client.Apply({"DHCP 0"}));
        QVERIFY(client.WaitUntilClosed());
        QVERIFY(WaitForMoveLines(sim, 4));
        QCOMPARE(AskOnce("127.0.46.7", port, "get IPADDRESS"), QByteArray("127.0.46.7"));
        QVERIFY(Refuses("127.0.46.20", port));

        QVERIFY(applyAt("127.0.46.7", {"DHCP 1"}));
        QVERIFY(WaitForMoveLines(sim, 6));
        const QString portText = QString::number(port);
        QCOMPARE(MoveLines(sim), (QStringList{"# moving to 127.0.46.20 in 200 ms",
                                              "# listening on 127.0.46.20:" + portText,
                                              "# moving to 127.0.46.7 in 200 ms",
                                              "# listening on 127.0.46.7:" + portText,
                                              "# moving to 127.0.46.20 in 200 ms",
                                              "# listening on 127.0.46.20:" + portText}));
        QCOMPARE(AskOnce("127.0.46.20", port, "get IPADDRESS"), QByteArray("127.0.46.20"));
    }

    // Two devices of one simulator that turn DHCP on, one after the other or
    // both at once, each get an address of their own; each log line names
    // its device by the address it started on.
    void dhcpGivesEachDeviceItsOwnAddress_data()
    {
        QTest::addColumn<bool>("together");
        QTest::newRow("one after the other") << false;
        QTest::newRow("both at once") << true;
    }

    void dhcpGivesEachDeviceItsOwnAddress()
    {
        QFETCH(bool, together);
        SimProcess sim({"--devices", "2", "--move-after", "200", "--dhcp-range", RANGE}, OLD,
                       FIXED_PORT);
        QVERIFY(sim.Start());
        const QStringList starts{OLD, "127.0.46.2"};
        Client clients[2];
        for (int i = 0; i < 2; ++i) {
            // The second device may still be starting when the first says it listens.
            QVERIFY(QTest::qWaitFor([&] { return clients[i].Connect(starts[i], FIXED_PORT); },
                                    BOUND_MS));
            QCOMPARE(clients[i].Ask("set DHCP 1"), QByteArray("OK"));
            if (!together)
                QVERIFY(clients[i].Apply({}) && clients[i].WaitUntilClosed());
            else
                clients[i].Send("set CONFIGURE");
        }
        for (Client& client : clients) {
            if (together)
                QCOMPARE(client.Reply(), QByteArray("OK"));
            QVERIFY(client.WaitUntilClosed());
        }
        QVERIFY(WaitForMoveLines(sim, 4));

        // Which device went where, by its serial number.
        QStringList expected;
        QStringList startOf;
        for (const QString& address : QStringList{"127.0.46.20", "127.0.46.21"}) {
            QCOMPARE(AskOnce(address, FIXED_PORT, "get IPADDRESS"), address.toLatin1());
            const QByteArray serial = AskOnce(address, FIXED_PORT, "get SERIALN");
            QVERIFY2(serial == "TS-240117-0042" || serial == "TS-240117-0043", serial);
            const QString start = starts[serial.endsWith('2') ? 0 : 1];
            startOf << start;
            expected << "[" + start + "] # moving to " + address + " in 200 ms"
                     << "[" + start + "] # listening on " + address + ":4070";
        }
        QVERIFY(startOf[0] != startOf[1]);
        if (!together)
            QCOMPARE(startOf[0], OLD); // the first to ask gets the first address
        QStringList logged = MoveLines(sim);
        logged.sort();
        expected.sort();
        QCOMPARE(logged, expected);
    }

    // Another program holds the new address: the device says why it cannot
    // listen there, and listens nowhere.
    void aMoveToAnAddressHeldElsewhereListensNowhere()
    {
        SimProcess sim({"--move-after", "200"}, OLD);
        QVERIFY(sim.Start());
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress(NEW), sim.port()));
        Client client;
        QVERIFY(client.Connect(OLD, sim.port()));
        QVERIFY(client.Apply({"IPADDRESS " + NEW}));
        QVERIFY(client.WaitUntilClosed());
        QVERIFY(WaitForMoveLines(sim, 2));
        const QStringList lines = MoveLines(sim);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], "# moving to " + NEW + " in 200 ms");
        const QString cannot = QString("# cannot listen on %1:%2: ").arg(NEW).arg(sim.port());
        QVERIFY2(lines[1].startsWith(cannot) && lines[1].size() > cannot.size(),
                 qPrintable(lines[1]));
        holder.close();
        QVERIFY(Refuses(NEW, sim.port()));
        QVERIFY(Refuses(OLD, sim.port()));
    }
};

QTEST_GUILESS_MAIN(TestSimMoves)
#include "test_sim_moves.moc"
