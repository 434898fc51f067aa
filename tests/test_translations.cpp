#include "AddressList.h"
#include "CTolvoConfigDlg.h"
#include "DialogTemplate.h"
#include "IpAddressCtrl.h"
#include "ListControl.h"
#include "Prompts.h"
#include "TabControl.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"
#include "Translations.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QString CATALOGUES = QStringLiteral(TEST_CATALOGUES);

using Entry = QPair<QString, QString>; // context, source text
using Entries = QSet<Entry>;

// The messages of a catalogue template, and whether any holds a translation.
Entries TemplateEntries(const QString& path, bool& translated)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Entries entries;
    QXmlStreamReader xml(&file);
    QString context;
    translated = false;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            entries.insert({context, xml.readElementText()});
        else if (xml.name() == u"translation")
            translated |= !xml.readElementText().isEmpty();
    }
    return entries;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        qDeleteAll(qApp->findChildren<QTranslator*>()); // each removes itself
        QLocale::setDefault(QLocale::c());
    }

    void catalogueOfTheUsersLanguageIsLoaded_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("German, Germany") << "de_DE"
                                         << "TolvoSConfig" << true;
        QTest::newRow("German, Austria: the language's catalogue") << "de_AT"
                                                                   << "TolvoSConfig" << true;
        QTest::newRow("tolvoctl, German") << "de_DE"
                                          << "tolvoctl" << true;
        QTest::newRow("French: none") << "fr_FR"
                                      << "TolvoSConfig" << false;
        QTest::newRow("English: none, the texts as written") << "en_US"
                                                             << "tolvoctl" << false;
    }

    void catalogueOfTheUsersLanguageIsLoaded()
    {
        QFETCH(QString, locale);
        QFETCH(QString, program);
        QFETCH(bool, loaded);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(InstallTranslations(*qApp, program, {"/nonexistent", CATALOGUES}), loaded);
    }

    void windowShowsTheCatalogueTextsAndTheRestAsWritten()
    {
        QLocale::setDefault(QLocale("de_DE"));
        QVERIFY(InstallTranslations(*qApp, "TolvoSConfig", {CATALOGUES}));
        CTolvoConfigDlg dlg;
        dlg.Create(nullptr);

        QCOMPARE(dlg.m_tab->tabText(1), QString("WLAN-Einstellungen"));
        QCOMPARE(dlg.m_tab->tabText(3), QString("Port Routing"));
        QCOMPARE(dlg.ControlAs<QPushButton>(CTolvoConfigDlg::IDC_LOAD)->text(),
                 QString("Konfiguration laden"));
        // The same text in another context is translated apart.
        QCOMPARE(dlg.ControlAs<QPushButton>(CTolvoConfigDlg::IDC_SAVE)->text(),
                 QString("Save Configuration"));
        // Names for screen readers follow the translated label.
        auto* address = dlg.ControlAs<IpAddressCtrl>(CTolvoConfigDlg::IDC_DEVICE_ADDRESS);
        QCOMPARE(address->accessibleName(), QString("IP-Adresse des Tolvo"));
        QCOMPARE(address->field(0)->accessibleName(),
                 QString("IP-Adresse des Tolvo, Teil 1 von 4"));
        // List items in words are translated; numbers stay as they are.
        auto* wifi = qobject_cast<TolvoWiFi*>(dlg.m_pages[1]);
        QCOMPARE(ListItems(wifi->ControlAs<QComboBox>(TolvoWiFi::IDC_NETWORK_TYPE)),
                 QStringList({"Access Point", "Infrastruktur"}));
        auto* ports = qobject_cast<TolvoPortSettings*>(dlg.m_pages[2]);
        QCOMPARE(ListItems(ports->ControlAs<QComboBox>(TolvoPortSettings::IDC_RS232_BAUD)).first(),
                 QString("9600"));

        // A message of the string table: caption translated, text as written.
        // (A save before any load sends nothing; the address is loopback all the same.)
        dlg.m_deviceAddress = 0x7F000001;
        dlg.UpdateData(false);
        PromptScript script;
        QTest::mouseClick(dlg.ControlAs<QPushButton>(CTolvoConfigDlg::IDC_SAVE), Qt::LeftButton);
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown().first().caption, QString("Konfiguration speichern"));
        QVERIFY(script.shown().first().text.startsWith("Load the configuration from the device"));
    }

    void tolvoctlMessagesInTheUsersLanguage()
    {
        QLocale::setDefault(QLocale("de_DE"));
        QVERIFY(InstallTranslations(*qApp, "tolvoctl", {CATALOGUES}));
        uint32_t address = 0;
        QString error;
        QVERIFY(!ParseAddressArgument("10.0.0", address, error));
        QCOMPARE(error, QString("„10.0.0“ ist keine IPv4-Adresse (vier Zahlen von 0 bis 255, "
                                "durch Punkte getrennt)."));
        Assignment assignment;
        QVERIFY(!ParseAssignment("CHANNEL=99", assignment, error));
        QCOMPARE(error, QString("CHANNEL: value \"99\" is not valid; allowed: eine ganze Zahl von "
                                "0 bis 14."));
    }

    void templatesHoldEveryTextUntranslated_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<Entries>("expected");
        QFile file(":/templates.json");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::optional<ProgramResources> resources = ParseResources(file.readAll());
        QVERIFY(resources);
        Entries window;
        for (const TranslatableText& text : TranslatableTexts(*resources))
            window.insert({QLatin1String(text.context), text.text});
        QVERIFY(window.contains(Entry{"Strings", "Could not connecto to Tolvo."}));
        QVERIFY(window.contains(Entry{"Strings", "%1\n%2 of %3"}));
        QVERIFY(window.contains(Entry{"Templates", "Infrastracture"}));
        QVERIFY(!window.contains(Entry{"Templates", "9600"}));
        QTest::newRow("window program") << "TolvoSConfig" << window;
        QTest::newRow("tolvoctl")
            << "tolvoctl"
            << Entries{{"tolvoctl", "%1 of %2 addresses answered."},
                       {"tolvoctl", "\"%1\" is no command; \"tolvoctl --help\" lists them."},
                       {"tolvoctl", "text of at most %1 Latin-1 characters, without line breaks "
                                    "or zero characters"}};
    }

    void templatesHoldEveryTextUntranslated()
    {
        QFETCH(QString, program);
        QFETCH(Entries, expected);
        bool translated = true;
        const Entries entries =
            TemplateEntries(QStringLiteral(CATALOGUE_TEMPLATES "/%1.ts").arg(program), translated);
        QVERIFY(!entries.isEmpty());
        QVERIFY(!translated);
        const Entries missing = expected - entries;
        QStringList texts;
        for (const Entry& entry : missing)
            texts << entry.second;
        QVERIFY2(missing.isEmpty(), qPrintable("missing: " + texts.join(" | ")));
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
