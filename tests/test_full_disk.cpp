// The fault class "a full filesystem": every file the programs write, on a
// disk that takes no more. A good file stays as it was, the failure names the
// file and the system's reason, and nothing is said to be saved. The disk is
// a small tmpfs in a mount namespace of the test's own (Linux, as root);
// where none can be made those tests skip, and a folder that cannot exist
// (its parent is a file) stands in for the disk, under Wine too.
#include "CTolvoConfigDlg.h"
#include "CliRun.h"
#include "ConfigTable.h"
#include "DialogTemplate.h"
#include "FileChooser.h"
#include "GuiTest.h"
#include "IpAddressCtrl.h"
#include "Profile.h"
#include "ProfileKeys.h"
#include "ProfileNotice.h"
#include "Prompts.h"
#include "RecordFiles.h"
#include "RecordTest.h"
#include "SendResultsDlg.h"
#include "SimProcess.h"
#include "SmallDisk.h"
#include "StringIds.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

constexpr uint32_t DEVICE = 0x7F008401; // 127.0.132.1; ten devices from 127.0.132.11
constexpr uint32_t TEN = 0x7F00840B;
constexpr uint32_t NOBODY = 0x7F0084FE; // nothing listens there
const QString NO_SPACE = QStringLiteral("No space left on device");
// Where a file cannot be made on any system: under a file.
const QString NOT_A_FOLDER = QStringLiteral("not-a-folder");

QString Dotted(uint32_t address)
{
    return QString::fromStdString(FormatDottedAddress(address));
}

QJsonObject Json(const CliRun& run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// The results of a run to a device that never answers, once it ended.
std::unique_ptr<SendResultsDlg> FinishedResults(RunKind kind)
{
    auto results = std::make_unique<SendResultsDlg>(
        nullptr,
        std::make_unique<SendRun>(std::vector<uint32_t>{NOBODY}, SettingValues{{"CHANNEL", "3"}},
                                  DEVICE_COMMAND_PORT, 2000, 1, kind));
    if (!QTest::qWaitFor([&] { return results->m_reportButton->isEnabled(); }, 30000))
        return {};
    return results;
}

// The window, loaded from the simulator; false where it could not start.
bool LoadWindow(CTolvoConfigDlg& dlg, SimProcess& sim)
{
    if (!sim.Start())
        return false;
    dlg.Create(nullptr);
    dlg.m_deviceAddress = DEVICE;
    dlg.UpdateData(false);
    PromptScript loaded;
    dlg.LoadConfiguration();
    return true;
}

// What a data row's writer wrote where it could not: a settings file the
// window exports, or the report of sending to many or of checking them.
QList<Prompt> WindowWrite(const QString& writer, const QString& path, SimProcess& sim)
{
    FileChoiceScript files;
    files.Answer(path);
    if (writer != "export") {
        const auto results =
            FinishedResults(writer == "check report" ? RunKind::Check : RunKind::Send);
        if (!results)
            return {};
        PromptScript script;
        results->SaveReport();
        return script.shown();
    }
    CTolvoConfigDlg dlg;
    if (!LoadWindow(dlg, sim))
        return {};
    PromptScript script;
    dlg.ExportSettings();
    return script.shown();
}

// A commissioning record saved to pdf from the window after a Load
// ("window") or from a check's results ("results"); the boxes shown.
QList<Prompt> RecordWrite(const QString& from, const QString& pdf, SimProcess& sim)
{
    FileChoiceScript files;
    files.Answer(pdf);
    if (from == "results") {
        const auto results = FinishedResults(RunKind::Check);
        if (!results)
            return {};
        PromptScript script;
        AnswerRecordNote("full");
        results->SaveRecord();
        return script.shown();
    }
    CTolvoConfigDlg dlg;
    if (!LoadWindow(dlg, sim))
        return {};
    PromptScript script;
    AnswerRecordNote("full");
    dlg.SaveSessionRecord();
    return script.shown();
}

} // namespace

class TestFullDisk : public QObject {
    Q_OBJECT

public:
    explicit TestFullDisk(QString noMounts) : m_noMounts(std::move(noMounts)) {}

private:
    const QString m_noMounts; // why no disk can be mounted; empty where one can
    QTemporaryDir m_dir;
    QString m_disk; // each test's own, full or not as the test makes it
    int m_disks = 0;

    QString OnDisk(const QString& name) const { return m_disk + "/" + name; }

private slots:
    void initTestCase() { QVERIFY(WriteFile(m_dir.filePath(NOT_A_FOLDER), "a file")); }

    void init()
    {
        m_disk = m_dir.filePath(QString("disk%1").arg(++m_disks));
        QVERIFY(m_noMounts.isEmpty() ? MountSmallDisk(m_disk) : QDir().mkpath(m_disk));
    }

    void cleanup()
    {
        if (m_noMounts.isEmpty())
            Unmount(m_disk);
        ResetProfileRoot();
        NoteProfileWrite(nullptr, true); // as a write that succeeded: the next failure is said
    }

    void aBackupOnAFullDiskKeepsTheGoodOne_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("option");
        QTest::newRow("a file") << "one.json"
                                << "--force";
        QTest::newRow("a folder") << "folder/"
                                  << "--force";
        QTest::newRow("a history") << "history"
                                   << "--history";
    }

    // With a history, the lock file takes the last page, so that the folder
    // can be taken and only the device's file finds no room.
    void aBackupOnAFullDiskKeepsTheGoodOne()
    {
        QFETCH(QString, target);
        QFETCH(QString, option);
        if (!m_noMounts.isEmpty())
            QSKIP(qPrintable(m_noMounts));
        const bool history = option == "--history";
        if (history && QStandardPaths::findExecutable("git").isEmpty())
            QSKIP("no git program here");
        SimProcess sim({}, Dotted(DEVICE), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QStringList backup{"backup", Dotted(DEVICE), "-o", OnDisk(target), option};
        const CliRun first = Tolvoctl(backup + QStringList{"--json"});
        QCOMPARE(first.status, 0);
        const QString file = Json(first)["devices"][0]["file"].toString();
        const QByteArray good = ReadAll(file);
        QVERIFY2(good.contains("\"DEVICEID\""), good.constData());
        QCOMPARE(Tolvoctl({"set", Dotted(DEVICE), "DEVICEID=Changed"}).status, 0);
        QVERIFY(FillDisk(m_disk, history ? 1 : 0));

        const CliRun text = Tolvoctl(backup);
        const QString said = text.out + text.err;
        QCOMPARE(text.status, 3);
        QVERIFY2(said.contains("Cannot write " + file + ": " + NO_SPACE), qPrintable(said));
        QVERIFY2(said.contains("0 of 1 devices succeeded") && !said.contains("saved"),
                 qPrintable(said));
        QCOMPARE(ReadAll(file), good);
        const CliRun json = Tolvoctl(backup + QStringList{"--json"});
        QCOMPARE(json.status, 3);
        const QJsonObject device = Json(json)["devices"][0].toObject();
        QCOMPARE(device["ok"], QJsonValue(false));
        QCOMPARE(device["file"], QJsonValue(QString())); // no file holds this backup
        QVERIFY(device["fileError"].toString().contains(NO_SPACE));
        QCOMPARE(Json(json)["succeeded"].toInt(), 0);
        QCOMPARE(ReadAll(file), good);
        if (history) {
            QVERIFY2(said.contains("History: nothing changed in the files written"),
                     qPrintable(said));
            QCOMPARE(Git(OnDisk(target), {"rev-list", "--count", "HEAD"}), QString("1"));
            QCOMPARE(Git(OnDisk(target), {"status", "--porcelain"}), QString());
        }
    }

    // Room for two files: each device said to be backed up has its whole
    // file, each other one says why it has none.
    void tenDevicesOnASmallDiskAreNotTenOfTen()
    {
        if (!m_noMounts.isEmpty())
            QSKIP(qPrintable(m_noMounts));
        SimProcess sims({"--devices", "10"}, Dotted(TEN), DEVICE_COMMAND_PORT);
        QVERIFY(sims.Start());
        QStringList addresses;
        for (uint32_t i = 0; i < 10; ++i)
            addresses << Dotted(TEN + i);
        QVERIFY(FillDisk(m_disk, 2));
        for (const bool json : {false, true}) {
            const QString dir = OnDisk(json ? "json" : "text");
            QStringList arguments = QStringList{"backup"} + addresses + QStringList{"-o", dir};
            if (json)
                arguments << "--json";
            const CliRun run = Tolvoctl(arguments);
            QCOMPARE(run.status, 3);
            const QStringList files = QDir(dir).entryList(QDir::Files | QDir::Hidden);
            for (const QString& name : files) {
                const QJsonObject held =
                    QJsonDocument::fromJson(ReadAll(dir + "/" + name)).object();
                QCOMPARE(held["settings"].toObject().size(), 23);
                QCOMPARE(held["device"]["serialNumber"].toString() + ".json", name);
            }
            QVERIFY(files.size() < 10);
            if (!json) {
                QVERIFY2(run.out.contains(QString("%1 of 10 devices succeeded").arg(files.size())),
                         qPrintable(run.out));
                QCOMPARE(run.out.count(NO_SPACE), 10 - files.size());
            } else {
                QStringList named;
                for (const QJsonValue device : Json(run)["devices"].toArray()) {
                    if (device["ok"].toBool())
                        named << QFileInfo(device["file"].toString()).fileName();
                    else
                        QVERIFY(device["fileError"].toString().contains(NO_SPACE) &&
                                device["file"].toString().isEmpty());
                }
                named.sort();
                QCOMPARE(named, files);
                QCOMPARE(Json(run)["succeeded"].toInt(), files.size());
            }
            QVERIFY(QDir(dir).removeRecursively()); // room for the next run
        }
    }

    void outputRedirectedToAFullDiskIsAFailure()
    {
        if (!m_noMounts.isEmpty())
            QSKIP(qPrintable(m_noMounts));
        SimProcess sim({}, Dotted(DEVICE), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        QVERIFY(FillDisk(m_disk, 0));
        QProcess tolvoctl;
        tolvoctl.setStandardOutputFile(OnDisk("values.json"));
        tolvoctl.start(TOLVOCTL_PATH, {"get", Dotted(DEVICE), "--json"});
        QVERIFY(tolvoctl.waitForFinished(60000));
        QCOMPARE(tolvoctl.exitCode(), 3);
        const QString err = QString::fromUtf8(tolvoctl.readAllStandardError());
        QVERIFY2(err.contains("Cannot write standard output: " + NO_SPACE), qPrintable(err));
    }

    // Where no disk can be filled (Wine), a file that cannot be made at all.
    void aBackupThatCannotBeWrittenNamesNoFile()
    {
        SimProcess sim({}, Dotted(DEVICE), DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString path = m_dir.filePath(NOT_A_FOLDER + "/one.json");
        const CliRun run = Tolvoctl({"backup", Dotted(DEVICE), "-o", path, "--json"});
        QCOMPARE(run.status, 3);
        const QJsonObject device = Json(run)["devices"][0].toObject();
        QCOMPARE(device["ok"], QJsonValue(false));
        QCOMPARE(device["file"], QJsonValue(QString()));
        QVERIFY2(device["fileError"].toString().startsWith("Cannot write " + path + ": "),
                 qPrintable(device["fileError"].toString()));
    }

    void windowFilesThatCannotBeWrittenAreSaidSo_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<bool>("full"); // a full disk, or a folder that cannot exist
        for (const char* writer : {"export", "report", "check report"}) {
            QTest::addRow("%s, full disk", writer) << writer << true;
            QTest::addRow("%s, no folder", writer) << writer << false;
        }
    }

    // A failure box naming the file and why, and the old file as it was.
    void windowFilesThatCannotBeWrittenAreSaidSo()
    {
        QFETCH(QString, writer);
        QFETCH(bool, full);
        if (full && !m_noMounts.isEmpty())
            QSKIP(qPrintable(m_noMounts));
        const QString path =
            full ? OnDisk("kept.file") : m_dir.filePath(NOT_A_FOLDER + "/new.file");
        if (full) {
            QVERIFY(WriteFile(path, "the old file"));
            QVERIFY(FillDisk(m_disk, 0));
        }
        SimProcess sim({}, Dotted(DEVICE), DEVICE_COMMAND_PORT);
        const QList<Prompt> shown = WindowWrite(writer, path, sim);
        QCOMPARE(shown.size(), 1);
        const int caption =
            writer == "export" ? IDS_EXPORT_FAILED_CAPTION : IDS_SEND_REPORT_FAILED_CAPTION;
        QCOMPARE(shown[0].caption, LoadResourceString(caption));
        QCOMPARE(shown[0].icon, PromptIcon::Error);
        QVERIFY2(shown[0].text.startsWith("Cannot write " + path + ": "),
                 qPrintable(shown[0].text));
        if (full) {
            QVERIFY2(shown[0].text.contains(NO_SPACE), qPrintable(shown[0].text));
            QCOMPARE(ReadAll(path), QByteArray("the old file"));
        }
    }

    void recordThatCannotBeWrittenKeepsTheEarlierPair_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("room"); // pages left on the disk; -1: a folder that cannot exist
        QTest::addColumn<bool>("pdfFails"); // the JSON document fits, the PDF not
        for (const char* from : {"window", "results"}) {
            QTest::addRow("%s, full disk", from) << from << 0 << false;
            QTest::addRow("%s, room for the JSON only", from) << from << 2 << true;
            QTest::addRow("%s, no folder", from) << from << -1 << false;
        }
    }

    // A record's PDF and JSON are written both or neither: the box names the
    // file that did not fit, and an earlier pair stays as it was.
    void recordThatCannotBeWrittenKeepsTheEarlierPair()
    {
        QFETCH(QString, from);
        QFETCH(int, room);
        QFETCH(bool, pdfFails);
        if (room >= 0 && !m_noMounts.isEmpty())
            QSKIP(qPrintable(m_noMounts));
        const QString pdf =
            room >= 0 ? OnDisk("site.pdf") : m_dir.filePath(NOT_A_FOLDER + "/site.pdf");
        const QString json = RecordJsonPath(pdf);
        // An earlier record's pair, which a new record replaces.
        const QByteArray oldJson =
            RecordJson(NewRecord("TolvoSConfig", "1.0", RecordKind::Load, "the old record"));
        if (room >= 0) {
            QVERIFY(WriteFile(pdf, "the old PDF"));
            QVERIFY(WriteFile(json, oldJson));
            QVERIFY(FillDisk(m_disk, room));
        }
        SimProcess sim({}, Dotted(DEVICE), DEVICE_COMMAND_PORT);
        const QList<Prompt> shown = RecordWrite(from, pdf, sim);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].caption, LoadResourceString(IDS_RECORD_FAILED_CAPTION));
        QCOMPARE(shown[0].icon, PromptIcon::Error);
        QVERIFY2(shown[0].text.startsWith("Cannot write " + (pdfFails ? pdf : json) + ": "),
                 qPrintable(shown[0].text));
        if (room < 0) {
            QVERIFY(!QFile::exists(pdf) && !QFile::exists(json));
            return;
        }
        QVERIFY2(shown[0].text.contains(NO_SPACE), qPrintable(shown[0].text));
        QCOMPARE(ReadAll(pdf), QByteArray("the old PDF"));
        QCOMPARE(ReadAll(json), oldJson);
    }

    void profileThatCannotBeWrittenIsSaidOnce_data()
    {
        QTest::addColumn<bool>("full");
        QTest::newRow("full disk") << true;
        QTest::newRow("no folder") << false;
    }

    // The address is written at every key: one box, and the old profile.
    void profileThatCannotBeWrittenIsSaidOnce()
    {
        QFETCH(bool, full);
#ifdef Q_OS_WIN
        QSKIP("the profile is in the registry on Windows");
#endif
        if (full && !m_noMounts.isEmpty())
            QSKIP(qPrintable(m_noMounts));
        const QString folder = full ? OnDisk("profile") : m_dir.filePath(NOT_A_FOLDER + "/profile");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        SetRegistryKey("Full Disk Test");
        const int32_t before = int32_t(DEVICE);
        QCOMPARE(WriteProfileInt(PROFILE_SECTION, PROFILE_ENTRY, before), full);
        const QByteArray held = ReadAll(ProfileLocation());
        QCOMPARE(held.contains(QByteArray::number(before)), full);
        if (full)
            QVERIFY(FillDisk(m_disk, 0));
        CTolvoConfigDlg dlg;
        dlg.Create(nullptr);
        PromptScript script;
        QLineEdit* first =
            dlg.ControlAs<IpAddressCtrl>(CTolvoConfigDlg::IDC_DEVICE_ADDRESS)->field(0);
        first->selectAll();
        QTest::keyClicks(first, "12");
        QTRY_COMPARE(script.shown().size(), 1);
        QTest::keyClicks(first, "7");
        QTest::qWait(50);
        QCOMPARE(script.shown().size(), 1);
        const Prompt& said = script.shown()[0];
        QCOMPARE(said.caption, LoadResourceString(IDS_PROFILE_FAILED_CAPTION));
        QVERIFY2(said.text.contains(ProfileLocation()), qPrintable(said.text));
        QCOMPARE(ReadAll(ProfileLocation()), held);
    }
};

int main(int argc, char* argv[])
{
    const QString noMounts = OwnMountNamespace(); // before any thread
    QApplication app(argc, argv);
    TestFullDisk test(noMounts);
    return QTest::qExec(&test, argc, argv);
}

#include "test_full_disk.moc"
