#include "CTolvoConfigApp.h"
#include "CTolvoConfigDlg.h"
#include "GuiTest.h"
#include "IpAddressCtrl.h"
#include "Profile.h"
#include "Prompts.h"
#include "TabControl.h"
#include "TolvoInfo.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace {

// The application with a socket start-up that fails.
class NoSocketsApp : public CTolvoConfigApp {
protected:
    bool SocketInit() override { return false; }
};

} // namespace

class TestApp : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_profileDir;

    QSettings Profile() const
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, PROFILE_ROOT,
                         QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    }

    // The main window as the application opens it, without its modal run.
    std::unique_ptr<CTolvoConfigDlg> OpenMainWindow()
    {
        auto dlg = std::make_unique<CTolvoConfigDlg>();
        dlg->m_version = "1.0.0.1";
        dlg->Create(nullptr);
        return dlg;
    }

private slots:
    void init()
    {
        // Every test gets a profile of its own, never the user's: a new folder,
        // or on Windows (whose profile is the registry) this test program's
        // own key, emptied.
        m_profileDir = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_profileDir->path());
        Profile().clear();
        SetRegistryKey(PROFILE_ROOT);
    }

    void cleanup() { ResetProfileRoot(); }

    void startsWithTheDefaultAddressAndWritesNothing()
    {
        auto dlg = OpenMainWindow();
        QCOMPARE(dlg->m_deviceAddress, DEFAULT_DEVICE_ADDRESS);
        QCOMPARE(dlg->ControlAs<IpAddressCtrl>(1000)->address(), 0x0A000001u);
        QVERIFY(!Profile().contains("TOLVO_IPADDRESS/IPaddress"));
    }

    void startUpState()
    {
        auto dlg = OpenMainWindow();
        for (int id : {1002, 1003, 2})
            QVERIFY(dlg->Control(id)->isEnabled());
        QCOMPARE(dlg->m_pInfo->ControlAs<QLabel>(1013)->text(), QString());
        QCOMPARE(dlg->m_pInfo->ControlAs<QLabel>(1014)->text(), QString());
        QList<QWidget*> pageControls;
        for (Dialog* page :
             {static_cast<Dialog*>(dlg->m_pWiFi), static_cast<Dialog*>(dlg->m_pPortSettings),
              static_cast<Dialog*>(dlg->m_pPortRouting)}) {
            for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child) ||
                    qobject_cast<IpAddressCtrl*>(child))
                    pageControls << child;
            }
        }
        QCOMPARE(pageControls.size(), 9 + 8 + 6);
        for (QWidget* control : pageControls)
            QVERIFY(!control->isEnabled());
        dlg->EnablePageControls(true);
        for (QWidget* control : pageControls)
            QVERIFY(control->isEnabled());
        QCOMPARE(dlg->windowTitle(), QString("Tolvo-S Configuration - Halvane - version: 1.0.0.1"));
    }

    void addressEditsUpdateTheMemberAndTheProfile_data()
    {
        QTest::addColumn<quint32>("start");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<quint32>("address");
        QTest::addColumn<qint32>("stored");
        QTest::newRow("second field to 20")
            << 0x0A000001u << 1 << "20" << 0x0A140001u << qint32(0x0A140001);
        QTest::newRow("top bit set")
            << 0x0A000001u << 0 << "192" << 0xC0000001u << qint32(0xC0000001u);
        QTest::newRow("over 255 stays in its octet")
            << 0x0A000001u << 2 << "999" << 0x0A00FF01u << qint32(0x0A00FF01);
    }

    void addressEditsUpdateTheMemberAndTheProfile()
    {
        QFETCH(quint32, start);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(quint32, address);
        QFETCH(qint32, stored);
        auto dlg = OpenMainWindow();
        QVERIFY(ShowActive(dlg.get()));
        PromptScript script; // the notice for a value over 255
        QCOMPARE(dlg->m_deviceAddress, start);
        QLineEdit* edit = dlg->ControlAs<IpAddressCtrl>(1000)->field(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QCOMPARE(dlg->m_deviceAddress, address);
        QCOMPARE(Profile().value("TOLVO_IPADDRESS/IPaddress").toInt(), stored);
    }

    // The stored entry is read as a 32-bit number, signed or unsigned;
    // anything else (another tool's text, a number beyond 32 bits) gives the
    // default address and is left for the next edit to replace.
    void storedAddressIsReadBackAtStart_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<quint32>("address");
        QTest::addColumn<QString>("firstField");
        QTest::newRow("192.168.1.1, stored negative")
            << QVariant(static_cast<int32_t>(0xC0A80101u)) << 0xC0A80101u << "192";
        QTest::newRow("127.0.0.1 as text") << QVariant("2130706433") << 0x7F000001u << "127";
        QTest::newRow("no number") << QVariant("192.168.1.1") << 0x0A000001u << "10";
        QTest::newRow("beyond 32 bits") << QVariant("99999999999") << 0x0A000001u << "10";
        QTest::newRow("unsigned, as the registry keeps it")
            << QVariant(3232235777u) << 0xC0A80101u << "192";
        QTest::newRow("below 32 bits") << QVariant("-2147483649") << 0x0A000001u << "10";
        QTest::newRow("empty") << QVariant("") << 0x0A000001u << "10";
    }

    void storedAddressIsReadBackAtStart()
    {
        QFETCH(QVariant, stored);
        QFETCH(quint32, address);
        QFETCH(QString, firstField);
        Profile().setValue("TOLVO_IPADDRESS/IPaddress", stored);
        auto dlg = OpenMainWindow();
        QCOMPARE(dlg->m_deviceAddress, address);
        QCOMPARE(dlg->ControlAs<IpAddressCtrl>(1000)->field(0)->text(), firstField);
        QCOMPARE(Profile().value("TOLVO_IPADDRESS/IPaddress"), stored); // not rewritten
    }

    void tabsShowTheirPages()
    {
        auto dlg = OpenMainWindow();
        QVERIFY(ShowActive(dlg.get()));
        const QList<int> templates = {130, 131, 133, 132};
        const QStringList texts = {"Info / DSC Parameters", "WiFi Settings", "Port Settings",
                                   "Port Routing"};
        dlg->m_pWiFi->m_ssid = "Lab";
        dlg->m_pWiFi->UpdateData(false);
        const QRect area = dlg->m_tab->displayArea().translated(dlg->m_tab->pos());
        for (int i : {2, 3, 1, 0}) {
            dlg->m_tab->setCurrentIndex(i);
            QCOMPARE(dlg->m_tab->tabText(i), texts[i]);
            for (int p = 0; p < 4; ++p)
                QCOMPARE(dlg->m_pages[p]->isVisible(), p == i);
            QCOMPARE(dlg->m_pages[i]->templateId(), templates[i]);
            QCOMPARE(dlg->m_pages[i]->geometry(), area);
        }
        QCOMPARE(dlg->m_pWiFi->m_ssidEdit->text(), QString("Lab")); // switching changes no value
    }

    void keyboardReachesTheMainControlsInTemplateOrder()
    {
        auto dlg = OpenMainWindow();
        QVERIFY(ShowActive(dlg.get()));
        QCOMPARE(QApplication::focusWidget(), dlg->Control(2)); // Exit has the focus at start
        const QList<QWidget*> walk = TabWalk(8);
        QCOMPARE(walk.size(), 8);
        QCOMPARE(walk[0], dlg->Control(2));
        QVERIFY(dlg->Control(1000)->isAncestorOf(walk[1]));
        QCOMPARE(walk[2], dlg->Control(1002));
        QCOMPARE(walk[3], dlg->Control(1003));
        // The Info page has no field to stop on; then the later buttons, and round.
        const QList<QWidget*> later = {dlg->Control(1040), dlg->Control(1041), dlg->Control(1042),
                                       dlg->Control(2)};
        QCOMPARE(walk.mid(4), later);
        QTest::keyClick(dlg.get(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(dlg->m_tab->currentIndex(), 1);
        // With a page of fields in front, Tab goes on from Save into that page.
        dlg->EnablePageControls(true);
        dlg->Control(1003)->setFocus();
        QTest::keyClick(dlg->Control(1003), Qt::Key_Tab);
        QVERIFY(dlg->m_pWiFi->isAncestorOf(QApplication::focusWidget()));
        // and from its last field on to Find Devices.
        dlg->m_pWiFi->m_deviceNameEdit->setFocus();
        QTest::keyClick(dlg->m_pWiFi->m_deviceNameEdit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dlg->Control(1040));
    }

    void escapeOnAPageEndsTheMainWindowNotThePage()
    {
        auto dlg = OpenMainWindow();
        QVERIFY(ShowActive(dlg.get()));
        dlg->EnablePageControls(true);
        dlg->m_tab->setCurrentIndex(2);
        QComboBox* list = dlg->m_pPortSettings->m_rs232BaudCombo;
        list->setFocus();
        QSignalSpy rejected(dlg.get(), &QDialog::rejected);
        QTest::keyClick(list, Qt::Key_Escape);
        QCOMPARE(rejected.size(), 1);
        QVERIFY(dlg->m_pPortSettings->isVisibleTo(dlg.get()));
    }

    // Exit, Escape, Enter and the close box end the run at once when nothing
    // is unsaved; with an edit on a page they ask first, No by default.
    void unsavedEditsAreNotThrownAwayByOneKey_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        const char* const ways[] = {"exit", "escape", "enter", "close box"};
        for (int way = 0; way < 4; ++way) {
            QTest::addRow("%s, nothing changed", ways[way]) << way << false << -1 << true;
            QTest::addRow("%s, changed, no", ways[way])
                << way << true << int(PromptAnswer::No) << false;
            QTest::addRow("%s, changed, yes", ways[way])
                << way << true << int(PromptAnswer::Yes) << true;
        }
    }

    void unsavedEditsAreNotThrownAwayByOneKey()
    {
        QFETCH(int, way);
        QFETCH(bool, edited);
        QFETCH(int, answer);
        QFETCH(bool, ends);
        auto dlg = OpenMainWindow();
        QVERIFY(ShowActive(dlg.get()));
        dlg->EnablePageControls(true);
        dlg->m_tab->setCurrentIndex(1);
        QLineEdit* ssid = dlg->m_pWiFi->m_ssidEdit;
        ssid->setFocus();
        if (edited)
            QTest::keyClicks(ssid, "Lab");
        QCOMPARE(dlg->HasUnsavedChanges(), edited);
        QWidget* focusAtPrompt = nullptr;
        PromptScript script;
        script.Then([&](const Prompt&) {
            focusAtPrompt = QApplication::focusWidget();
            dlg->Control(CTolvoConfigDlg::IDC_LOAD)->setFocus(); // as a real box takes it
            return PromptAnswer(answer);
        });
        QSignalSpy finished(dlg.get(), &QDialog::finished);
        switch (way) {
        case 0:
            QTest::mouseClick(qobject_cast<QPushButton*>(dlg->Control(2)), Qt::LeftButton);
            break;
        case 1: QTest::keyClick(ssid, Qt::Key_Escape); break;
        case 2: QTest::keyClick(ssid, Qt::Key_Return); break;
        case 3: dlg->close(); break;
        }
        QCOMPARE(finished.size(), ends ? 1 : 0);
        QCOMPARE(script.shown().size(), edited ? 1 : 0);
        if (!edited)
            return;
        const Prompt& box = script.shown().first();
        QCOMPARE(box.text, QString("Discard the changes that have not been saved to the device?"));
        QCOMPARE(box.buttons, PromptButtons::YesNo);
        QCOMPARE(box.defaultAnswer, PromptAnswer::No);
        if (ends)
            return;
        QVERIFY(dlg->isVisible());
        QCOMPARE(ssid->text(), QString("Lab"));
        QCOMPARE(QApplication::focusWidget(), focusAtPrompt);
    }

    void aboutCommandRule_data()
    {
        QTest::addColumn<unsigned>("id");
        QTest::addColumn<bool>("about");
        for (unsigned id = 16; id <= 31; ++id)
            QTest::addRow("%u", id) << id << true;
        for (unsigned id : {0u, 1u, 15u, 32u, 48u, 0xF060u, 0xF020u, 0xFFFFu})
            QTest::addRow("%u", id) << id << false;
    }

    void aboutCommandRule()
    {
        QFETCH(unsigned, id);
        QFETCH(bool, about);
        QCOMPARE(IsAboutCommand(id), about);
    }

    void aboutBoxOpensFromTheWindowAndCloses()
    {
        auto dlg = OpenMainWindow();
        QVERIFY(ShowActive(dlg.get()));
        QString caption;
        QStringList texts;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr)
                return;
            caption = box->windowTitle();
            for (QLabel* label : box->findChildren<QLabel*>())
                texts << label->text();
            box->findChild<QPushButton*>()->click();
        });
        QVERIFY(!dlg->OnSysCommand(0xF060)); // not ours: default processing
        QVERIFY(dlg->OnSysCommand(16));
        QCOMPARE(caption, QString("About TolvoConfig"));
        QVERIFY(texts.contains("Tolvo-S Configuration Utility, Version 1.0"));
        // The context menu: About and the window's language, then the window's
        // own actions, each with its key (sending to and checking many devices
        // have none: they go through Find Devices' picks), and Save Record,
        // disabled until a Load or Save has read a device.
        QStringList menu;
        for (const QAction* action : dlg->actions())
            menu << action->text() + " " + action->shortcut().toString();
        QCOMPARE(menu, QStringList({"&About TolvoConfig... F1", "&Language... ",
                                    "Find Devices... Ctrl+F", "Import... Ctrl+I",
                                    "Export... Ctrl+E", "Send to the Picked Devices... ",
                                    "Check the Picked Devices... ", "Save Rec&ord... Ctrl+R"}));
        QVERIFY(!dlg->actions().last()->isEnabled());
    }

    void productVersionHalvesAreUnsigned_data()
    {
        QTest::addColumn<quint32>("ms");
        QTest::addColumn<quint32>("ls");
        QTest::addColumn<QString>("text");
        QTest::newRow("this program") << 0x00010000u << 0x00000001u << "1.0.0.1";
        QTest::newRow("halves above 32767") << 0xFFFF8000u << 0x7FFF0001u << "65535.32768.32767.1";
    }

    void productVersionHalvesAreUnsigned()
    {
        QFETCH(quint32, ms);
        QFETCH(quint32, ls);
        QFETCH(QString, text);
        QCOMPARE(FormatProductVersion(ms, ls), text);
        CTolvoConfigApp app;
        app.ReadOwnVersion();
        QCOMPARE(app.m_version, QString("1.0.0.1"));
    }

    void failedSocketStartUpShowsTheMessageAndNoWindow()
    {
        ResetProfileRoot();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_profileDir->path());
        PromptScript script;
        NoSocketsApp app;
        QVERIFY(!app.InitInstance());
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown().first().text, QString("Windows sockets initialization failed."));
        QCOMPARE(script.shown().first().buttons, PromptButtons::Ok);
        QVERIFY(!ProfileRooted());
        QVERIFY(app.m_version.isEmpty());
        QCOMPARE(QDir(m_profileDir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<CTolvoConfigDlg*>(widget));
    }

    void fullStartRunsTheWindowModallyUntilExit()
    {
        ResetProfileRoot();
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<CTolvoConfigDlg*>(QApplication::activeModalWidget());
            if (dlg == nullptr)
                return;
            title = dlg->windowTitle();
            QTest::keyClick(dlg, Qt::Key_Escape);
        });
        CTolvoConfigApp app;
        QVERIFY(!app.InitInstance());
        QCOMPARE(title, QString("Tolvo-S Configuration - Halvane - version: 1.0.0.1"));
        QVERIFY(ProfileRooted());
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
