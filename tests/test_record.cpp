// The commissioning record that tolvoctl --record writes: every setting each
// device holds as read back, what was verified and changed, no password, a
// SHA-256 printed that is the file's; a record that cannot be written keeps
// an older one and hides no device's result; a dry run that is a check sends
// nothing. Against tolvo-sim on 127.0.70.x, and the reader of record files.
#include "CliRun.h"
#include "CommissioningRecord.h"
#include "ConfigTable.h"
#include "DeviceLink.h"
#include "RecordReader.h"
#include "SimProcess.h"
#include "SmallDisk.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

constexpr uint32_t BASE = 0x7F004600; // 127.0.70.0
// The devices' password, and another one: neither may be in a record.
const QString HELD = QStringLiteral("Rq7-Held-Secret-5150");
const QString OTHER = QStringLiteral("Rq7-Other-Secret-0451");
const QString NOTE = QStringLiteral("Halle Ä – handed over to the site's technician");

QString Dotted(uint32_t offset)
{
    return QString::fromStdString(FormatDottedAddress(BASE + offset));
}

QJsonObject Json(const QByteArray& bytes)
{
    return QJsonDocument::fromJson(bytes).object();
}

// The device's settings as `tolvoctl get` prints them, in table order.
QList<QPair<QString, QString>> DeviceValues(const QString& address)
{
    QList<QPair<QString, QString>> values;
    for (const QString& line : Tolvoctl({"get", address}).out.split('\n', Qt::SkipEmptyParts))
        values.append({line.section('=', 0, 0), line.section('=', 1)});
    return values;
}

QStringList Keys(const QJsonArray& entries)
{
    QStringList keys;
    for (const QJsonValue entry : entries)
        keys << entry["key"].toString();
    return keys;
}

// The keys of the settings whose verified is true, false and null.
QStringList VerifiedKeys(const QJsonArray& settings, const QJsonValue& verified)
{
    QStringList keys;
    for (const QJsonValue setting : settings)
        if (setting["verified"] == verified)
            keys << setting["key"].toString();
    return keys;
}

// Where the bytes hold a password: plain, or as JSON escapes it.
bool HoldsPassword(const QByteArray& bytes)
{
    return bytes.contains(HELD.toUtf8()) || bytes.contains(OTHER.toUtf8());
}

QByteArray SettingsFile(const QByteArray& settings)
{
    return R"({"format": "tolvo-s-settings", "version": 1, "settings": )" + settings + "}";
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT

public:
    explicit TestRecord(QString noMounts) : m_noMounts(std::move(noMounts)) {}

private:
    const QString m_noMounts; // why no disk can be mounted; empty where one can
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void recordHoldsWhatTheDevicesHoldNow_data()
    {
        QTest::addColumn<uint32_t>("first"); // two devices from there
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("settings"); // a settings file's, for FILE
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QStringList>("written"); // verified true
        QTest::addColumn<QStringList>("changed");
        QTest::newRow("set") << 1u << QStringList{"set", "CHANNEL=3", "DEVICEID=Hall A"}
                             << QByteArray() << "set"
                             << "verified" << QStringList{"CHANNEL", "DEVICEID"}
                             << QStringList{"CHANNEL", "DEVICEID"};
        // The password sent is the one held: verified, and no change.
        QTest::newRow("restore, the password too")
            << 11u << QStringList{"restore", "FILE"}
            << SettingsFile(R"({"CHANNEL": "3", "PASSWORD": ")" + HELD.toUtf8() + R"("})")
            << "restore"
            << "verified" << QStringList{"PASSWORD", "CHANNEL"} << QStringList{"CHANNEL"};
        QTest::newRow("restore, only what differs")
            << 21u << QStringList{"restore", "FILE", "--only-changed"}
            << SettingsFile(R"({"CHANNEL": "3", "SSID": "TolvoNet"})") << "restore"
            << "verified" << QStringList{"CHANNEL"} << QStringList{"CHANNEL"};
        QTest::newRow("restore, nothing differs")
            << 31u << QStringList{"restore", "FILE", "--only-changed"}
            << SettingsFile(R"({"CHANNEL": "6"})") << "restore"
            << "matches" << QStringList() << QStringList();
        QTest::newRow("backup") << 41u << QStringList{"backup", "-o", "BACKUPS"} << QByteArray()
                                << "backup"
                                << "read" << QStringList() << QStringList();
    }

    // Two devices in one run: one record, each device as `tolvoctl get`
    // reads it afterwards, the password masked, the SHA-256 printed the
    // file's.
    void recordHoldsWhatTheDevicesHoldNow()
    {
        QFETCH(uint32_t, first);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, settings);
        QFETCH(QString, kind);
        QFETCH(QString, outcome);
        QFETCH(QStringList, written);
        QFETCH(QStringList, changed);
        SimProcess sim({"--devices", "2", "--set", "PASSWORD=" + HELD}, Dotted(first),
                       DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QStringList addresses{Dotted(first), Dotted(first + 1)};
        const QString file = m_dir.filePath(QString("settings-%1.json").arg(first));
        QVERIFY(WriteFile(file, settings));
        const QString hosts = m_dir.filePath(QString("hosts-%1.txt").arg(first));
        QVERIFY(WriteFile(hosts, addresses.join('\n').toLatin1()));
        const QString path = m_dir.filePath(QString("record-%1.json").arg(first));
        arguments.replaceInStrings("FILE", file);
        arguments.replaceInStrings("BACKUPS", m_dir.filePath(QString("backups-%1").arg(first)));
        arguments << "--hosts" << hosts << "--record" << path << "--note" << NOTE;

        const CliRun run = Tolvoctl(arguments);
        QCOMPARE(run.status, 0);
        const QByteArray bytes = ReadAll(path);
        const QString sha256 = QString::fromLatin1(
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
        QVERIFY2(run.out.contains("Record: " + path + ", SHA-256 " + sha256), qPrintable(run.out));
        QVERIFY(!HoldsPassword(bytes) && !HoldsPassword((run.out + run.err).toUtf8()));

        const QJsonObject record = Json(bytes);
        QCOMPARE(record["format"].toString(), QString("tolvo-s-commissioning-record"));
        QCOMPARE(record["version"].toInt(), 1);
        QCOMPARE(record["kind"].toString(), kind);
        QCOMPARE(record["note"].toString(), NOTE);
        QCOMPARE(record["program"]["name"].toString(), QString("tolvoctl"));
        QVERIFY(!record["program"]["version"].toString().isEmpty());
        QVERIFY(!record["timeZone"].toString().isEmpty());
        const QString createdAt = record["createdAt"].toString();
        QVERIFY2(QRegularExpression(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d$)")
                     .match(createdAt)
                     .hasMatch(),
                 qPrintable(createdAt));
        const qint64 age =
            QDateTime::fromString(createdAt, Qt::ISODate).secsTo(QDateTime::currentDateTimeUtc());
        QVERIFY2(age >= 0 && age < 600, qPrintable(createdAt));

        const QJsonArray devices = record["devices"].toArray();
        QCOMPARE(devices.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const QJsonObject device = devices[i].toObject();
            const auto held = DeviceValues(addresses[i]);
            QCOMPARE(held.size(), 25);
            QCOMPARE(device["address"].toString(), addresses[i]);
            QCOMPARE(device["verifiedAt"].toString(), addresses[i]);
            QCOMPARE(device["outcome"].toString(), outcome);
            QCOMPARE(device["error"].toString(), QString());
            QCOMPARE(device["serialNumber"].toString(), held[0].second);
            QCOMPARE(device["firmwareVersion"].toString(), held[1].second);
            QCOMPARE(device["deviceName"].toString(), held[10].second);
            const QJsonArray rows = device["settings"].toArray();
            QCOMPARE(rows.size(), 25);
            for (int row = 0; row < 25; ++row) {
                const auto& [key, value] = held[row];
                QCOMPARE(rows[row]["key"].toString(), key);
                QVERIFY(!rows[row]["name"].toString().isEmpty());
                QCOMPARE(rows[row]["value"].toString(),
                         key == "PASSWORD" ? QString("********") : value);
            }
            QCOMPARE(VerifiedKeys(rows, true), written);
            QCOMPARE(VerifiedKeys(rows, false), QStringList());
            QCOMPARE(VerifiedKeys(rows, QJsonValue::Null).size(), 25 - written.size());
            QCOMPARE(Keys(device["changes"].toArray()), changed);
            QCOMPARE(device["differences"].toArray(), QJsonArray());
        }
        if (kind == "set") {
            const QJsonValue change = devices[0]["changes"][1];
            QCOMPARE(change["before"].toString(), QString("Tolvo-S"));
            QCOMPARE(change["after"].toString(), QString("Hall A"));
        }
        // Read back, the record is as written, to the byte.
        QString problem;
        QByteArray readSha256;
        const auto read = LoadRecordFile(path, problem, &readSha256);
        QVERIFY2(read, qPrintable(problem));
        QCOMPARE(readSha256, sha256.toLatin1());
        QCOMPARE(RecordJson(*read), bytes);
    }

    // A setting the device did not keep: verified false, the device failed.
    void aSettingNotKeptIsRecordedSo()
    {
        SimProcess sim({"--ignore-set", "CHANNEL"}, Dotted(51), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString path = m_dir.filePath("not-kept.json");
        const CliRun run =
            Tolvoctl({"set", Dotted(51), "CHANNEL=3", "DEVICEID=Hall B", "--record", path});
        QCOMPARE(run.status, 1);
        const QJsonObject device = Json(ReadAll(path))["devices"][0].toObject();
        QCOMPARE(device["outcome"].toString(), QString("failed"));
        QVERIFY2(device["error"].toString().startsWith("CHANNEL: sent \"3\""),
                 qPrintable(device["error"].toString()));
        const QJsonArray rows = device["settings"].toArray();
        QCOMPARE(VerifiedKeys(rows, false), QStringList{"CHANNEL"});
        QCOMPARE(VerifiedKeys(rows, true), QStringList{"DEVICEID"});
        QCOMPARE(Keys(device["changes"].toArray()), QStringList{"DEVICEID"});
    }

    void aDeviceThatMovesIsRecordedWhereItWasReadBack_data()
    {
        QTest::addColumn<QString>("moveAfter"); // ms, the simulator's
        QTest::addColumn<int>("status");
        QTest::newRow("found at its new address") << "200" << 0;
        QTest::newRow("not seen in time") << "20000" << 1;
    }

    // A new static address moves the device as it applies: read back where
    // it answers, or not read back at all.
    void aDeviceThatMovesIsRecordedWhereItWasReadBack()
    {
        QFETCH(QString, moveAfter);
        QFETCH(int, status);
        const uint32_t from = status == 0 ? 101 : 111;
        const QString to = Dotted(from + 1);
        SimProcess sim({"--move-after", moveAfter}, Dotted(from), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString path = m_dir.filePath(QString("moved-%1.json").arg(from));
        const CliRun run = Tolvoctl(
            {"set", Dotted(from), "IPADDRESS=" + to, "--move-wait", "1500", "--record", path});
        QCOMPARE(run.status, status);
        const QJsonObject device = Json(ReadAll(path))["devices"][0].toObject();
        QCOMPARE(device["address"].toString(), Dotted(from));
        QCOMPARE(device["serialNumber"].toString(), QString("TS-240117-0042"));
        if (status != 0) {
            QCOMPARE(device["outcome"].toString(), QString("failed"));
            QCOMPARE(device["verifiedAt"], QJsonValue(QJsonValue::Null));
            QVERIFY2(device["error"].toString().contains("look for it at " + to),
                     qPrintable(device["error"].toString()));
            QCOMPARE(device["settings"].toArray(), QJsonArray());
            QCOMPARE(device["changes"].toArray(), QJsonArray());
            return;
        }
        QCOMPARE(device["outcome"].toString(), QString("verified"));
        QCOMPARE(device["verifiedAt"].toString(), to);
        QCOMPARE(device["settings"][4]["value"].toString(), to);
        QCOMPARE(device["settings"][4]["verified"], QJsonValue(true));
        QCOMPARE(device["changes"][0]["after"].toString(), to);
        QCOMPARE(DeviceValues(to).value(4).second, to);
    }

    void recordThatCannotBeWrittenKeepsTheOldOne_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("json");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("status"); // 2: refused before anything was sent
        for (const bool json : {false, true}) {
            const char* form = json ? "json" : "text";
            QTest::addRow("full disk, %s", form)
                << "full" << json << "No space left on device" << 3;
            QTest::addRow("read-only disk, %s", form) << "read-only" << json << QString() << 2;
            // Where no disk can be mounted (Wine): a folder that cannot exist.
            QTest::addRow("no folder, %s", form) << "no folder" << json << QString() << 2;
        }
    }

    // A folder that takes no file is refused before anything is sent (exit
    // status 2); a disk that fills up as the record is written gives exit
    // status 3, the record at the path as it was, and the devices' results
    // all the same: the device was written.
    void recordThatCannotBeWrittenKeepsTheOldOne()
    {
        QFETCH(QString, where);
        QFETCH(bool, json);
        QFETCH(QString, reason);
        QFETCH(int, status);
        const bool mounted = where != "no folder";
        if (mounted && !m_noMounts.isEmpty())
            QSKIP(qPrintable(m_noMounts));
        const uint32_t device = json ? 61 : 62;
        SimProcess sim({}, Dotted(device), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString folder = m_dir.filePath(QString("%1-%2").arg(where).arg(device));
        const QString path = folder + "/site.record";
        QVERIFY(mounted ? MountSmallDisk(folder) : WriteFile(folder, "a file"));
        const auto unmount = qScopeGuard([&] {
            if (mounted)
                Unmount(folder);
        });
        QByteArray old;
        if (mounted) {
            QCOMPARE(Tolvoctl({"set", Dotted(device), "CHANNEL=2", "--record", path}).status, 0);
            old = ReadAll(path);
            QVERIFY(old.contains("\"CHANNEL\""));
            QVERIFY(where == "full" ? FillDisk(folder, 0) : MakeReadOnly(folder));
        }
        QStringList arguments{"set", Dotted(device), "CHANNEL=4", "--record", path};
        if (json)
            arguments << "--json";
        const CliRun run = Tolvoctl(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains("Cannot write " + path + ": ") && run.err.contains(reason),
                 qPrintable(run.err));
        if (status == 2) { // nothing sent, the record as it was
            QVERIFY(DeviceValues(Dotted(device))[7].second != "4");
            QCOMPARE(ReadAll(path), old);
            return;
        }
        QVERIFY2(run.err.contains("The record was not written"), qPrintable(run.err));
        if (json) {
            const QJsonObject document = Json(run.out.toUtf8());
            QCOMPARE(document["devices"][0]["ok"], QJsonValue(true));
            QCOMPARE(document["devices"][0]["changes"][0]["after"].toString(), QString("4"));
            QCOMPARE(document["succeeded"].toInt(), 1);
            QCOMPARE(document["exitStatus"].toInt(), 3);
            QCOMPARE(document["record"]["file"].toString(), QString());
            QCOMPARE(document["record"]["sha256"].toString(), QString());
            QVERIFY(document["record"]["error"].toString().contains(reason));
        } else {
            QVERIFY2(run.out.contains(Dotted(device) + ": 1 setting sent, all kept") &&
                         run.out.contains("1 of 1 devices succeeded") &&
                         !run.out.contains("Record:"),
                     qPrintable(run.out));
        }
        QCOMPARE(DeviceValues(Dotted(device))[7].second, QString("4")); // it was sent
        QCOMPARE(ReadAll(path), old);
        if (mounted) {
            QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
            left.removeAll("filler");
            QCOMPARE(left, QStringList{"site.record"}); // no part of the new one
        }
    }

    void dryRunWithARecordIsACheck_data()
    {
        QTest::addColumn<bool>("json");
        QTest::newRow("text") << false;
        QTest::newRow("json") << true;
    }

    // Three devices: one as the file, one with another channel, one with
    // another password. Each is read and compared; nothing is sent.
    void dryRunWithARecordIsACheck()
    {
        QFETCH(bool, json);
        const uint32_t first = json ? 71 : 81;
        SimProcess sim({"--devices", "3", "--set", "PASSWORD=" + HELD}, Dotted(first),
                       DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QStringList addresses{Dotted(first), Dotted(first + 1), Dotted(first + 2)};
        QCOMPARE(Tolvoctl({"set", addresses[1], "CHANNEL=3"}).status, 0);
        QCOMPARE(Tolvoctl({"set", addresses[2], "PASSWORD=" + OTHER}).status, 0);
        QVERIFY(sim.Sync());
        sim.NewLogLines();
        const QString file = m_dir.filePath(QString("check-%1.json").arg(first));
        QVERIFY(WriteFile(file, SettingsFile(R"({"CHANNEL": "6", "SSID": "TolvoNet", )"
                                             R"("PASSWORD": ")" +
                                             HELD.toUtf8() + R"("})")));
        const QString hosts = m_dir.filePath(QString("check-hosts-%1.txt").arg(first));
        QVERIFY(WriteFile(hosts, addresses.join('\n').toLatin1()));
        const QString path = m_dir.filePath(QString("check-record-%1.json").arg(first));
        QStringList arguments{"restore", "--hosts", hosts, file, "--dry-run", "--record", path};
        if (json)
            arguments << "--json";

        const CliRun run = Tolvoctl(arguments);
        QCOMPARE(run.status, 1); // two of the three differ
        QVERIFY(sim.Sync());
        const QByteArray log = sim.NewLogLines().join('\n');
        for (const QString& address : addresses) // every device was read
            QVERIFY2(log.contains("[" + address.toLatin1() + "] RECV get PASSWORD"), log.data());
        QVERIFY2(!log.contains("RECV set "), log.data());
        const QByteArray bytes = ReadAll(path);
        QVERIFY(!HoldsPassword(bytes) && !HoldsPassword((run.out + run.err).toUtf8()));
        const QJsonObject record = Json(bytes);
        QCOMPARE(record["kind"].toString(), QString("check"));
        const QJsonArray devices = record["devices"].toArray();
        QCOMPARE(devices.size(), 3);
        const QStringList outcomes{"matches", "differs", "differs"};
        const QList<QStringList> differing{{}, {"CHANNEL"}, {"PASSWORD"}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(devices[i]["outcome"].toString(), outcomes[i]);
            QCOMPARE(Keys(devices[i]["differences"].toArray()), differing[i]);
            QCOMPARE(devices[i]["settings"].toArray().size(), 25);
            QCOMPARE(VerifiedKeys(devices[i]["settings"].toArray(), QJsonValue::Null).size(), 25);
            QCOMPARE(devices[i]["changes"].toArray(), QJsonArray());
            if (json)
                QCOMPARE(Keys(Json(run.out.toUtf8())["devices"][i]["changes"].toArray()),
                         differing[i]);
        }
        QCOMPARE(devices[1]["differences"][0]["device"].toString(), QString("3"));
        QCOMPARE(devices[1]["differences"][0]["wanted"].toString(), QString("6"));
        QCOMPARE(devices[2]["differences"][0]["device"].toString(), QString("********"));
        QCOMPARE(devices[2]["differences"][0]["wanted"].toString(), QString("********"));
        if (!json) {
            QVERIFY2(run.out.contains(addresses[0] + ": nothing sent (dry run); matches") &&
                         run.out.contains(addresses[1] + ": nothing sent (dry run); differs: "
                                                         "CHANNEL") &&
                         run.out.contains(addresses[2] + ": nothing sent (dry run); differs: "
                                                         "PASSWORD") &&
                         run.out.contains("1 matching, 2 differing, 0 failed"),
                     qPrintable(run.out));
        }
    }

    // A record at a file the command reads or writes is refused before
    // anything is sent (exit 2); one at a backup this run wrote into a
    // folder, once the run is over (exit 3). Either way the file is as the
    // command left it, not a record.
    void aRecordNeverReplacesAFileOfTheRun_data()
    {
        QTest::addColumn<QStringList>("arguments"); // FILE: the file, DIR: its folder
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("status");
        QTest::newRow("backup's file") << QStringList{"backup", "-o", "FILE"} << "FILE" << 2;
        QTest::newRow("restore's file") << QStringList{"restore", "FILE"} << "FILE" << 2;
        QTest::newRow("restore's file, named otherwise")
            << QStringList{"restore", "FILE"} << "DIR/./sub/../settings.json" << 2;
        QTest::newRow("a hosts file")
            << QStringList{"set", "CHANNEL=3", "--hosts", "FILE"} << "FILE" << 2;
        QTest::newRow("a backup into the folder")
            << QStringList{"backup", "-o", "DIR"} << "DIR/SERIAL.json" << 3;
        QTest::newRow("a settings file the run does not name")
            << QStringList{"set", "CHANNEL=3"} << "FILE" << 2;
#ifdef Q_OS_UNIX
        QTest::newRow("a pipe") << QStringList{"set", "CHANNEL=3"} << "DIR/pipe" << 2;
#endif
    }

    void aRecordNeverReplacesAFileOfTheRun()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, record);
        QFETCH(int, status);
        static uint32_t device = 100;
        const QString address = Dotted(++device);
        SimProcess sim({}, address, DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString folder = m_dir.filePath(QString("own-file-%1").arg(device));
        const QString file = folder + "/settings.json";
        const QByteArray before = arguments.contains("--hosts")
                                      ? address.toUtf8() + "\n"
                                      : SettingsFile(R"({"CHANNEL": "3"})");
        QVERIFY(QDir().mkpath(folder) && WriteFile(file, before));
        const QString serial = DeviceValues(address)[0].second;
        for (QString& argument : arguments)
            argument.replace("FILE", file).replace("DIR", folder);
        if (!arguments.contains("--hosts"))
            arguments.insert(1, address);
        record.replace("FILE", file).replace("DIR", folder).replace("SERIAL", serial);
#ifdef Q_OS_UNIX
        if (record.endsWith("/pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(record).constData(), 0600), 0);
#endif
        QVERIFY(sim.Sync());
        const qsizetype commands = sim.Commands().size();
        const CliRun run = Tolvoctl(arguments + QStringList{"--record", record});
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(record + " is also a file this command reads or writes") ||
                     run.err.contains(record + " exists and is no commissioning record") ||
                     run.err.contains(record + ": it is no regular file"),
                 qPrintable(run.err));
        if (record.endsWith("/pipe"))
            QVERIFY(QFileInfo(record).exists() && !QFileInfo(record).isFile()); // still a pipe
        else
            QVERIFY(
                !Json(ReadAll(QDir::cleanPath(record)))["format"].toString().contains("record"));
        if (status == 2) {
            QCOMPARE(ReadAll(file), before);
            QVERIFY(sim.Sync());
            QCOMPARE(sim.Commands().size(), commands); // nothing read or sent
        } else {
            QCOMPARE(Json(ReadAll(record))["format"].toString(), QString("tolvo-s-settings"));
        }
    }

    // A device out of step that gives the password's value as another
    // key's: the record masks it there too.
    void aPasswordAsAnotherValueIsMasked_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("backup") << QStringList{"backup", "-o", "BACKUP"};
        QTest::newRow("check") << QStringList{"restore", "TEMPLATE", "--dry-run"};
    }

    void aPasswordAsAnotherValueIsMasked()
    {
        QFETCH(QStringList, arguments);
        static uint32_t device = 120;
        const QString address = Dotted(++device);
        SimProcess sim({"--set", "PASSWORD=" + HELD, "--reply", "DEVICEID=Hall " + HELD}, address,
                       DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString path = m_dir.filePath(QString("masked-%1.json").arg(device));
        const QString template_ = m_dir.filePath(QString("template-%1.json").arg(device));
        QVERIFY(WriteFile(template_, SettingsFile(R"({"DEVICEID": "Hall 9"})")));
        arguments.replaceInStrings("BACKUP", m_dir.filePath(QString("backup-%1").arg(device)));
        arguments.replaceInStrings("TEMPLATE", template_);
        arguments.insert(1, address);
        const CliRun run = Tolvoctl(arguments + QStringList{"--record", path});
        QVERIFY2(run.status <= 1, qPrintable(run.err));
        const QByteArray bytes = ReadAll(path);
        QVERIFY2(bytes.contains("Hall ********") && !HoldsPassword(bytes), bytes.constData());
    }

    void aNoteWithoutARecordSendsNothing()
    {
        SimProcess sim({}, Dotted(99), DEVICE_COMMAND_PORT); // (.91 is test_record_file's)
        QVERIFY(sim.Start());
        const CliRun run = Tolvoctl({"set", Dotted(99), "CHANNEL=3", "--note", "Hall C"});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("--record"), qPrintable(run.err));
        QVERIFY(SimIdle(sim));
    }
};

int main(int argc, char* argv[])
{
    const QString noMounts = OwnMountNamespace(); // before any thread
    QCoreApplication app(argc, argv);
    TestRecord test(noMounts);
    return QTest::qExec(&test, argc, argv);
}

#include "test_record.moc"
