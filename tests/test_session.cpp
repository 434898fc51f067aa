// The window's session with its device, without the window: Load, Save,
// Import and Export against tolvo-sim, the waiting and asking answered by
// the test.
#include "ConfigSession.h"
#include "DeviceMove.h"
#include "DeviceTask.h"
#include "SessionWait.h"
#include "SettingNames.h"
#include "SimProcess.h"
#include "TaskRunner.h"
#include "TolvoInfo.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

// Each test talks to its own loopback address, on the device's real port.
uint32_t NextDeviceAddress()
{
    static uint32_t last = 0x7F002500; // 127.0.37.0
    return ++last;
}

// Waits in a plain event loop; answers the Retry/Cancel prompt from a list
// and cancels when the task has made the progress asked for.
class TestWait : public SessionWait {
public:
    bool Await(TaskRunner& runner, DeviceTask& task, const QString& label) override
    {
        labels << label;
        QEventLoop loop;
        bool cancelled = false;
        QObject::connect(&runner, &TaskRunner::finished, &loop, &QEventLoop::quit);
        QObject::connect(&task, &DeviceTask::progress, &loop, [&](int done, int) {
            if (cancelAfter < 0 || done < cancelAfter || cancelled)
                return;
            cancelled = true;
            if (cancelDelayMs == 0)
                task.Cancel(); // at once, as a cancel between two exchanges
            else
                QTimer::singleShot(cancelDelayMs, &task, &DeviceTask::Cancel);
        });
        if (runner.running())
            loop.exec();
        return cancelled;
    }
    bool RetryConnect(const QString& details) override
    {
        retryDetails << details;
        return !retries.isEmpty() && retries.takeFirst();
    }

    QList<bool> retries;   // the answers to the prompt, in order; then Cancel
    int cancelAfter = -1;  // exchanges after which the user cancels
    int cancelDelayMs = 0; // and how long after
    QStringList labels;
    QStringList retryDetails;
};

} // namespace

class TestSession : public QObject {
    Q_OBJECT

    QWidget m_host;
    TolvoInfo* m_info = nullptr;
    TolvoWiFi* m_wifi = nullptr;
    TolvoPortSettings* m_ports = nullptr;
    TolvoPortRouting* m_routing = nullptr;
    uint32_t m_address = 0;
    std::unique_ptr<ConfigSession> m_session;

    Pages PageSet() { return {*m_info, *m_wifi, *m_ports, *m_routing}; }

    template <class Page> Page* MakePage()
    {
        auto* page = new Page;
        page->setParent(&m_host, Qt::Widget);
        page->Create(&m_host);
        return page;
    }

    std::unique_ptr<SimProcess> StartSim(QStringList options = {})
    {
        auto sim =
            std::make_unique<SimProcess>(options, DottedText(m_address), DEVICE_COMMAND_PORT);
        return sim->Start() ? std::move(sim) : nullptr;
    }

    LoadOutcome Load(TestWait& wait, int timeoutMs = DEVICE_TIMEOUT_MS)
    {
        return m_session->Load(m_address, timeoutMs, PageSet(), wait);
    }

    // The pages' fields read into their members, as the window's save does.
    void ReadPages()
    {
        for (Dialog* page : PageList(PageSet()))
            QVERIFY(page->UpdateData(true));
    }

    SaveOutcome Save(TestWait& wait)
    {
        ReadPages();
        return m_session->Save(m_address, DEVICE_TIMEOUT_MS, PageSet(), wait);
    }

    QByteArray Held(const char* key) const
    {
        for (const ConfigGroup& group : m_session->configTable())
            for (const ConfigParam& row : group.rows)
                if (QByteArray(row.key) == key)
                    return row.value ? QByteArray::fromStdString(*row.value) : "<none>";
        return "<no row>";
    }

private slots:
    void initTestCase()
    {
        m_info = MakePage<TolvoInfo>();
        m_wifi = MakePage<TolvoWiFi>();
        m_ports = MakePage<TolvoPortSettings>();
        m_routing = MakePage<TolvoPortRouting>();
    }

    void init()
    {
        m_address = NextDeviceAddress();
        m_session = std::make_unique<ConfigSession>();
        m_wifi->m_ssidEdit->clear();
    }

    // What a commissioning record calls each setting is what the pages call
    // it, in English.
    void recordNamesAreThePagesNames()
    {
        const DeviceSettings table;
        for (int group = 0; group < int(table.size()); ++group)
            for (int index = 0; index < table[group].count(); ++index)
                QCOMPARE(EnglishSettingName(QLatin1String(table[group].rows[index].key)),
                         RowName(PageSet(), {group, index}));
        QCOMPARE(EnglishSettingName("NOPE"), QString());
    }

    // A load sends the 25 gets in table order and nothing else, and puts
    // the device's values into the table and onto the pages.
    void loadReadsEveryRowOntoThePages()
    {
        auto sim = StartSim({"--set", "SSID=Site", "--set", "CHANNEL=11abc"});
        QVERIFY(sim);
        TestWait wait;
        const LoadOutcome loaded = Load(wait);
        QCOMPARE(int(loaded.kind), int(LoadOutcome::Kind::Loaded));
        QCOMPARE(m_session->loadedFrom(), std::optional<uint32_t>(m_address));
        QCOMPARE(m_wifi->m_ssidEdit->text(), QString("Site"));
        QCOMPARE(Held("SSID"), QByteArray("Site"));
        QVERIFY(sim->Sync());
        QList<QByteArray> gets;
        for (const ConfigGroup& group : DeviceSettings())
            for (const ConfigParam& row : group.rows)
                gets << WireCommand(QByteArray("get ") + row.key);
        QCOMPARE(sim->Commands(), gets);
        // The channel is shown as near as the field can, and named.
        QCOMPARE(loaded.rows.size(), 1u);
        QCOMPARE(loaded.rows.front().held, QString("11abc"));
        QCOMPARE(m_session->deviceValueRows().size(), 1u);
        QCOMPARE(m_session->transcript().lines().filter(" SEND get ").size(), 25);
        QCOMPARE(wait.labels, QStringList{"Reading the settings from " + DottedText(m_address)});
    }

    // A failed load says why, in a sentence that quotes the bound the load
    // waited with, and changes neither the table nor the pages.
    void failedLoadChangesNothing_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<QString>("reason");
        QTest::newRow("silent, 1.5 s")
            << QStringList{"--silent"} << 1500 << "The device did not answer within 1.5 seconds.";
        QTest::newRow("silent, 2 s")
            << QStringList{"--silent"} << 2000 << "The device did not answer within 2 seconds.";
        QTest::newRow("over-long reply") << QStringList{"--long-reply", "SSID"} << 5000
                                         << "The device sent a reply longer than 1024 bytes.";
    }

    void failedLoadChangesNothing()
    {
        QFETCH(QStringList, options);
        QFETCH(int, timeoutMs);
        QFETCH(QString, reason);
        auto sim = StartSim(options);
        QVERIFY(sim);
        TestWait wait;
        const LoadOutcome loaded = Load(wait, timeoutMs);
        QCOMPARE(int(loaded.kind), int(LoadOutcome::Kind::Failed));
        QCOMPARE(loaded.failure, reason);
        QVERIFY(!m_session->loadedFrom());
        QCOMPARE(Held("SERIALN"), QByteArray("<none>"));
        QCOMPARE(m_wifi->m_ssidEdit->text(), QString());
        QVERIFY(!m_session->transcript().lines().isEmpty());
    }

    // With no device to connect to, the user is asked whether to try again,
    // as often as they answer Retry; Cancel ends the load with nothing done.
    void noConnectionAsksToRetry_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::newRow("cancel at once") << QList<bool>{};
        QTest::newRow("retry twice, then cancel") << QList<bool>{true, true};
    }

    void noConnectionAsksToRetry()
    {
        QFETCH(QList<bool>, answers);
        TestWait wait;
        wait.retries = answers;
        const LoadOutcome loaded = Load(wait); // nothing listens on this address
        QCOMPARE(int(loaded.kind), int(LoadOutcome::Kind::Cancelled));
        QCOMPARE(wait.retryDetails.size(), answers.size() + 1);
        QCOMPARE(wait.labels.size(), answers.size() + 1);
        QVERIFY(wait.retryDetails.last().contains(DottedText(m_address)));
        QVERIFY(!m_session->loadedFrom());
    }

    // A cancel while reading ends the load with the pages as they were.
    void cancelledLoadChangesNothing()
    {
        auto sim = StartSim({"--delay", "20"});
        QVERIFY(sim);
        TestWait wait;
        wait.cancelAfter = 3;
        QCOMPARE(int(Load(wait).kind), int(LoadOutcome::Kind::Cancelled));
        QVERIFY(!m_session->loadedFrom());
        QCOMPARE(m_wifi->m_ssidEdit->text(), QString());
        QVERIFY(sim->Sync());
        QVERIFY(sim->Commands().size() < 25);
    }

    // A save sends no get before its sets: the 23 sets in table order, the
    // apply, then reads every writable row back. Its outcome names what
    // changed, and the table holds what the device read back.
    void saveSendsTheSetsThenReadsBack()
    {
        auto sim = StartSim();
        QVERIFY(sim);
        TestWait wait;
        QCOMPARE(int(Load(wait).kind), int(LoadOutcome::Kind::Loaded));
        QVERIFY(sim->Sync());
        const qsizetype loadCommands = sim->Commands().size();
        m_wifi->m_ssidEdit->setText("Changed");
        const SaveOutcome saved = Save(wait);
        QCOMPARE(int(saved.kind), int(SaveOutcome::Kind::Saved));
        QCOMPARE(saved.changed.value_or(QStringList{"unknown"}),
                 QStringList{m_wifi->m_ssidEdit->accessibleName()});
        QVERIFY(sim->Sync());
        const QList<QByteArray> sent = sim->Commands().mid(loadCommands);
        QCOMPARE(sent.size(), 23 + 1 + 23);
        for (int i = 0; i < 23; ++i)
            QVERIFY2(sent[i].startsWith("set "), sent[i].constData());
        QCOMPARE(sent[0], WireCommand("set SSID Changed"));
        QCOMPARE(sent[23], WireCommand("set CONFIGURE"));
        for (int i = 24; i < sent.size(); ++i)
            QVERIFY2(sent[i].startsWith("get "), sent[i].constData());
        QCOMPARE(Held("SSID"), QByteArray("Changed"));
        // A second save of the same pages changes nothing on the device.
        QCOMPARE(Save(wait).changed.value_or(QStringList{"unknown"}), QStringList());
    }

    // Every way a save can end short of "saved" is told apart.
    void saveThatIsNotSavedSaysHow_data()
    {
        using Kind = SaveOutcome::Kind;
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("saveOptions"); // a device started again for the save
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("a set not kept") << QStringList{"--ignore-set", "SSID"} << QStringList{}
                                        << int(Kind::NotKept) << QStringList{"SSID"};
        QTest::newRow("apply unanswered")
            << QStringList{"--apply-unanswered", "close"} << QStringList{}
            << int(Kind::ApplyUnconfirmed) << QStringList{};
        QTest::newRow("no read-back") << QStringList{"--close-after-apply"} << QStringList{}
                                      << int(Kind::ReadBackFailed) << QStringList{};
        QTest::newRow("a row left out, changed by the apply")
            << QStringList{"--set", "CHANNEL=11abc", "--pending", "CHANNEL=5"} << QStringList{}
            << int(Kind::UnsentChanged) << QStringList{"CHANNEL"};
        QTest::newRow("closed while sending") << QStringList{} << QStringList{"--close-after", "5"}
                                              << int(Kind::NotApplied) << QStringList{};
    }

    void saveThatIsNotSavedSaysHow()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, saveOptions);
        QFETCH(int, kind);
        QFETCH(QStringList, keys);
        auto sim = StartSim(options);
        QVERIFY(sim);
        TestWait wait;
        QCOMPARE(int(Load(wait).kind), int(LoadOutcome::Kind::Loaded));
        if (!saveOptions.isEmpty()) {
            sim.reset();
            sim = StartSim(saveOptions);
            QVERIFY(sim);
        }
        // (A new SSID may move the device: see saveFollowsAMovedDevice.)
        const bool ssid = keys.contains("SSID");
        const QByteArray before = Held(ssid ? "SSID" : "DEVICEID");
        (ssid ? m_wifi->m_ssidEdit : m_wifi->m_deviceNameEdit)->setText("Changed");
        const SaveOutcome saved = Save(wait);
        QCOMPARE(int(saved.kind), kind);
        QCOMPARE(saved.keys, keys);
        QVERIFY(saved.sentSomething);
        // (Under Wine, a close that comes with a reply is seen only at the
        // time-out: docs/windows.md.)
        if (kind == int(SaveOutcome::Kind::NotApplied))
            QVERIFY2(saved.failure == "The device closed the connection." ||
                         (IsWine() && saved.failure.contains("did not answer within 5 seconds")),
                     qPrintable(saved.failure));
        // Unless read back, the table keeps what the device was known to hold.
        if (kind != int(SaveOutcome::Kind::NotKept) &&
            kind != int(SaveOutcome::Kind::UnsentChanged))
            QCOMPARE(Held(ssid ? "SSID" : "DEVICEID"), before);
    }

    // Settings loaded from one device and saved to another are copied: a
    // row left out there is compared with nothing the load read, so it is
    // no unsent change; the table stays that of the device loaded.
    void saveToAnotherDeviceCopiesTheSettings()
    {
        auto source = StartSim({"--set", "CHANNEL=11abc"});
        QVERIFY(source);
        TestWait wait;
        QCOMPARE(int(Load(wait).kind), int(LoadOutcome::Kind::Loaded));
        const uint32_t loaded = m_address;
        m_address = NextDeviceAddress();
        auto target = StartSim({"--set", "CHANNEL=3"});
        QVERIFY(target);
        const SaveOutcome saved = Save(wait);
        QCOMPARE(int(saved.kind), int(SaveOutcome::Kind::Saved));
        QCOMPARE(saved.kept.size(), 1); // the channel: the target keeps its own
        QCOMPARE(m_session->loadedFrom(), std::optional<uint32_t>(loaded));
        QCOMPARE(Held("CHANNEL"), QByteArray("11abc"));
        QVERIFY(target->Sync());
        QVERIFY(!target->Commands().contains(WireCommand("set CHANNEL 11")));
    }

    // Settings that move the device: it is read back where it answers
    // after the apply, and that is where the session counts it loaded from;
    // one that answers nowhere is neither saved nor failed, and says where
    // to look.
    void saveFollowsAMovedDevice_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("field"); // the WiFi page's field edited
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("says"); // of the outcome's failure
        const QStringList moves{"--move-after", "100"};
        QTest::newRow("a new static address") << moves << "ip"
                                              << "+1" << true << QString();
        QTest::newRow("another network")
            << moves + QStringList{"--leave-on-network-change"} << "ssid"
            << "Site" << false << "join the device to another network";
        QTest::newRow("DHCP on") << moves + QStringList{"--dhcp-range", "127.0.38.1-127.0.38.9"}
                                 << "dhcp"
                                 << "1" << false << "its DHCP server chooses";
        QTest::newRow("a new address, a restart longer than the wait")
            << QStringList{"--move-after", "10000"} << "ip"
            << "+1" << false << "look for it at";
    }

    void saveFollowsAMovedDevice()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, found);
        QFETCH(QString, says);
        // The simulator's own address is its IP address setting.
        const uint32_t old = m_address;
        auto sim = StartSim(options << "--set"
                                    << "IPADDRESS=" + DottedText(old));
        QVERIFY(sim);
        TestWait wait;
        QCOMPARE(int(Load(wait).kind), int(LoadOutcome::Kind::Loaded));
        uint32_t moved = old;
        if (field == "ip") {
            moved = old + 1;
            m_wifi->m_ipAddress = moved;
            m_wifi->UpdateData(false);
        } else if (field == "ssid") {
            m_wifi->m_ssidEdit->setText(value);
        } else {
            m_wifi->m_dhcpIndex = value.toInt();
            m_wifi->UpdateData(false);
        }
        m_session->SetMoveWait(2000);
        const SaveOutcome saved = Save(wait);
        if (found) {
            QCOMPARE(int(saved.kind), int(SaveOutcome::Kind::Saved));
            QCOMPARE(DottedText(saved.verifiedAt), DottedText(moved));
            QCOMPARE(m_session->loadedFrom(), std::optional<uint32_t>(moved));
            m_address = moved; // the next load reaches it there
            QCOMPARE(int(Load(wait).kind), int(LoadOutcome::Kind::Loaded));
            QCOMPARE(Held("IPADDRESS"), DottedText(moved).toLatin1());
        } else {
            QCOMPARE(int(saved.kind), int(SaveOutcome::Kind::NotSeen));
            QVERIFY2(saved.failure.contains(says), qPrintable(saved.failure));
            QVERIFY(saved.failure.contains(DottedText(old)));
            QCOMPARE(m_session->loadedFrom(), std::optional<uint32_t>(old));
            // Nothing was sent once the apply moved it.
            QCOMPARE(sim->Commands().last(), WireCommand("set CONFIGURE"));
        }
    }

    // Which settings move a device, as what their values mean.
    void moveOfTheSettingsSent_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("kind");
        using Kind = DeviceMove::Kind;
        QTest::newRow("DHCP on, written 01") << "DHCP"
                                             << "01" << int(Kind::Dhcp);
        QTest::newRow("network type, written 00") << "NTYPE"
                                                  << "00" << int(Kind::None);
        QTest::newRow("the same address, a leading zero") << "IPADDRESS"
                                                          << "127.0.37.005" << int(Kind::None);
        QTest::newRow("a new address") << "IPADDRESS"
                                       << "127.0.37.6" << int(Kind::NewAddress);
        QTest::newRow("a new mask") << "IPMASK"
                                    << "255.255.0.0" << int(Kind::SameAddress);
        QTest::newRow("a new SSID") << "SSID"
                                    << "Site" << int(Kind::OtherNetwork);
        QTest::newRow("the device name") << "DEVICEID"
                                         << "Other" << int(Kind::None);
    }

    void moveOfTheSettingsSent()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, kind);
        DeviceSettings before;
        for (const auto& [held, text] : {std::pair{"DHCP", "0"},
                                         {"NTYPE", "0"},
                                         {"IPADDRESS", "127.0.37.5"},
                                         {"IPMASK", "255.255.255.0"},
                                         {"SSID", "TolvoNet"},
                                         {"DEVICEID", "Tolvo-S"}})
            before.SetByKey(held, text);
        DeviceSettings sent;
        sent.SetByKey(key.toStdString(), value.toStdString());
        QCOMPARE(int(MoveOf(before, sent).kind), kind);
    }

    // After a confirmed apply, a read where the moved device is looked for
    // that fails does not say the apply was not sent.
    void aFailedReadAfterAMoveSaysTheApplyWentOut()
    {
        const uint32_t old = m_address;
        const uint32_t moved = NextDeviceAddress();
        m_address = moved;
        auto silent = StartSim({"--silent"}); // holds the new address, answers nothing
        QVERIFY(silent);
        m_address = old;
        auto sim = StartSim({"--move-after", "100", "--set", "IPADDRESS=" + DottedText(old)});
        QVERIFY(sim);
        TestWait wait;
        QCOMPARE(int(Load(wait).kind), int(LoadOutcome::Kind::Loaded));
        m_wifi->m_ipAddress = moved;
        m_wifi->UpdateData(false);
        m_session->SetMoveWait(3000);
        const SaveOutcome saved = Save(wait);
        QCOMPARE(int(saved.kind), int(SaveOutcome::Kind::ReadBackFailed));
    }

    // A cancel during the sets says that settings went out, unapplied.
    void cancelledSaveSaysWhatWasSent()
    {
        auto sim = StartSim({"--delay", "20"});
        QVERIFY(sim);
        TestWait wait;
        QCOMPARE(int(Load(wait).kind), int(LoadOutcome::Kind::Loaded));
        wait.cancelAfter = 3;
        const SaveOutcome saved = Save(wait);
        QCOMPARE(int(saved.kind), int(SaveOutcome::Kind::Cancelled));
        QVERIFY(saved.sentSomething);
        QVERIFY(sim->Sync());
        QVERIFY(sim->LogLines("# applied").isEmpty());
    }

    // A cancel while the device has not yet answered the apply command does
    // not say that the apply was not sent: it was, and may have been applied.
    void cancelAtTheApplySaysItWasSent()
    {
        auto sim = StartSim({"--apply-unanswered", "silent"});
        QVERIFY(sim);
        TestWait wait;
        QCOMPARE(int(Load(wait).kind), int(LoadOutcome::Kind::Loaded));
        m_wifi->m_deviceNameEdit->setText("Changed");
        wait.cancelAfter = 23; // every set answered: the apply goes out
        wait.cancelDelayMs = 300;
        const SaveOutcome saved = Save(wait);
        QCOMPARE(int(saved.kind), int(SaveOutcome::Kind::ApplyUnconfirmed));
        QVERIFY(sim->Sync());
        QVERIFY(sim->Commands().contains(WireCommand("set CONFIGURE")));
    }

    // A task cancelled before it runs (as a runner holds one back while no
    // descriptor is free) sends nothing once it is run.
    void taskCancelledBeforeItRunsSendsNothing()
    {
        auto sim = StartSim();
        QVERIFY(sim);
        DeviceTask task(m_address, DEVICE_COMMAND_PORT, DEVICE_TIMEOUT_MS);
        task.ConnectAndRead(task.before);
        task.Cancel();
        QSignalSpy done(&task, &DeviceTask::done);
        task.Run();
        QVERIFY(done.wait());
        QCOMPARE(int(task.failure()), int(DEVICE_CANCELLED));
        QVERIFY(SimIdle(*sim));
    }

    // Export writes the pages' settings; Import puts a file's onto the pages,
    // refusing a file that holds a device's error reply.
    void exportThenImport()
    {
        auto sim = StartSim({"--set", "SERIALN=A123"});
        QVERIFY(sim);
        TestWait wait;
        QCOMPARE(int(Load(wait).kind), int(LoadOutcome::Kind::Loaded));
        m_wifi->m_ssidEdit->setText("Exported");
        ReadPages();
        const std::optional<PageSettings> settings = m_session->CheckedPages(PageSet());
        QVERIFY(settings);
        QTemporaryDir dir;
        const QString path = dir.filePath("site.json");
        QCOMPARE(ConfigSession::Export(*settings, path), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("\"SSID\": \"Exported\""));
        file.close();

        m_wifi->m_ssidEdit->setText("Other");
        ImportOutcome imported = m_session->Import(path, PageSet());
        QVERIFY(imported.imported);
        QCOMPARE(imported.count, 23);
        QCOMPARE(m_wifi->m_ssidEdit->text(), QString("Exported"));
        QCOMPARE(imported.fileSerial, QString());       // the same device
        QCOMPARE(Held("SSID"), QByteArray("TolvoNet")); // the table is the device's

        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        bytes.replace("\"SSID\": \"Exported\"", "\"SSID\": \"ERROR\"");
        QVERIFY(file.resize(0) && file.write(bytes) == bytes.size());
        file.close();
        m_wifi->m_ssidEdit->setText("Kept");
        imported = m_session->Import(path, PageSet());
        QVERIFY(!imported.imported);
        QVERIFY(imported.problems.join(' ').contains("SSID"));
        QCOMPARE(m_wifi->m_ssidEdit->text(), QString("Kept"));
    }
};

QTEST_MAIN(TestSession)
#include "test_session.moc"
