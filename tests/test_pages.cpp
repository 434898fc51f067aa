#include "GuiTest.h"
#include "IpAddressCtrl.h"
#include "Prompts.h"
#include "TolvoInfo.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <memory>

namespace {

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QLineEdit* Edit(Dialog& page, int id)
{
    return page.ControlAs<QLineEdit>(id);
}

// A top-level window holding one page, as the main window will.
template <class Page> struct Hosted {
    QWidget host;
    Page* page = new Page;
    Hosted()
    {
        page->Create(&host);
        host.resize(page->size());
    }
    ~Hosted() { delete page; }
};

const QStringList baudItems = {"9600", "19200", "38400", "57600", "115200", "230400"};

} // namespace

class TestPages : public QObject {
    Q_OBJECT

private slots:
    void infoPageStartsEmptyAndShowsItsMembers()
    {
        Hosted<TolvoInfo> info;
        QCOMPARE(info.page->ControlAs<QLabel>(1013)->text(), QString());
        QCOMPARE(info.page->ControlAs<QLabel>(1014)->text(), QString());
        info.page->m_serialNumber = "A123";
        info.page->m_firmwareVersion = "1.0.3";
        QVERIFY(info.page->UpdateData(false));
        QCOMPARE(info.page->ControlAs<QLabel>(1013)->text(), QString("A123"));
        info.page->m_serialNumber.clear();
        QVERIFY(info.page->UpdateData(true)); // gives back what was shown
        QCOMPARE(info.page->m_serialNumber, QString("A123"));
    }

    // What a screen reader is given: a value is read as its text, with its
    // label as the relation; a list by its setting's name, also where the
    // focus goes (its edit field), not by the item it shows.
    void screenReadersGetValuesAndNames_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::newRow("serial number") << 130 << 1013 << "TS-1"
                                       << "Serial Number:";
        QTest::newRow("firmware version") << 130 << 1014 << "2.3.1"
                                          << "Firmware Version:";
        QTest::newRow("dhcp list") << 131 << 1018 << "DHCP mode"
                                   << "";
        QTest::newRow("network type list") << 131 << 1017 << "Network type"
                                           << "Network Type:";
        QTest::newRow("baud rate list") << 133 << 1024 << "DIRECT baud rate"
                                        << "Baudrate:";
        QTest::newRow("routing list") << 132 << 1029 << "Port 1 connection"
                                      << "Port 1 connect to:";
    }

    void screenReadersGetValuesAndNames()
    {
        QFETCH(int, page);
        QFETCH(int, id);
        QFETCH(QString, name);
        QFETCH(QString, label);
        Hosted<TolvoInfo> info;
        Hosted<TolvoWiFi> wifi;
        Hosted<TolvoPortSettings> ports;
        Hosted<TolvoPortRouting> routing;
        info.page->m_serialNumber = "TS-1";
        info.page->m_firmwareVersion = "2.3.1";
        QVERIFY(info.page->UpdateData(false));
        wifi.page->m_networkTypeIndex = 1;
        QVERIFY(wifi.page->UpdateData(false));
        const QList<Dialog*> pages = {info.page, wifi.page, ports.page, routing.page};
        const auto host = std::find_if(pages.begin(), pages.end(),
                                       [page](Dialog* d) { return d->templateId() == page; });
        QWidget* control = (*host)->Control(id);
        // A list hands its focus to its edit field: that is what is announced.
        auto* list = qobject_cast<QComboBox*>(control);
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(list ? list->lineEdit() : control);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        if (list) {
            QCOMPARE(list->accessibleName(), name);
            QVERIFY(list->currentText() != name);
        }
        if (label.isEmpty())
            return;
        QStringList labels;
        const auto relations =
            QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
        for (const auto& [other, relation] : relations)
            labels << other->text(QAccessible::Name);
        QVERIFY2(labels.contains(label), qPrintable(labels.join('|')));
    }

    void wifiPageInitialState()
    {
        Hosted<TolvoWiFi> wifi;
        TolvoWiFi& page = *wifi.page;
        for (int id : {1011, 1009, 1010})
            QCOMPARE(Edit(page, id)->text(), QString());
        QCOMPARE(page.m_ipAddressCtrl->address(), 0u);
        QCOMPARE(page.m_ipAddressCtrl->field(0)->text(), QString("0"));
        QCOMPARE(page.m_dhcpCombo->currentText(), QString("DHCP Disabled"));
        QCOMPARE(page.m_networkTypeCombo->currentText(), QString("Access Point"));
        QCOMPARE(page.m_channelEdit->text(), QString("0"));
        QCOMPARE(page.m_transPowerEdit->text(), QString("0"));
        QCOMPARE(page.m_passwordEdit->echoMode(), QLineEdit::Normal);
        QCOMPARE(Items(page.m_networkTypeCombo), (QStringList{"Access Point", "Infrastracture"}));
        QCOMPARE(Items(page.m_dhcpCombo),
                 (QStringList{"DHCP Disabled", "DHCP Enabled", "DHCP Access Point"}));
        QCOMPARE(page.m_dhcpCombo->accessibleName(), QString("DHCP mode"));
        QCOMPARE(page.m_ssidEdit->accessibleName(), QString("SSID"));
        QCOMPARE(page.m_ipMaskCtrl->accessibleName(), QString("IP mask"));
        QCOMPARE(page.m_ipMaskCtrl->field(2)->accessibleName(), QString("IP mask, part 3 of 4"));
    }

    void wifiPageReadsWhatTheUserEntered()
    {
        Hosted<TolvoWiFi> wifi;
        TolvoWiFi& page = *wifi.page;
        QVERIFY(ShowActive(&wifi.host));
        QTest::keyClicks(page.m_deviceNameEdit, "Lab unit");
        page.m_ssidEdit->insert("Caf\u00e9 net"); // key clicks take ASCII only
        QTest::keyClicks(page.m_passwordEdit, "secret");
        page.m_ipAddressCtrl->field(0)->setFocus();
        page.m_ipAddressCtrl->field(0)->selectAll();
        TypeIntoFocus("192.168.1.20");
        page.m_ipMaskCtrl->clear(); // blank reads as 0.0.0.0
        page.m_dhcpCombo->setFocus();
        QTest::keyClick(page.m_dhcpCombo, Qt::Key_Down);
        QTest::keyClick(page.m_dhcpCombo, Qt::Key_Down);
        page.m_transPowerEdit->selectAll();
        QTest::keyClicks(page.m_transPowerEdit, "12");
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_deviceName, QString("Lab unit"));
        QCOMPARE(page.m_ssid, QString("Caf\u00e9 net"));
        QCOMPARE(page.m_password, QString("secret"));
        QCOMPARE(page.m_ipAddress, 0xC0A80114u);
        QCOMPARE(page.m_ipMask, 0u);
        QCOMPARE(page.m_dhcpIndex, 2);
        QCOMPARE(page.m_transPower, 12);
    }

    void wifiPageReadStopsAtTheFirstFailure_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("channel");    // m_channel after the read
        QTest::addColumn<int>("transPower"); // m_transPower after the read
        QTest::newRow("channel 15") << 1012 << "15"
                                    << "between 0 and 14" << 15 << 4;
        QTest::newRow("channel -1") << 1012 << "-1"
                                    << "between 0 and 14" << -1 << 4;
        QTest::newRow("channel letters") << 1012 << "abc"
                                         << "whole number." << 3 << 4;
        QTest::newRow("channel empty") << 1012 << ""
                                       << "whole number." << 3 << 4;
        QTest::newRow("power 13") << 1016 << "13"
                                  << "between 0 and 12" << 9 << 13;
        QTest::newRow("power 11x") << 1016 << "11x"
                                   << "whole number." << 9 << 4;
        QTest::newRow("device name too long")
            << 1011 << QString(100, 'n') << "at most 99" << 3 << 4;
        QTest::newRow("ssid greek") << 1009 << "\u03b1\u03b2"
                                    << "Latin-1" << 3 << 4;
        QTest::newRow("password too long") << 1010 << QString(120, 'p') << "at most 99" << 3 << 4;
    }

    void wifiPageReadStopsAtTheFirstFailure()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(int, channel);
        QFETCH(int, transPower);
        Hosted<TolvoWiFi> wifi;
        TolvoWiFi& page = *wifi.page;
        QVERIFY(ShowActive(&wifi.host));
        page.m_channel = 3;
        page.m_transPower = 4;
        QVERIFY(page.UpdateData(false));
        page.m_channelEdit->setText("9");
        page.m_channel = 3;
        page.m_transPower = 4;
        Edit(page, field)->setText(text);
        PromptScript script;
        QVERIFY(!page.UpdateData(true));
        QCOMPARE(script.shown().size(), 1);
        QVERIFY2(script.shown().first().text.contains(message),
                 qPrintable(script.shown().first().text));
        QCOMPARE(script.shown().first().icon, PromptIcon::Exclamation);
        QCOMPARE(page.m_channel, channel);
        QCOMPARE(page.m_transPower, transPower);
        QCOMPARE(QApplication::focusWidget(), Edit(page, field));
        QCOMPARE(Edit(page, field)->selectedText(), text);
    }

    void transmissionPowerZeroPasses()
    {
        Hosted<TolvoWiFi> wifi;
        PromptScript script;
        wifi.page->m_transPowerEdit->setText("0");
        QVERIFY(wifi.page->UpdateData(true));
        QCOMPARE(script.shown().size(), 0);
    }

    void choosingANetworkTypeSetsTheChannel_data()
    {
        QTest::addColumn<int>("typeBefore");
        QTest::addColumn<int>("channelBefore");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("channelShown");
        QTest::newRow("access point clears 11") << 1 << 11 << int(Qt::Key_Up) << "0";
        QTest::newRow("infrastructure turns 0 into 7") << 0 << 0 << int(Qt::Key_Down) << "7";
        QTest::newRow("infrastructure keeps 11") << 0 << 11 << int(Qt::Key_Down) << "11";
    }

    void choosingANetworkTypeSetsTheChannel()
    {
        QFETCH(int, typeBefore);
        QFETCH(int, channelBefore);
        QFETCH(int, key);
        QFETCH(QString, channelShown);
        Hosted<TolvoWiFi> wifi;
        TolvoWiFi& page = *wifi.page;
        QVERIFY(ShowActive(&wifi.host));
        page.m_networkTypeIndex = typeBefore;
        page.m_channel = channelBefore;
        QVERIFY(page.UpdateData(false));
        QCOMPARE(page.m_channelEdit->text(), QString::number(channelBefore)); // no rule on refresh
        page.m_networkTypeCombo->setFocus();
        QTest::keyClick(page.m_networkTypeCombo, Qt::Key(key));
        QCOMPARE(page.m_channelEdit->text(), channelShown);
    }

    void typingTheChannelFollowsTheNetworkType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("warnings");
        QTest::newRow("infrastructure, 0 becomes 7") << 1 << "0"
                                                     << "7" << 0;
        QTest::newRow("access point, 0 stays") << 0 << "0"
                                               << "0" << 0;
        QTest::newRow("infrastructure, 12 stays") << 1 << "12"
                                                  << "12" << 0;
        QTest::newRow("infrastructure, cleared: previous back") << 1 << ""
                                                                << "5" << 1;
        QTest::newRow("access point, cleared: stays empty") << 0 << ""
                                                            << "" << 1;
    }

    void typingTheChannelFollowsTheNetworkType()
    {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, warnings);
        Hosted<TolvoWiFi> wifi;
        TolvoWiFi& page = *wifi.page;
        QVERIFY(ShowActive(&wifi.host));
        page.m_networkTypeIndex = type;
        page.m_channel = 5;
        QVERIFY(page.UpdateData(false));
        PromptScript script;
        page.m_channelEdit->setFocus();
        page.m_channelEdit->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(page.m_channelEdit, Qt::Key_Delete);
        else
            QTest::keyClicks(page.m_channelEdit, typed);
        QCOMPARE(page.m_channelEdit->text(), shown);
        QCOMPARE(script.shown().size(), warnings);
    }

    void loadedValuesAreShownWithoutTheRule()
    {
        Hosted<TolvoWiFi> wifi;
        TolvoWiFi& page = *wifi.page;
        page.m_networkTypeIndex = 1;
        page.m_channel = 0;
        page.m_transPower = 20; // outside the page's range, still shown
        QVERIFY(page.UpdateData(false));
        QCOMPARE(page.m_networkTypeCombo->currentText(), QString("Infrastracture"));
        QCOMPARE(page.m_channelEdit->text(), QString("0"));
        QCOMPARE(page.m_transPowerEdit->text(), QString("20"));
        page.m_dhcpIndex = 5; // outside the list: nothing selected
        QVERIFY(page.UpdateData(false));
        QCOMPARE(page.m_dhcpCombo->currentIndex(), -1);
    }

    void refreshLeavesAnUnchangedFieldAlone()
    {
        Hosted<TolvoWiFi> wifi;
        TolvoWiFi& page = *wifi.page;
        page.m_ssid = "Lab";
        QVERIFY(page.UpdateData(false));
        page.m_ssidEdit->setSelection(1, 2);
        QVERIFY(page.UpdateData(false));
        QCOMPARE(page.m_ssidEdit->selectedText(), QString("ab"));
    }

    void enableControlsTogglesTheEditableControlsOnly()
    {
        Hosted<TolvoWiFi> wifi;
        Hosted<TolvoPortSettings> ports;
        wifi.page->EnableControls(false);
        ports.page->EnableControls(false);
        for (QWidget* child : wifi.page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QCOMPARE(child->isEnabled(), qobject_cast<QLabel*>(child) != nullptr);
        for (QWidget* child : ports.page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QCOMPARE(child->isEnabled(), qobject_cast<QComboBox*>(child) == nullptr);
        wifi.page->EnableControls(true);
        ports.page->EnableControls(true);
        for (QWidget* child : wifi.page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY(child->isEnabled());
        for (QWidget* child : ports.page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY(child->isEnabled());
    }

    void portSettingsListsStartEmptyWithTheirItems()
    {
        Hosted<TolvoPortSettings> ports;
        TolvoPortSettings& page = *ports.page;
        const QList<QComboBox*> lists = {page.m_rs232BaudCombo,      page.m_rs232DataBitsCombo,
                                         page.m_rs232StopBitsCombo,  page.m_rs232ParityCombo,
                                         page.m_directBaudCombo,     page.m_directDataBitsCombo,
                                         page.m_directStopBitsCombo, page.m_directParityCombo};
        const QList<QStringList> items = {baudItems, {"8", "9"}, {"1", "2"}, {"No", "Odd", "Even"},
                                          baudItems, {"8", "9"}, {"1", "2"}, {"No", "Odd", "Even"}};
        for (int i = 0; i < lists.size(); ++i) {
            QVERIFY(lists[i] != nullptr);
            QCOMPARE(lists[i]->currentIndex(), -1);
            QCOMPARE(lists[i]->currentText(), QString());
            QCOMPARE(Items(lists[i]), items[i]);
        }
        QCOMPARE(page.m_directParityCombo->accessibleName(), QString("DIRECT parity"));
        lists.last()->setCurrentIndex(2);
        QVERIFY(page.UpdateData(true));
        QCOMPARE(lists.last()->currentIndex(), 2);
    }

    void portRoutingStartsWithZeroPorts()
    {
        Hosted<TolvoPortRouting> routing;
        TolvoPortRouting& page = *routing.page;
        for (int n = 0; n < 3; ++n) {
            QCOMPARE(page.m_tcpPortEdit[n]->text(), QString("0"));
            QCOMPARE(page.m_connectCombo[n]->currentIndex(), -1);
            QCOMPARE(Items(page.m_connectCombo[n]),
                     (QStringList{"Configuration", "RS232", "DIRECT", "NO Connection"}));
        }
        page.m_tcpPort[1] = 23; // shown without complaint
        PromptScript script;
        QVERIFY(page.UpdateData(false));
        QCOMPARE(page.m_tcpPortEdit[1]->text(), QString("23"));
        QCOMPARE(script.shown().size(), 0);
        QCOMPARE(page.m_tcpPortEdit[2]->accessibleName(), QString("Port 2 TCP/IP port"));
    }

    void portRoutingChecksEachPort_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("passes");
        QTest::addColumn<int>("member"); // m_tcpPort[1] after the read
        QTest::addColumn<QString>("message");
        QTest::newRow("128") << "128" << true << 128 << "";
        QTest::newRow("1023") << "1023" << true << 1023 << "";
        QTest::newRow("65535") << "65535" << true << 65535 << "";
        QTest::newRow("65536") << "65536" << false << 65536 << "between 128 and 65535";
        QTest::newRow("2147483647")
            << "2147483647" << false << 2147483647 << "between 128 and 65535";
        QTest::newRow("127") << "127" << false << 127 << "between 128 and 65535";
        QTest::newRow("50") << "50" << false << 50 << "between 128 and 65535";
        QTest::newRow("0") << "0" << false << 0 << "between 128 and 65535";
        QTest::newRow("-5") << "-5" << false << -5 << "between 128 and 65535";
        QTest::newRow("empty") << "" << false << 999 << "whole number.";
        QTest::newRow("letters") << "port" << false << 999 << "whole number.";
        QTest::newRow("blanks around") << " 4001\t" << true << 4001 << "";
    }

    void portRoutingChecksEachPort()
    {
        QFETCH(QString, text);
        QFETCH(bool, passes);
        QFETCH(int, member);
        QFETCH(QString, message);
        Hosted<TolvoPortRouting> routing;
        TolvoPortRouting& page = *routing.page;
        QVERIFY(ShowActive(&routing.host));
        page.m_tcpPortEdit[0]->setText("4000");
        page.m_tcpPortEdit[1]->setText(text);
        page.m_tcpPortEdit[2]->setText("4002");
        page.m_tcpPort = {999, 999, 999};
        PromptScript script;
        QCOMPARE(page.UpdateData(true), passes);
        QCOMPARE(page.m_tcpPort[0], 4000);
        QCOMPARE(page.m_tcpPort[1], member);
        QCOMPARE(page.m_tcpPort[2], passes ? 4002 : 999);
        QCOMPARE(script.shown().size(), passes ? 0 : 1);
        if (!passes) {
            QVERIFY(script.shown().first().text.contains(message));
            QCOMPARE(QApplication::focusWidget(), page.m_tcpPortEdit[1]);
            QCOMPARE(page.m_tcpPortEdit[1]->selectedText(), text);
        }
    }

    void firstFailingPortStopsTheRead()
    {
        Hosted<TolvoPortRouting> routing;
        TolvoPortRouting& page = *routing.page;
        for (QLineEdit* edit : page.m_tcpPortEdit)
            edit->setText("x");
        page.m_tcpPort = {1, 2, 3};
        PromptScript script;
        QVERIFY(!page.UpdateData(true));
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(page.m_tcpPort, (std::array<int32_t, 3>{1, 2, 3}));
    }

    void tabOrderFollowsTheTemplate_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("wifi") << 131 << QList<int>{1007, 1008, 1009, 1010, 1012,
                                                   1016, 1017, 1018, 1011, 1007};
        QTest::newRow("port settings")
            << 133 << QList<int>{1021, 1023, 1025, 1026, 1024, 1028, 1029, 1030, 1021};
        QTest::newRow("port routing")
            << 132 << QList<int>{1027, 1028, 1029, 1030, 1031, 1032, 1027};
    }

    void tabOrderFollowsTheTemplate()
    {
        QFETCH(int, page);
        QFETCH(QList<int>, ids);
        QWidget host;
        std::unique_ptr<Dialog> dialog;
        if (page == 131)
            dialog = std::make_unique<TolvoWiFi>();
        else if (page == 133)
            dialog = std::make_unique<TolvoPortSettings>();
        else
            dialog = std::make_unique<TolvoPortRouting>();
        dialog->Create(&host);
        QVERIFY(ShowActive(&host));
        dialog->Control(ids.first())->setFocus();
        const QList<QWidget*> walk = TabWalk(ids.size());
        QCOMPARE(walk.size(), ids.size());
        for (int i = 0; i < ids.size(); ++i) {
            QWidget* expected = dialog->Control(ids[i]);
            QVERIFY2(walk[i] == expected || expected->isAncestorOf(walk[i]),
                     qPrintable(QString("step %1 should be control %2").arg(i).arg(ids[i])));
        }
    }
};

QTEST_MAIN(TestPages)
#include "test_pages.moc"
