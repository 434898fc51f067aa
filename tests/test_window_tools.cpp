// The window's tools end to end against tolvo-sim: finding devices, settings
// files, the marks of changed fields, transcripts, and device values the
// pages cannot show as they are.
#include "CTolvoConfigDlg.h"
#include "ConfigTable.h"
#include "ControlValue.h"
#include "FieldMarks.h"
#include "FileChooser.h"
#include "FindDevicesDlg.h"
#include "GuiTest.h"
#include "IpAddressCtrl.h"
#include "Profile.h"
#include "ProfileKeys.h"
#include "Prompts.h"
#include "SimProcess.h"
#include "TabControl.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"
#include "Transcript.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

QString Dotted(uint32_t address)
{
    return QString::fromStdString(FormatDottedAddress(address));
}

// tolvoctl's exit status and stderr.
std::pair<int, QString> Tolvoctl(const QStringList& arguments)
{
    QProcess process;
    process.start(TOLVOCTL_PATH, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, {}};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

// The settings pages' values: what a device's configuration looks like in the window.
QStringList SettingsShown(const CTolvoConfigDlg& dlg)
{
    QStringList values;
    for (int page = 1; page < 4; ++page)
        values << dlg.m_pages[page]->ControlValues();
    return values;
}

QByteArray SettingsJson(const QString& settings, const QString& serial = "TS-240117-0042")
{
    return QString(R"({"format": "tolvo-s-settings", "version": 1,
                      "device": {"serialNumber": "%1"}, "settings": {%2}})")
        .arg(serial, settings)
        .toUtf8();
}

} // namespace

class TestWindowTools : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    // 127.0.16.8 on, a block of eight addresses per test: clear of the other
    // tests' addresses (tolvoctl_json_schema's 127.0.9.x), which ctest -j runs
    // beside it.
    uint32_t m_address = 0x7F001000;

    std::unique_ptr<CTolvoConfigDlg> OpenMainWindow(uint32_t address)
    {
        auto dlg = std::make_unique<CTolvoConfigDlg>();
        dlg->Create(nullptr);
        dlg->m_deviceAddress = address;
        dlg->UpdateData(false);
        return dlg;
    }

    std::unique_ptr<SimProcess> StartSim(uint32_t address, QStringList options = {})
    {
        auto sim = std::make_unique<SimProcess>(options, Dotted(address), DEVICE_COMMAND_PORT);
        return sim->Start() ? std::move(sim) : nullptr;
    }

    // A window that has loaded from a simulator with options.
    struct Loaded {
        std::unique_ptr<SimProcess> sim;
        std::unique_ptr<CTolvoConfigDlg> dlg;
    };
    Loaded LoadFrom(QStringList options = {})
    {
        Loaded loaded{StartSim(m_address, options), OpenMainWindow(m_address)};
        if (loaded.sim) {
            PromptScript script;
            loaded.dlg->LoadConfiguration();
        }
        return loaded;
    }

    QList<QByteArray> SaveNow(const SimProcess& sim, CTolvoConfigDlg& dlg)
    {
        const qsizetype before = sim.Commands().size();
        dlg.SaveConfiguration();
        return sim.Commands().mid(before);
    }

private slots:
    void initTestCase()
    {
        // A run of some of these tests beside a run of all (password_leaks,
        // the X11 key test, under ctest -j) is given addresses of its own.
        if (const QByteArray first = qgetenv("TOLVO_TEST_ADDRESS"); !first.isEmpty())
            m_address = QHostAddress(QString::fromLatin1(first)).toIPv4Address();
    }

    void init()
    {
        m_address += 8;
        m_dir = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir->path());
        SetRegistryKey("Local AppWizard-Generated Applications");
    }

    void cleanup() { ResetProfileRoot(); }

    void searchFindsExactlyTheSimulatedDevices()
    {
        auto sim = StartSim(m_address + 1, {"--devices", "3"});
        QVERIFY(sim);
        auto dlg = OpenMainWindow(0x0A000001);
        QVERIFY(ShowActive(dlg.get()));
        QTest::keyClick(dlg.get(), Qt::Key_F, Qt::ControlModifier);
        FindDevicesDlg* find = dlg->m_findDevices;
        QVERIFY(find != nullptr && find->isVisible());
        QVERIFY(SimIdle(*sim)); // nothing is touched before Search
        const QString range = Dotted(m_address) + "-" + Dotted(m_address + 5);
        find->m_rangeEdit->setText(range);
        find->Search();
        QTRY_VERIFY_WITH_TIMEOUT(!find->searching(), 60000);
        QSet<QString> found;
        for (int row = 0; row < find->m_table->rowCount(); ++row) {
            found << find->m_table->item(row, 0)->text();
            QVERIFY(find->m_table->item(row, 1)->text().startsWith("TS-"));
        }
        QCOMPARE(find->m_table->rowCount(), 3);
        QCOMPARE(found, QSet<QString>(
                            {Dotted(m_address + 1), Dotted(m_address + 2), Dotted(m_address + 3)}));
        QCOMPARE(find->m_progress->value(), 6);
        QCOMPARE(GetProfileString(FIND_PROFILE_SECTION, FIND_PROFILE_ENTRY, {}), range);
        // Enter on a row takes its address, closes the dialog and loads nothing.
        find->m_table->setFocus();
        find->m_table->setCurrentCell(1, 0);
        const QString chosen = find->m_table->item(1, 0)->text();
        const qsizetype sent = sim->Commands().size();
        QTest::keyClick(find->m_table, Qt::Key_Return);
        QVERIFY(!find->isVisible());
        QCOMPARE(
            Dotted(dlg->ControlAs<IpAddressCtrl>(CTolvoConfigDlg::IDC_DEVICE_ADDRESS)->address()),
            chosen);
        QVERIFY(sim->Sync());
        QCOMPARE(sim->Commands().size(), sent);
    }

    void malformedRangesAreNamedAndNothingIsSent_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("named");
        QTest::newRow("backwards") << "127.0.0.9-127.0.0.1"
                                   << "comes before the first";
        QTest::newRow("no address") << "127.0.0.300/30"
                                    << "no IPv4 address";
        QTest::newRow("too many") << "127.0.0.0/8"
                                  << "at most 4096";
        QTest::newRow("empty") << " , "
                               << "Type a range";
    }

    void malformedRangesAreNamedAndNothingIsSent()
    {
        QFETCH(QString, range);
        QFETCH(QString, named);
        FindDevicesDlg find(nullptr, DEVICE_COMMAND_PORT, 100);
        find.m_rangeEdit->setText(range);
        PromptScript script;
        find.Search();
        QCOMPARE(script.shown().size(), 1);
        QVERIFY2(script.shown().first().text.contains(named),
                 qPrintable(script.shown().first().text));
        QVERIFY(!find.searching());
        QCOMPARE(find.m_progress->value(), 0);
    }

    void cancelStopsASearchAtOnce()
    {
        auto sim = StartSim(m_address, {"--silent"});
        QVERIFY(sim);
        FindDevicesDlg find(nullptr, DEVICE_COMMAND_PORT, 30000);
        find.m_rangeEdit->setText(Dotted(m_address) + "/32");
        find.Search();
        QTRY_VERIFY_WITH_TIMEOUT(!sim->Commands().isEmpty(), 10000); // asked, never answered
        QVERIFY(find.searching());
        QTest::mouseClick(find.m_cancelButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!find.searching(), 10000); // well before the 30 s bound
        QVERIFY(find.m_status->text().startsWith("The search was stopped: 0 found"));
        QCOMPARE(find.m_table->rowCount(), 0);
        QCOMPARE(sim->Commands().size(), 1);
    }

    void exportThenRestoreGivesAnotherDeviceTheSameValues()
    {
        Loaded a = LoadFrom({"--set", "CHANNEL=3", "--set", "RS232 parity=2"});
        QVERIFY(a.sim);
        a.dlg->m_pWiFi->m_ssidEdit->setText("Copied net");
        const QString path = m_dir->filePath("exported");
        {
            FileChoiceScript files;
            files.Answer(path);
            PromptScript script;
            a.dlg->ExportSettings();
            QCOMPARE(script.shown().last().caption, QString("Export Settings"));
        }
#ifdef Q_OS_UNIX
        QCOMPARE(QFile::permissions(path + ".json"),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
#endif
        QCOMPARE(Tolvoctl({"check", path + ".json"}).first, 0);
        auto b = StartSim(m_address + 1);
        QVERIFY(b);
        QCOMPARE(Tolvoctl({"restore", Dotted(m_address + 1), path + ".json"}).first, 0);
        auto second = OpenMainWindow(m_address + 1);
        PromptScript script;
        second->LoadConfiguration();
        QCOMPARE(SettingsShown(*second), SettingsShown(*a.dlg));
    }

    void importThenSavePutsTheFileOnTheWire()
    {
        Loaded loaded = LoadFrom();
        QVERIFY(loaded.sim);
        CTolvoConfigDlg& dlg = *loaded.dlg;
        const QString path = m_dir->filePath("in.json");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            SettingsJson(R"("SSID": "Imported", "CHANNEL": "3", "PORT 1": "5000")", "OTHER-7"));
        file.close();
        dlg.m_pWiFi->m_deviceNameEdit->setText("Kept edit"); // not in the file: stays
        PromptScript script;
        FileChoiceScript files;
        files.Answer(path);
        const qsizetype before = loaded.sim->Commands().size();
        dlg.ImportSettings();
        QVERIFY(script.shown().last().text.contains("3 settings from"));
        QVERIFY(script.shown().last().text.contains("another device (serial number OTHER-7"));
        QVERIFY(SimIdle(*loaded.sim) || loaded.sim->Commands().size() == before); // nothing sent
        QCOMPARE(dlg.m_pWiFi->m_deviceNameEdit->text(), QString("Kept edit"));
        QVERIFY(dlg.m_marks->IsChanged(dlg.m_pPortRouting->m_tcpPortEdit[1]));

        const QList<QByteArray> sent = SaveNow(*loaded.sim, dlg);
        for (const QByteArray wanted : {"set SSID Imported", "set CHANNEL 3", "set PORT 1 5000",
                                        "set DEVICEID Kept edit", "set PORT 0 4070"})
            QVERIFY2(sent.contains(WireCommand(wanted)), wanted.constData());
        QCOMPARE(script.shown().last().caption, QString("Success!"));
        QVERIFY2(script.shown().last().text.contains(
                     "Changed: SSID, Wi-Fi channel, Device Name, Port 1 TCP/IP port."),
                 qPrintable(script.shown().last().text));
    }

    void badFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("named");
        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << "Not JSON";
        QTest::newRow("another format")
            << QByteArray("{\"format\": \"x\", \"settings\": {}}") << "format \"tolvo-s-settings\"";
        QTest::newRow("unknown key")
            << SettingsJson(R"("SERIALN": "X", "SSID": "A")") << "SERIALN: no setting of that name";
        QTest::newRow("value breaking its rule")
            << SettingsJson(R"("SSID": "A", "CHANNEL": "15")")
            << "CHANNEL: value \"15\" is not valid; allowed: a whole number from 0 to 14";
        QTest::newRow("missing file") << QByteArray() << "Cannot read";
        // A backup of a device that did not know a key holds its error reply.
        QTest::newRow("a device's error reply as a value")
            << SettingsJson(R"("SSID": "ERROR unknown key", "CHANNEL": "3")")
            << "SSID: value \"ERROR unknown key\" is the error reply a device gives";
    }

    void badFilesChangeNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, named);
        Loaded loaded = LoadFrom();
        QVERIFY(loaded.sim);
        const QString path = m_dir->filePath("bad.json");
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }
        const QStringList before = SettingsShown(*loaded.dlg);
        PromptScript script;
        FileChoiceScript files;
        files.Answer(path);
        loaded.dlg->ImportSettings();
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown().first().caption, QString("Import Failed"));
        QVERIFY2(script.shown().first().text.contains(named),
                 qPrintable(script.shown().first().text));
        QCOMPARE(SettingsShown(*loaded.dlg), before);
        QVERIFY(!loaded.dlg->HasUnsavedChanges());
    }

    void marksFollowEditsAndUndo_data()
    {
        QTest::addColumn<int>("row"); // of the table below
        QTest::newRow("text") << 0;
        QTest::newRow("address") << 1;
        QTest::newRow("list") << 2;
        QTest::newRow("number") << 3;
    }

    void marksFollowEditsAndUndo()
    {
        QFETCH(int, row);
        Loaded loaded = LoadFrom();
        QVERIFY(loaded.sim);
        CTolvoConfigDlg& dlg = *loaded.dlg;
        QWidget* const fields[] = {dlg.m_pWiFi->m_ssidEdit, dlg.m_pWiFi->m_ipMaskCtrl,
                                   dlg.m_pPortSettings->m_directBaudCombo,
                                   dlg.m_pPortRouting->m_tcpPortEdit[2]};
        const QString edits[] = {"Other", "4294901760", "1 19200", "5002"};
        QWidget* field = fields[row];
        const QString loadedValue = ControlValue(field);
        const auto marked = [&] {
            return dlg.m_marks->IsChanged(field) && field->font().bold() &&
                   field->accessibleDescription().contains("Changed");
        };
        QVERIFY(!marked());
        SetControlValue(field, edits[row]);
        QVERIFY(marked());
        SetControlValue(field, loadedValue);
        QVERIFY(!dlg.m_marks->IsChanged(field));
        QVERIFY(!field->font().bold());
        QCOMPARE(field->accessibleDescription(), QString());
        // A successful save makes the saved value the one without a mark.
        SetControlValue(field, edits[row]);
        PromptScript script;
        dlg.SaveConfiguration();
        QCOMPARE(script.shown().last().caption, QString("Success!"));
        QVERIFY(!marked());
    }

    // Every key of the window's actions works wherever the focus is in the
    // window (a text field takes Ctrl+E as "end of line" on X11).
    void actionKeysWorkWhereverTheFocusIs_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("caption"); // of the file chooser the key opens
        QTest::addColumn<int>("page");        // shown, -1 for the window's own controls
        QTest::addColumn<QString>("field");
        for (const auto& [key, caption] :
             {std::pair{int(Qt::Key_E), "Export Settings"}, {int(Qt::Key_I), "Import Settings"}}) {
            const QString keyName = QKeySequence(key).toString();
            QTest::addRow("Ctrl+%s from the SSID", qPrintable(keyName))
                << key << caption << 1 << "SSID";
            QTest::addRow("Ctrl+%s from the address", qPrintable(keyName))
                << key << caption << -1 << "address";
            QTest::addRow("Ctrl+%s from a list's edit field", qPrintable(keyName))
                << key << caption << 2 << "list";
            QTest::addRow("Ctrl+%s from Exit", qPrintable(keyName))
                << key << caption << -1 << "Exit";
        }
    }

    void actionKeysWorkWhereverTheFocusIs()
    {
        QFETCH(int, key);
        QFETCH(QString, caption);
        QFETCH(int, page);
        QFETCH(QString, field);
        Loaded loaded = LoadFrom();
        QVERIFY(loaded.sim);
        CTolvoConfigDlg& dlg = *loaded.dlg;
        QVERIFY(ShowActive(&dlg));
        if (page >= 0) {
            dlg.m_tab->setCurrentIndex(page);
            dlg.ShowSelectedPage();
        }
        const QMap<QString, QWidget*> fields{
            {"SSID", dlg.m_pWiFi->m_ssidEdit},
            {"address",
             qobject_cast<IpAddressCtrl*>(dlg.Control(CTolvoConfigDlg::IDC_DEVICE_ADDRESS))
                 ->field(1)},
            {"list", dlg.m_pPortSettings->m_rs232BaudCombo}, // its edit field has the keys
            {"Exit", dlg.Control(IDCANCEL)}};
        QWidget* focus = fields.value(field);
        focus->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), focus);
        FileChoiceScript files; // answers "cancel"
        PromptScript script;
        QTest::keyClick(focus, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(files.asked(), QList<QString>{caption});
    }

    // Export's file chooser adds the suffix itself, so that its question
    // whether to replace a file is about the file that is written.
    void exportAsksBeforeReplacingTheFileItWrites()
    {
        Loaded loaded = LoadFrom();
        QVERIFY(loaded.sim);
        const QString named = m_dir->filePath("site");
        QFile existing(named + ".json");
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("kept");
        existing.close();
        QVERIFY(ShowActive(loaded.dlg.get()));
        // Qt's own dialog, which the test can answer: Windows' own (with
        // its default extension) is the platform's, not run here.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        const auto native =
            qScopeGuard([] { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false); });
        bool asked = false;
        // The real file dialog: type the name without its suffix, then
        // answer the question that follows with No.
        QTimer::singleShot(0, this, [&] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(chooser != nullptr);
            QTimer::singleShot(0, this, [&] {
                auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                asked = question != nullptr;
                if (question)
                    question->button(QMessageBox::No)->click();
                chooser->reject();
            });
            chooser->selectFile(named);
            QMetaObject::invokeMethod(chooser, "accept"); // as Save does
        });
        PromptScript script;
        loaded.dlg->ExportSettings();
        QVERIFY(asked);
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("kept"));
        QVERIFY(!QFile::exists(named));
    }

    void transcriptOfAFailedLoadHoldsTheExchangeAndNoPassword()
    {
        auto sim = StartSim(m_address, {"--close-after", "6"});
        QVERIFY(sim);
        auto dlg = OpenMainWindow(m_address);
        PromptScript script;
        dlg->LoadConfiguration();
        QCOMPARE(script.shown().size(), 1);
        const QString details = script.shown().first().details;
        QVERIFY(details.contains(" SEND get PASSWORD\\r\\0"));
        QVERIFY(details.contains(" RECV ********\\r"));
        QVERIFY(details.contains(" SEND get IPMASK\\r\\0"));
        QVERIFY2(details.contains(" END DEVICE_CONNECTION_CLOSED (-6)") ||
                     (IsWine() && details.contains(" END DEVICE_TIMED_OUT")),
                 qPrintable(details));
        QVERIFY(!details.contains("tolvo1234"));
        // tolvoctl --trace: the same transcript on stderr, masked the same way.
        auto healthy = StartSim(m_address + 1);
        QVERIFY(healthy);
        const auto [status, err] = Tolvoctl({"get", Dotted(m_address + 1), "--trace"});
        QCOMPARE(status, 0);
        QVERIFY(err.contains(" RECV ********\\r"));
        QVERIFY(err.contains(" END DEVICE_OK (0)"));
        QVERIFY(!err.contains("tolvo1234"));
    }

    // The password in no box the window shows, nor in any box's details,
    // whatever the device does; data: the simulator's options, the action
    // (load, save of a new password, import of a file) and the password.
    void noBoxShowsThePassword_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("password");
        const QString probe = "Zq9-Leak-Probe";
        const QString held = "--set=PASSWORD=" + probe;
        QTest::newRow("a load cut short")
            << QStringList{held, "--close-after", "6"} << "load" << probe;
        QTest::newRow("a load out of step")
            << QStringList{held, "--set", "SSID=Net\r"} << "load" << probe;
        QTest::newRow("a save the device does not keep")
            << QStringList{"--ignore-set", "PASSWORD"} << "save" << probe;
        QTest::newRow("a save whose apply is unanswered")
            << QStringList{"--apply-unanswered", "silent"} << "save" << probe;
        QTest::newRow("an import of an invalid password") << QStringList{} << "import"
                                                          << "Site\u20acSecret-2024";
    }

    void noBoxShowsThePassword()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, action);
        QFETCH(QString, password);
        auto sim = StartSim(m_address, options);
        QVERIFY(sim);
        auto dlg = OpenMainWindow(m_address);
        dlg->m_deviceTimeoutMs = 2000;
        PromptScript script;
        dlg->LoadConfiguration();
        if (action == "save") {
            dlg->m_pWiFi->m_passwordEdit->setText(password);
            dlg->SaveConfiguration();
        } else if (action == "import") {
            QFile file(m_dir->filePath("in.json"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(SettingsJson(QString(R"("PASSWORD": "%1")").arg(password)));
            file.close();
            FileChoiceScript files;
            files.Answer(file.fileName());
            dlg->ImportSettings();
        }
        QVERIFY(!script.shown().isEmpty());
        const QByteArray utf8 = password.toUtf8();
        for (const Prompt& shown : script.shown()) {
            const QString all = shown.text + '\n' + shown.details;
            QVERIFY2(!all.contains(password) && !all.toUtf8().contains(utf8) &&
                         !all.contains(EscapedBytes(password.toStdString())),
                     qPrintable(all));
        }
    }

    void oddDeviceValuesAreShownMarkedAndKept_data()
    {
        QTest::addColumn<QString>("setting"); // KEY=VALUE the device holds
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("edit");
        QTest::newRow("number with more after it") << "CHANNEL=11abc"
                                                   << "11"
                                                   << "12";
        QTest::newRow("address with leading zeros") << "IPADDRESS=192.168.001.050"
                                                    << "3232235816"
                                                    << "3232235826";
        QTest::newRow("signed number") << "TRANSPOWER=+5"
                                       << "5"
                                       << "6";
        QTest::newRow("list position with a blank") << "DHCP=1 "
                                                    << "1 DHCP Enabled"
                                                    << "0 DHCP Disabled";
    }

    void oddDeviceValuesAreShownMarkedAndKept()
    {
        QFETCH(QString, setting);
        QFETCH(QString, shown);
        QFETCH(QString, edit);
        auto sim = StartSim(m_address, {"--set", setting});
        QVERIFY(sim);
        auto dlg = OpenMainWindow(m_address);
        PromptScript script;
        dlg->LoadConfiguration();
        const QString key = setting.section('=', 0, 0);
        const QString held = setting.section('=', 1);
        QCOMPARE(script.shown().last().caption, QString("Success!"));
        QVERIFY2(
            script.shown().last().text.contains(QString(": the device holds \"%1\"").arg(held)),
            qPrintable(script.shown().last().text));
        QWidget* field = nullptr;
        for (QWidget* candidate : dlg->findChildren<QWidget*>())
            if (dlg->m_marks->HasDeviceValue(candidate))
                field = candidate;
        QVERIFY(field != nullptr);
        QCOMPARE(ControlValue(field), shown);
        QVERIFY(field->accessibleDescription().contains(held));

        // Save without touching it: the device keeps its value.
        QList<QByteArray> sent = SaveNow(*sim, *dlg);
        QVERIFY(!sent.isEmpty());
        for (const QByteArray& command : sent)
            QVERIFY2(!command.startsWith("set " + key.toLatin1() + " "), command.constData());
        QVERIFY(script.shown().last().text.contains("the device keeps the value it holds: "));
        // Edited, it goes out, and the device's odd value is gone.
        SetControlValue(field, edit);
        sent = SaveNow(*sim, *dlg);
        QVERIFY(std::any_of(sent.begin(), sent.end(), [&](const QByteArray& command) {
            return command.startsWith("set " + key.toLatin1() + " ");
        }));
        QVERIFY(!dlg->m_marks->HasDeviceValue(field));
    }
};

QTEST_MAIN(TestWindowTools)
#include "test_window_tools.moc"
