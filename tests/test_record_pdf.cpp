// The commissioning record's PDF: saved from the window after a Load or a
// Save and from the results of a send or a check, against tolvo-sim (every
// setting the device holds, no password bytes, the SHA-256 of the JSON
// beside it printed on it), and made from tolvoctl's record by
// TolvoSConfig --record-pdf without a display.
#include "CTolvoConfigDlg.h"
#include "CliRun.h"
#include "ConfigTable.h"
#include "DialogTemplate.h"
#include "FileChooser.h"
#include "GuiTest.h"
#include "PageTable.h"
#include "Prompts.h"
#include "RecordDocument.h"
#include "RecordFiles.h"
#include "RecordReader.h"
#include "RecordTest.h"
#include "SendResultsDlg.h"
#include "SimProcess.h"
#include "StringIds.h"
#include "TolvoWiFi.h"

#include <QAction>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

constexpr uint32_t BASE = 0x7F004800; // 127.0.72.0
constexpr int RUN_TIMEOUT_MS = 30000;
const QString PASSWORD = QStringLiteral("pw-Hall7!x");
const QString NOTE = QStringLiteral("Hall B, module 7\nhanded over to J. Doe");

QString Dotted(uint32_t offset)
{
    return QString::fromStdString(FormatDottedAddress(BASE + offset));
}

// What the device at address holds, read by tolvoctl: every key's value.
QJsonObject DeviceValues(const QString& address)
{
    const CliRun run = Tolvoctl({"get", address, "--json"});
    const QJsonArray devices = QJsonDocument::fromJson(run.out.toUtf8())["devices"].toArray();
    return devices.isEmpty() ? QJsonObject() : devices[0]["values"].toObject();
}

// The setting's value a record must hold: the password's masked.
QString Expected(const QString& key, const QJsonObject& held)
{
    const QString value = held[key].toString();
    if (key != "PASSWORD")
        return value;
    return value.isEmpty() ? QString() : QStringLiteral("********");
}

#define REQUIRE_PDF_TEXT()                                                                         \
    do {                                                                                           \
        if (const QString why = NoPdfText(); !why.isEmpty()) {                                     \
            if (IsWindowsBuild())                                                                  \
                QSKIP(qPrintable(why));                                                            \
            QFAIL(qPrintable(why));                                                                \
        }                                                                                          \
    } while (false)

constexpr bool IsWindowsBuild()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

// The record read back from beside pdf, and checks common to every record:
// each device read holds its 25 settings as the device now holds them, and
// the password's bytes are in neither file.
std::optional<CommissioningRecord> ReadBack(const QString& pdf)
{
    QString problem;
    std::optional<CommissioningRecord> record = ReadRecord(ReadAll(RecordJsonPath(pdf)), problem);
    if (!record)
        qWarning() << problem;
    return record;
}

} // namespace

class TestRecordPdf : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_converted = 30;

    QString Pdf(const QString& name) const { return m_dir.filePath(name + ".pdf"); }

    // Every setting of device as the simulator holds it now, the password
    // masked, its bytes nowhere; the PDF's text holds each value and the
    // SHA-256 of the JSON file.
    void CheckSettings(const RecordDevice& device, const QString& pdf, const QString& password)
    {
        const QJsonObject held = DeviceValues(device.address);
        QCOMPARE(held.size(), 25);
        QCOMPARE(int(device.settings.size()), 25);
        const QString text = PdfText(pdf);
        for (const RecordSetting& setting : device.settings) {
            QCOMPARE(setting.value, Expected(setting.key, held));
            QVERIFY2(text.contains(ShownSettingName(setting.key)), qPrintable(setting.key));
            if (setting.key != "PASSWORD")
                QVERIFY2(text.contains(setting.value), qPrintable(setting.key));
        }
        if (!password.isEmpty()) {
            QCOMPARE(held["PASSWORD"].toString(), password);
            QVERIFY(!ReadAll(RecordJsonPath(pdf)).contains(password.toUtf8()));
            QVERIFY(!ReadAll(pdf).contains(password.toUtf8()));
            QVERIFY(!text.contains(password));
            QVERIFY(text.contains(LoadResourceString(IDS_RECORD_PASSWORD_SET)));
        }
    }

    // The SHA-256 of the JSON file is the one the PDF and the box give.
    static void CheckSha(const QString& pdf, const QList<Prompt>& shown)
    {
        const QByteArray sha = Sha256Hex(ReadAll(RecordJsonPath(pdf)));
        QCOMPARE(sha.size(), 64);
        QVERIFY2(PdfText(pdf).contains(QString::fromLatin1(sha)), qPrintable(PdfText(pdf)));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].caption, LoadResourceString(IDS_RECORD_CAPTION));
        QVERIFY2(shown[0].text.contains(QString::fromLatin1(sha)), qPrintable(shown[0].text));
#ifdef Q_OS_UNIX
        for (const QString& path : {pdf, RecordJsonPath(pdf)})
            QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther),
                     QFileDevice::Permissions());
#endif
    }

private slots:
    void windowRecordAfterALoadOrASave_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("newSsid"); // empty: a load only
        QTest::newRow("load") << 1 << PASSWORD << QString();
        QTest::newRow("save") << 2 << PASSWORD << "Hall-B-7";
        QTest::newRow("save, no password") << 3 << QString() << "Hall-C";
    }

    // Ctrl+R after a Load or a Save: the note and a name asked for, the PDF
    // and the JSON beside it holding what the device holds.
    void windowRecordAfterALoadOrASave()
    {
        QFETCH(int, device);
        QFETCH(QString, password);
        QFETCH(QString, newSsid);
        REQUIRE_PDF_TEXT();
        QStringList options{"--set", "DEVICEID=Hall B"};
        if (!password.isEmpty())
            options << "--set"
                    << "PASSWORD=" + password;
        SimProcess sim(options, Dotted(device), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        CTolvoConfigDlg dlg;
        dlg.Create(nullptr);
        QVERIFY(ShowActive(&dlg));
        QVERIFY(!dlg.m_recordAction->isEnabled()); // nothing read yet
        dlg.m_deviceAddress = BASE + device;
        dlg.UpdateData(false);
        {
            PromptScript boxes;
            dlg.LoadConfiguration();
            if (!newSsid.isEmpty()) {
                dlg.m_pWiFi->m_ssidEdit->setText(newSsid);
                dlg.SaveConfiguration();
            }
            QCOMPARE(boxes.shown().size(), newSsid.isEmpty() ? 1 : 2);
            QCOMPARE(boxes.shown().last().caption, LoadResourceString(IDS_SUCCESS_CAPTION));
        }
        QVERIFY(dlg.m_recordAction->isEnabled());
        const QString pdf = Pdf(QString("window%1").arg(device));
        FileChoiceScript files;
        files.Answer(pdf);
        PromptScript script;
        AnswerRecordNote(NOTE);
        QTest::keyClick(&dlg, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(files.asked().size(), 1);
        CheckSha(pdf, script.shown());
        const auto record = ReadBack(pdf);
        QVERIFY(record);
        QCOMPARE(record->kind, newSsid.isEmpty() ? RecordKind::Load : RecordKind::Save);
        QCOMPARE(record->note, NOTE);
        QCOMPARE(record->program, QStringLiteral("TolvoSConfig"));
        QCOMPARE(int(record->devices.size()), 1);
        const RecordDevice& entry = record->devices[0];
        QCOMPARE(entry.address, Dotted(device));
        QCOMPARE(entry.deviceName, QStringLiteral("Hall B"));
        CheckSettings(entry, pdf, password);
        const QString text = PdfText(pdf);
        for (const QString& line : NOTE.split('\n'))
            QVERIFY2(text.contains(line), qPrintable(line));
        if (newSsid.isEmpty()) {
            QCOMPARE(entry.outcome, RecordOutcome::Read);
            return;
        }
        // The save: the SSID sent, verified, and the change from the load's.
        QCOMPARE(entry.outcome, RecordOutcome::Verified);
        QCOMPARE(DeviceValues(Dotted(device))["SSID"].toString(), newSsid);
        QCOMPARE(int(entry.changes.size()), 1);
        QCOMPARE(entry.changes[0].key, QStringLiteral("SSID"));
        QCOMPARE(entry.changes[0].after, newSsid);
        for (const RecordSetting& setting : entry.settings)
            if (setting.key == "SSID")
                QCOMPARE(setting.verified, std::optional<bool>(true));
        QVERIFY(text.contains(LoadResourceString(IDS_RECORD_CHANGES_HEADING)));
        // scripts/record-picture.sh shows this record's first page in the README.
        if (const QString keep = qEnvironmentVariable("TOLVO_KEEP_RECORD");
            !keep.isEmpty() && !password.isEmpty())
            QVERIFY(QFile::copy(pdf, keep) || (QFile::remove(keep) && QFile::copy(pdf, keep)));
    }

    void resultsRecordOfASendOrACheck_data()
    {
        QTest::addColumn<bool>("check");
        QTest::addColumn<int>("first");
        QTest::newRow("send") << false << 10;
        QTest::newRow("check") << true << 20;
    }

    // The results window's Save Record: each device's entry, the one that
    // did not answer failed with its reason.
    void resultsRecordOfASendOrACheck()
    {
        QFETCH(bool, check);
        QFETCH(int, first);
        REQUIRE_PDF_TEXT();
        SimProcess sim({"--devices", "2", "--set", "PASSWORD=" + PASSWORD}, Dotted(first),
                       DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const std::vector<uint32_t> addresses{BASE + first, BASE + first + 1, BASE + first + 5};
        SendResultsDlg results(
            nullptr, std::make_unique<SendRun>(addresses, SettingValues{{"SSID", "Site-9"}},
                                               DEVICE_COMMAND_PORT, 2000, 4,
                                               check ? RunKind::Check : RunKind::Send));
        QVERIFY(!results.m_recordButton->isEnabled());
        QVERIFY(
            QTest::qWaitFor([&] { return results.m_recordButton->isEnabled(); }, RUN_TIMEOUT_MS));
        const QString pdf = Pdf(QLatin1String(check ? "check" : "send"));
        FileChoiceScript files;
        files.Answer(pdf);
        PromptScript script;
        AnswerRecordNote(NOTE);
        QTest::mouseClick(results.m_recordButton, Qt::LeftButton);
        CheckSha(pdf, script.shown());
        const auto record = ReadBack(pdf);
        QVERIFY(record);
        QCOMPARE(record->kind, check ? RecordKind::Check : RecordKind::Send);
        QCOMPARE(int(record->devices.size()), 3);
        for (int index = 0; index < 2; ++index) {
            const RecordDevice& device = record->devices[index];
            QCOMPARE(device.address, Dotted(first + index));
            CheckSettings(device, pdf, PASSWORD);
            const std::vector<RecordChange>& listed =
                check ? std::vector<RecordChange>() : device.changes;
            QCOMPARE(device.outcome, check ? RecordOutcome::Differs : RecordOutcome::Verified);
            if (check) {
                QCOMPARE(int(device.differences.size()), 1);
                QCOMPARE(device.differences[0].wanted, QStringLiteral("Site-9"));
                QCOMPARE(DeviceValues(device.address)["SSID"].toString(),
                         device.differences[0].device); // nothing was sent
            } else {
                QCOMPARE(int(listed.size()), 1);
                QCOMPARE(listed[0].after, QStringLiteral("Site-9"));
            }
        }
        const RecordDevice& nobody = record->devices[2];
        QCOMPARE(nobody.outcome, RecordOutcome::Failed);
        QVERIFY(!nobody.error.isEmpty());
        QVERIFY(nobody.settings.empty());
        const QString text = PdfText(pdf);
        QVERIFY(text.contains(Dotted(first + 5)));
        QVERIFY(text.contains(LoadResourceString(IDS_SEND_STATE_FAILED)));
        QVERIFY2(text.contains(LoadResourceString(check ? IDS_RECORD_DIFFERENCES_HEADING
                                                        : IDS_RECORD_CHANGES_HEADING)),
                 qPrintable(text));
    }

    // What the document shows of a record, whatever the device's bytes: the
    // overview before the first device, the verified column only where the
    // run wrote, what a failed write changed, a differing password as
    // "differs", a list's value with the list's text.
    void documentShowsWhatTheRecordHolds_data()
    {
        QTest::addColumn<RecordKind>("kind");
        QTest::addColumn<RecordOutcome>("outcome");
        QTest::addColumn<int>("outcomeWord");
        QTest::addColumn<QList<int>>("shown");   // string ids
        QTest::addColumn<QList<int>>("missing"); // string ids
        QTest::newRow("a check") << RecordKind::Check << RecordOutcome::Differs
                                 << int(IDS_CHECK_STATE_DIFFERS)
                                 << QList<int>{IDS_RECORD_DIFFERENCES_HEADING}
                                 << QList<int>{IDS_RECORD_VERIFIED_COLUMN,
                                               IDS_RECORD_CHANGES_HEADING};
        QTest::newRow("a save that failed after the apply")
            << RecordKind::Save << RecordOutcome::Failed << int(IDS_SEND_STATE_FAILED)
            << QList<int>{IDS_RECORD_CHANGES_HEADING, IDS_RECORD_VERIFIED_COLUMN}
            << QList<int>{IDS_RECORD_DIFFERENCES_HEADING};
        QTest::newRow("a load") << RecordKind::Load << RecordOutcome::Read
                                << int(IDS_RECORD_OUTCOME_READ) << QList<int>{}
                                << QList<int>{IDS_RECORD_VERIFIED_COLUMN,
                                              IDS_RECORD_CHANGES_HEADING,
                                              IDS_RECORD_DIFFERENCES_HEADING};
    }

    void documentShowsWhatTheRecordHolds()
    {
        QFETCH(RecordKind, kind);
        QFETCH(RecordOutcome, outcome);
        QFETCH(int, outcomeWord);
        QFETCH(QList<int>, shown);
        QFETCH(QList<int>, missing);
        CommissioningRecord record = NewRecord("TolvoSConfig", "1.0", kind, NOTE);
        RecordDevice device;
        device.address = device.verifiedAt = "127.0.72.200";
        device.serialNumber = "TS-9";
        device.deviceName = "Hall-7";
        device.outcome = outcome;
        if (outcome == RecordOutcome::Failed)
            device.error = "did not answer";
        device.settings = {{"DHCP", "DHCP mode", "0", std::nullopt},
                           {"PASSWORD", "Password", "********", std::nullopt},
                           {"DEVICEID", "Device Name", "Hall-7", true}};
        if (kind == RecordKind::Save)
            device.changes = {{"DEVICEID", "Tolvo-S", "Hall-7"}};
        if (kind == RecordKind::Check)
            device.differences = {{"PASSWORD", "********", "********"}};
        record.devices = {device, device};
        const QString text = RecordDocument(record, "r.json", QByteArray(64, 'a'))->toPlainText();
        const QString firstDevice =
            LoadResourceString(IDS_RECORD_DEVICE_HEADING).arg(1).arg(2).arg("127.0.72.200");
        const QString overview = text.left(text.indexOf(firstDevice));
        QVERIFY2(overview.contains(LoadResourceString(IDS_RECORD_OVERVIEW_HEADING)) &&
                     overview.count("TS-9") == 2 &&
                     overview.count(LoadResourceString(outcomeWord)) == 2,
                 qPrintable(overview));
        for (const int id : shown)
            QVERIFY2(text.contains(LoadResourceString(id)), qPrintable(LoadResourceString(id)));
        for (const int id : missing)
            QVERIFY2(!text.contains(LoadResourceString(id)), qPrintable(LoadResourceString(id)));
        QVERIFY2(text.contains("0 (" + ShownChoice("DHCP", "0") + ")"), qPrintable(text));
        if (kind == RecordKind::Save)
            QVERIFY(text.contains("Tolvo-S"));
        if (kind == RecordKind::Check) {
            const qsizetype from = text.indexOf(LoadResourceString(IDS_RECORD_DIFFERENCES_HEADING));
            const QString differences =
                text.mid(from, text.indexOf(LoadResourceString(IDS_RECORD_DEVICE_HEADING)
                                                .arg(2)
                                                .arg(2)
                                                .arg("127.0.72.200")) -
                                   from);
            QVERIFY2(differences.contains(LoadResourceString(IDS_CHECK_STATE_DIFFERS)),
                     qPrintable(differences));
        }
    }

    // A file of the JSON's name beside the PDF that is no record (a settings
    // file) is replaced only when the user says so; an earlier record's is
    // replaced with its PDF.
    void aFileBesideIsReplacedOnlyWhenTheUserSaysSo_data()
    {
        QTest::addColumn<QByteArray>("beside");
        QTest::addColumn<bool>("pdfBefore");
        QTest::addColumn<PromptAnswer>("answer"); // none: not asked
        QTest::addColumn<bool>("replaced");
        const QByteArray settings = R"({"format": "tolvo-s-settings", "version": 1})";
        QTest::newRow("a settings file, kept") << settings << false << PromptAnswer::No << false;
        QTest::newRow("a settings file, replaced")
            << settings << false << PromptAnswer::Yes << true;
        QTest::newRow("beside a PDF replaced, yet no record")
            << settings << true << PromptAnswer::No << false;
        QTest::newRow("an earlier record's pair")
            << QByteArray() << true << PromptAnswer::Ok << true;
    }

    void aFileBesideIsReplacedOnlyWhenTheUserSaysSo()
    {
        QFETCH(QByteArray, beside);
        QFETCH(bool, pdfBefore);
        QFETCH(PromptAnswer, answer);
        QFETCH(bool, replaced);
        static int saved = 0;
        const QString pdf = Pdf(QString("beside%1").arg(++saved));
        SendResultsDlg results(nullptr, std::make_unique<SendRun>(std::vector<uint32_t>{BASE + 250},
                                                                  SettingValues{{"CHANNEL", "3"}},
                                                                  DEVICE_COMMAND_PORT, 2000, 1,
                                                                  RunKind::Check));
        QVERIFY(
            QTest::qWaitFor([&] { return results.m_recordButton->isEnabled(); }, RUN_TIMEOUT_MS));
        int notes = 0;
        const auto save = [&](PromptAnswer reply) {
            FileChoiceScript files;
            files.Answer(pdf);
            PromptScript script;
            script.Answer(reply).Answer(PromptAnswer::Ok);
            AnswerRecordNote(NOTE + QString::number(++notes)); // each record its own bytes
            QTest::mouseClick(results.m_recordButton, Qt::LeftButton);
            return script.shown();
        };
        if (beside.isEmpty()) { // an earlier record saved here
            QCOMPARE(save(PromptAnswer::Ok).size(), 1);
            beside = ReadAll(RecordJsonPath(pdf));
        } else {
            QVERIFY(WriteFile(RecordJsonPath(pdf), beside));
            if (pdfBefore)
                QVERIFY(WriteFile(pdf, "%PDF-1.4 earlier"));
        }
        const QList<Prompt> shown = save(answer);
        const bool asked = answer != PromptAnswer::Ok;
        QCOMPARE(shown.size(), asked && !replaced ? 1 : asked ? 2 : 1);
        QCOMPARE(shown[0].text == LoadResourceString(IDS_RECORD_JSON_EXISTS)
                                      .arg(QDir::toNativeSeparators(RecordJsonPath(pdf))),
                 asked);
        QCOMPARE(ReadAll(RecordJsonPath(pdf)) == beside, !replaced);
        QCOMPARE(ReadBack(pdf).has_value(), replaced);
        const QByteArray written = ReadAll(pdf);
        QCOMPARE(written.startsWith("%PDF") && written != "%PDF-1.4 earlier", replaced);
    }

    void converter_data()
    {
        QTest::addColumn<QString>("edit"); // what is done to tolvoctl's record
        QTest::addColumn<int>("status");
        QTest::newRow("tolvoctl's record") << "" << 0;
        QTest::newRow("one byte edited") << "byte" << 0;
        QTest::newRow("the password's value put in") << "password" << 2;
        QTest::newRow("no record") << "garbage" << 2;
        QTest::newRow("PDF in a folder that cannot exist") << "no folder" << 3;
        QTest::newRow("an argument missing") << "arguments" << 2;
        QTest::newRow("the PDF at the record's own path") << "same" << 2;
    }

    // TolvoSConfig --record-pdf makes the PDF without a display, printing
    // nothing; an edited record shows another SHA-256 than tolvoctl printed.
    void converter()
    {
        QFETCH(QString, edit);
        QFETCH(int, status);
        const int device = ++m_converted; // an address of each row's own
        SimProcess sim({"--set", "PASSWORD=" + PASSWORD}, Dotted(device), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString json = m_dir.filePath(QString("tolvoctl%1.json").arg(device));
        const CliRun made = Tolvoctl({"set", Dotted(device), "CHANNEL=11", "--record", json});
        QCOMPARE(made.status, 0);
        const QString printed = QString::fromLatin1(Sha256Hex(ReadAll(json)));
        QVERIFY2(made.out.contains(printed), qPrintable(made.out));
        QByteArray bytes = ReadAll(json);
        if (edit == "byte")
            bytes.replace("\"Tolvo-S\"", "\"Tolvo-T\"");
        else if (edit == "password")
            bytes.replace("\"********\"", "\"hunter22\"");
        else if (edit == "garbage")
            bytes = "{ no json";
        QVERIFY(WriteFile(json, bytes));
        const QString pdf = edit == "no folder" ? m_dir.filePath("missing/out.pdf")
                            : edit == "same"    ? json
                                                : m_dir.filePath(QString("conv%1.pdf").arg(device));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        QProcess converter;
        converter.setProcessEnvironment(environment);
        converter.start(TOLVOSCONFIG_PATH, edit == "arguments"
                                               ? QStringList{"--record-pdf", json}
                                               : QStringList{"--record-pdf", json, pdf});
        QVERIFY(converter.waitForFinished(RUN_TIMEOUT_MS));
        const QString err = QString::fromUtf8(converter.readAllStandardError());
        QCOMPARE(converter.exitCode(), status);
        if (status != 0) {
            QVERIFY(edit == "same" ? ReadAll(json) == bytes : !QFile::exists(pdf));
            QVERIFY2(err.size() > 10, qPrintable(err)); // a sentence
            return;
        }
        QCOMPARE(err, QString());
        QCOMPARE(converter.readAllStandardOutput(), QByteArray());
        REQUIRE_PDF_TEXT();
        const QString text = PdfText(pdf);
        const QString now = QString::fromLatin1(Sha256Hex(ReadAll(json)));
        QVERIFY2(text.contains(now), qPrintable(text));
        QCOMPARE(text.contains(printed), edit.isEmpty());
        QVERIFY(!text.contains(PASSWORD));
        QVERIFY(text.contains(LoadResourceString(IDS_RECORD_KIND_SET)));
    }
};

QTEST_MAIN(TestRecordPdf)
#include "test_record_pdf.moc"
