// The commissioning record's file read back (for its PDF): a record written
// reads back as it was, to the byte; a document that is no record, or holds
// a password's value, is refused naming the member. And a device's entry
// from a save as the window makes it, on the engine against tolvo-sim.
#include "CommissioningRecord.h"
#include "CoreMessages.h"
#include "DeviceLink.h"
#include "RecordEntry.h"
#include "RecordReader.h"
#include "SimProcess.h"
#include "TaskRunner.h"
#include "Transcript.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr uint32_t SAVED = 0x7F00465B; // 127.0.70.91, .92

// A record with each kind of member: verified true, false and null, a
// value with control characters, an empty password and a masked one.
CommissioningRecord Sample()
{
    CommissioningRecord record;
    record.program = "TolvoSConfig";
    record.programVersion = "1.0.0.1";
    record.createdAt = QDateTime(QDate(2026, 12, 8), QTime(6, 20, 7), Qt::OffsetFromUTC, 19800);
    record.timeZone = "Asia/Kolkata";
    record.kind = RecordKind::Save;
    record.note = QStringLiteral("Halle Ä\nline two");
    RecordDevice device;
    device.address = "127.0.70.91";
    device.verifiedAt = "127.0.70.92";
    device.serialNumber = "TS-240117-0042";
    device.firmwareVersion = "2.3.1";
    device.deviceName = QStringLiteral("Hall\x1b[2J A");
    device.outcome = RecordOutcome::Verified;
    device.settings = {{"SSID", "SSID", "Net\r", true},
                       {"PASSWORD", "Password", "********", false},
                       {"CHANNEL", "Wi-Fi channel", "6", std::nullopt}};
    device.changes = {{"PASSWORD", "", "********"}, {"SSID", "Old", "Net\r"}};
    device.differences = {{"CHANNEL", "3", "6"}};
    record.devices = {device, RecordDevice{}};
    record.devices[1].address = "127.0.70.93";
    record.devices[1].error = "failed while connecting: no connection could be made";
    return record;
}

// Sets the member at path (object names and array indexes) to value.
QJsonValue With(QJsonValue node, QStringList path, const QJsonValue& value)
{
    if (path.isEmpty())
        return value;
    const QString step = path.takeFirst();
    bool index = false;
    const int at = step.toInt(&index);
    if (index) {
        QJsonArray array = node.toArray();
        array[at] = With(array[at], path, value);
        return array;
    }
    QJsonObject object = node.toObject();
    if (value.isUndefined() && path.isEmpty())
        object.remove(step);
    else
        object[step] = With(object[step], path, value);
    return object;
}

DeviceSettings Unmodified(DeviceSettings table)
{
    for (ConfigGroup& group : table)
        for (ConfigParam& row : group.rows)
            row.flags &= ~PARAM_MODIFIED;
    return table;
}

bool RunToEnd(DeviceTasks& tasks)
{
    TaskRunner runner(tasks, 1);
    QSignalSpy finished(&runner, &TaskRunner::finished);
    runner.Start();
    return finished.wait(60000);
}

} // namespace

class TestRecordFile : public QObject {
    Q_OBJECT

private slots:
    void aRecordReadsBackAsItWasWritten()
    {
        const QByteArray bytes = RecordJson(Sample());
        const QJsonObject root = QJsonDocument::fromJson(bytes).object();
        QCOMPARE(root["createdAt"].toString(), QString("2026-12-08T06:20:07+05:30"));
        QCOMPARE(root["devices"][0]["settings"][2]["verified"], QJsonValue(QJsonValue::Null));
        QCOMPARE(root["devices"][1]["verifiedAt"], QJsonValue(QJsonValue::Null));
        QString problem;
        const std::optional<CommissioningRecord> read = ReadRecord(bytes, problem);
        QVERIFY2(read, qPrintable(problem));
        QCOMPARE(RecordJson(*read), bytes);
        QCOMPARE(read->createdAt.offsetFromUtc(), 19800);
        QVERIFY(read->devices[0].settings[1].verified == std::optional<bool>(false));
        QVERIFY(read->devices[1].outcome == RecordOutcome::Failed);
    }

    void aTimeAtUtcKeepsItsOffset()
    {
        CommissioningRecord record = Sample();
        record.createdAt = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::OffsetFromUTC, -12600);
        QVERIFY(RecordJson(record).contains("\"2026-01-02T03:04:05-03:30\""));
        record.createdAt = record.createdAt.toOffsetFromUtc(0);
        QVERIFY(RecordJson(record).contains("\"2026-01-02T06:34:05+00:00\""));
    }

    void whatIsNoRecordIsRefused_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("problem");
        const auto row = [](const char* name, const QString& path, const QJsonValue& value,
                            const QString& problem) {
            QTest::newRow(name) << path.split('/', Qt::SkipEmptyParts) << value << problem;
        };
        const QString notRecord = "Not a commissioning record of format "
                                  "\"tolvo-s-commissioning-record\", version 1.";
        const QString password = "The record's member %1 holds a Wi-Fi password's value";
        row("another format", "format", "tolvo-s-settings", notRecord);
        row("another version", "version", 2, notRecord);
        row("no object", "", QJsonArray{1}, notRecord);
        row("a password in the clear", "devices/0/settings/1/value", "hunter2",
            password.arg("devices[0].settings[1].value"));
        row("a changed password", "devices/0/changes/0/after", "hunter2",
            password.arg("devices[0].changes[0].after"));
        row("a password that differs", "devices/0/differences/0/key", "PASSWORD",
            password.arg("devices[0].differences[0].device"));
        row("no such setting", "devices/0/settings/2/key", "NOPE",
            "The record's member devices[0].settings[2].key holds \"NOPE\"");
        row("no such outcome", "devices/1/outcome", "done",
            "The record's member devices[1].outcome holds \"done\"");
        row("no such kind", "kind", "install", "The record's member kind holds \"install\"");
        row("a time without its offset", "createdAt", "2026-12-08T06:20:07",
            "The record's member createdAt holds");
        row("verified as text", "devices/0/settings/0/verified", "yes",
            "The record's member devices[0].settings[0].verified is missing or of the wrong type");
        row("no devices", "devices", QJsonValue::Undefined,
            "The record's member devices is missing");
        row("a note that is no text", "note", 5, "The record's member note is missing");
        row("a device that is no object", "devices/1", "device",
            "The record's member devices[1] is missing");
        // A forged record's members past what any record holds.
        row("a device name past any device's", "devices/0/deviceName", QString(4097, 'n'),
            "The record's member devices[0].deviceName is longer than a record's ever is "
            "(at most 4096).");
        row("a note past any note", "note", QString(64 * 1024 + 1, 'n'),
            "The record's member note is longer");
        row(
            "more settings than a device has", "devices/0/settings",
            [] {
                QJsonArray settings;
                for (int i = 0; i < 26; ++i)
                    settings.append(QJsonObject{{"key", "CHANNEL"},
                                                {"name", "Wi-Fi channel"},
                                                {"value", "3"},
                                                {"verified", QJsonValue::Null}});
                return settings;
            }(),
            "The record's member devices[0].settings is longer");
    }

    // Characters that would hide or fake what a text says are shown
    // escaped wherever a device's or a record's text is shown; others stay.
    void invisibleCharactersAreShownEscaped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a soft hyphen") << QString("Hall\u00AD7") << QString("Hall\\xad7");
        QTest::newRow("a right-to-left override")
            << QString("note\u202Eevil") << QString("note\\u202eevil");
        QTest::newRow("a paragraph separator")
            << QString("10.0.0.1\u2029SHA") << QString("10.0.0.1\\u2029SHA");
        QTest::newRow("letters of other scripts")
            << QString("Halle Ä 設定") << QString("Halle Ä 設定");
    }

    void invisibleCharactersAreShownEscaped()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(EscapedText(text), shown);
    }

    void whatIsNoRecordIsRefused()
    {
        QFETCH(QStringList, path);
        QFETCH(QJsonValue, value);
        QFETCH(QString, problem);
        const QJsonValue root = QJsonDocument::fromJson(RecordJson(Sample())).object();
        const QJsonValue changed = With(root, path, value);
        const QByteArray bytes = changed.isArray() ? QJsonDocument(changed.toArray()).toJson()
                                                   : QJsonDocument(changed.toObject()).toJson();
        QString said;
        QVERIFY(!ReadRecord(bytes, said));
        QVERIFY2(said.startsWith(problem), qPrintable(said));
        QVERIFY2(!said.contains("hunter2"), qPrintable(said));
    }

    void aFileThatIsNoRecordIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("cut.record");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(RecordJson(Sample()).chopped(40)); // a copy cut short
        file.close();
        QString problem;
        QVERIFY(!LoadRecordFile(path, problem));
        QVERIFY2(problem.startsWith("Not JSON: "), qPrintable(problem));
        QVERIFY(!LoadRecordFile(dir.filePath("none.record"), problem));
        QVERIFY2(problem.startsWith("Cannot read " + dir.filePath("none.record")),
                 qPrintable(problem));
    }

    void aSaveAsTheWindowMakesIt_data()
    {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("read back") << QStringList() << "verified";
        // The window's save reads back on its connection only: not verified.
        QTest::newRow("apply unanswered") << QStringList{"--apply-unanswered", "close"} << "failed";
    }

    // A load, then a save of one setting, on the engine as the window runs
    // them: the record's entry of the save.
    void aSaveAsTheWindowMakesIt()
    {
        QFETCH(QStringList, simOptions);
        QFETCH(QString, outcome);
        const uint32_t address = SAVED + (outcome == "failed" ? 1 : 0);
        SimProcess sim(simOptions, QString::fromStdString(FormatDottedAddress(address)),
                       DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        DeviceTasks load;
        load.push_back(std::make_unique<DeviceTask>(address, DEVICE_COMMAND_PORT, 5000));
        load.front()->ConnectAndRead(load.front()->before);
        QVERIFY(RunToEnd(load) && load.front()->ok());
        const DeviceSettings known = Unmodified(load.front()->before);
        DeviceSettings push = known;
        QVERIFY(push.SetByKey("CHANNEL", "3"));

        DeviceTasks save;
        save.push_back(std::make_unique<DeviceTask>(address, DEVICE_COMMAND_PORT, 2000));
        AddWriteAfterLoad(*save.front(), known, push);
        QVERIFY(RunToEnd(save));
        const RecordDevice device = RecordDeviceOf(*save.front(), RecordKind::Save);
        QCOMPARE(RecordOutcomeName(device.outcome), outcome);
        QCOMPARE(device.serialNumber, QString("TS-240117-0042"));
        if (outcome == "failed") {
            QCOMPARE(device.error, Tr(MSG_NOT_READ_BACK));
            QVERIFY(device.settings.empty() && device.changes.empty());
            QCOMPARE(device.verifiedAt, QString());
            return;
        }
        QCOMPARE(device.settings.size(), std::size_t(25));
        QCOMPARE(device.settings[7].key, QString("CHANNEL"));
        QCOMPARE(device.settings[7].value, QString("3"));
        QVERIFY(device.settings[7].verified == std::optional<bool>(true));
        QCOMPARE(device.settings[3].value, QString("********"));
        QVERIFY(!device.settings[3].verified.has_value());
        QCOMPARE(device.changes.size(), std::size_t(1));
        QCOMPARE(device.changes[0].before, QString("6"));
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "test_record_file.moc"
