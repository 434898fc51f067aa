#include "ConfigTable.h"

#include <QtTest>

namespace {

// The table the setters are tried on, fresh for each test.
DeviceSettings table;

QString ValueOf(int group, int index)
{
    const ConfigParam* row = table.Find(group, index);
    return row && row->value ? QString::fromLatin1(row->value->c_str()) : QString();
}

bool IsModified(int group, int index)
{
    return (table.Find(group, index)->flags & PARAM_MODIFIED) != 0;
}

} // namespace

class TestConfigTable : public QObject {
    Q_OBJECT

private slots:
    void init() { table = DeviceSettings(); }

    void tableHoldsTheRowsInProtocolOrder()
    {
        QStringList keys;
        QList<int> counts;
        for (const ConfigGroup& group : table) {
            counts << group.count();
            for (const ConfigParam& row : group.rows) {
                keys << QLatin1String(row.key);
                QVERIFY(!row.value.has_value());
            }
        }
        QCOMPARE(counts, (QList<int>{2, 9, 8, 6}));
        QCOMPARE(keys, (QStringList{
                           "SERIALN",         "FWVERSION",       "SSID",          "PASSWORD",
                           "IPADDRESS",       "IPMASK",          "DHCP",          "CHANNEL",
                           "NTYPE",           "TRANSPOWER",      "DEVICEID",      "RS232 baudrate",
                           "RS232 databits",  "RS232 stopbits",  "RS232 parity",  "DIRECT baudrate",
                           "DIRECT databits", "DIRECT stopbits", "DIRECT parity", "PORTCONNECT 0",
                           "PORT 0",          "PORTCONNECT 1",   "PORT 1",        "PORTCONNECT 2",
                           "PORT 2"}));
        QCOMPARE(table[GROUP_INFO].rows[0].flags, PARAM_READ);
        QCOMPARE(table[GROUP_WIFI].rows[4].kind, PARAM_CHOICE);
        QCOMPARE(table[GROUP_ROUTING].rows[1].kind, PARAM_RANGE);
    }

    void valueSetsMatchThePortLists()
    {
        QCOMPARE(QList<int32_t>(BaudRates.begin(), BaudRates.end()),
                 (QList<int32_t>{9600, 19200, 38400, 57600, 115200, 230400}));
        QCOMPARE(QList<int32_t>(DataBitsValues.begin(), DataBitsValues.end()),
                 (QList<int32_t>{8, 9}));
        QCOMPARE(QList<int32_t>(StopBitsValues.begin(), StopBitsValues.end()),
                 (QList<int32_t>{1, 2}));
        QCOMPARE(WiFiChannels.size(), 15u);
        QCOMPARE(TransPowerLevels.front(), 1);
        QCOMPARE(QLatin1String(ConnectTargetNames[3]), QLatin1String("NO connection"));
        QCOMPARE(QLatin1String(NetworkTypeChoices[1].name), QLatin1String("Infrastructure"));
    }

    void setParamIntStoresDecimalText_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("stored");
        QTest::newRow("channel 7") << 5 << 1 << 7 << "7";
        QTest::newRow("RS232 baud 230400") << 0 << 2 << 230400 << "230400";
        QTest::newRow("minus one") << 3 << 2 << -1 << "-1";
        QTest::newRow("lowest int") << 1 << 3 << INT32_MIN << "-2147483648";
        QTest::newRow("info row") << 0 << 0 << 12 << "12";
    }

    void setParamIntStoresDecimalText()
    {
        QFETCH(int, index);
        QFETCH(int, group);
        QFETCH(int, value);
        QFETCH(QString, stored);
        QCOMPARE(table.SetInt(index, group, value), 0);
        QCOMPARE(ValueOf(group, index), stored);
        QVERIFY(IsModified(group, index));
    }

    void settersRefuseRowsOutsideTheTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("group");
        QTest::newRow("group -1") << 0 << -1;
        QTest::newRow("group 4") << 0 << 4;
        QTest::newRow("index 9 of WiFi") << 9 << 1;
        QTest::newRow("index -1") << -1 << 2;
    }

    void settersRefuseRowsOutsideTheTable()
    {
        QFETCH(int, index);
        QFETCH(int, group);
        QCOMPARE(table.SetInt(index, group, 1), -1);
        if (group == GROUP_WIFI)
            QCOMPARE(table.SetText(index, "x"), -1);
    }

    void setParamTextStoresLatin1Bytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QString("") << QByteArray("");
        QTest::newRow("plain") << QString("Tolvo-S") << QByteArray("Tolvo-S");
        QTest::newRow("latin-1") << QString::fromUtf8("Caf\u00e9 \u00ff")
                                 << QByteArray("Caf\xe9 \xff");
        QTest::newRow("99 characters") << QString(99, 'a') << QByteArray(99, 'a');
        QTest::newRow("inner blanks") << QString("my net 2") << QByteArray("my net 2");
    }

    void setParamTextStoresLatin1Bytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(table.SetText(8, text), 0);
        const ConfigParam* row = table.Find(GROUP_WIFI, 8);
        QVERIFY(row->value.has_value());
        QCOMPARE(QByteArray::fromStdString(*row->value), bytes);
        QVERIFY(IsModified(GROUP_WIFI, 8));
        QCOMPARE(DeviceTextToWide(*row->value), text);
    }

    void setParamTextRefusesTextTheDeviceCannotStore_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("problem");
        QTest::newRow("greek letter")
            << QString::fromUtf8("\u03b1lpha") << int(TextProblem::NotLatin1);
        QTest::newRow("emoji") << QString::fromUtf8("\U0001F600") << int(TextProblem::NotLatin1);
        QTest::newRow("100 characters") << QString(100, 'a') << int(TextProblem::TooLong);
        QTest::newRow("carriage return")
            << QString("a\rset CONFIGURE") << int(TextProblem::LineBreakOrNul);
        QTest::newRow("line feed") << QString("a\nb") << int(TextProblem::LineBreakOrNul);
        QTest::newRow("zero") << QString(QChar(0)) << int(TextProblem::LineBreakOrNul);
    }

    void setParamTextRefusesTextTheDeviceCannotStore()
    {
        QFETCH(QString, text);
        QFETCH(int, problem);
        QCOMPARE(int(ParamTextProblem(text)), problem);
        // A row without a value stays without one.
        QCOMPARE(table.SetText(0, text), -1);
        QVERIFY(!table.Find(GROUP_WIFI, 0)->value.has_value());
        QVERIFY(!IsModified(GROUP_WIFI, 0));
        // A row with a value keeps it.
        QCOMPARE(table.SetText(0, "before"), 0);
        QCOMPARE(table.SetText(0, text), -1);
        QCOMPARE(ValueOf(GROUP_WIFI, 0), QString("before"));
    }

    void nullTextIsStoredAsTheEmptyText()
    {
        // Qt hands out null strings for empty fields; they must not be refused.
        QCOMPARE(table.SetText(8, QString()), 0);
        QCOMPARE(ValueOf(GROUP_WIFI, 8), QString(""));
        QVERIFY(table.Find(GROUP_WIFI, 8)->value.has_value());
        QVERIFY(IsModified(GROUP_WIFI, 8));
    }

    void secondSetReplacesTheValueAndTheFlagStays()
    {
        QCOMPARE(table.SetText(1, "first"), 0);
        QCOMPARE(table.SetText(1, "second"), 0);
        QCOMPARE(ValueOf(GROUP_WIFI, 1), QString("second"));
        QVERIFY(IsModified(GROUP_WIFI, 1));
        table.SetInt(5, 1, 11);
        table.SetInt(5, 1, 3);
        QCOMPARE(ValueOf(GROUP_WIFI, 5), QString("3"));
    }

    void formatDottedAddress_data()
    {
        QTest::addColumn<quint32>("address");
        QTest::addColumn<QString>("text");
        QTest::newRow("10.0.0.1") << 0x0A000001u << "10.0.0.1";
        QTest::newRow("all ones") << 0xFFFFFFFFu << "255.255.255.255";
        QTest::newRow("zero") << 0u << "0.0.0.0";
        QTest::newRow("top bit") << 0xC0A80114u << "192.168.1.20";
    }

    void formatDottedAddress()
    {
        QFETCH(quint32, address);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(FormatDottedAddress(address)), text);
    }
};

QTEST_GUILESS_MAIN(TestConfigTable)
#include "test_configtable.moc"
