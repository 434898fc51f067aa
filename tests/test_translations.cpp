#include "AddressList.h"
#include "CTolvoConfigDlg.h"
#include "CliRun.h"
#include "ConfigTable.h"
#include "CoreMessages.h"
#include "DialogTemplate.h"
#include "IpAddressCtrl.h"
#include "LanguageDlg.h"
#include "ListControl.h"
#include "Profile.h"
#include "ProfileKeys.h"
#include "ProfileNotice.h"
#include "Prompts.h"
#include "SendConfirmDlg.h"
#include "SendResultsDlg.h"
#include "SimProcess.h"
#include "StringIds.h"
#include "TabControl.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"
#include "Translations.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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

// One message of a language's catalogue.
struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

QList<Message> CatalogueMessages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            messages.append({context, xml.readElementText(), {}, false});
        } else if (xml.name() == u"translation" && !messages.isEmpty()) {
            messages.last().finished = xml.attributes().value("type").isEmpty();
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

// What a translation must keep of its source: the placeholders, the
// mnemonic, the line breaks and the options to type.
QStringList Kept(const QString& text)
{
    static const QRegularExpression kept(QStringLiteral("%\\d|&(?=[^&\\s])|\\n|--[a-z][a-z-]*"));
    QStringList found;
    QString plain = text;
    plain.remove(QStringLiteral("&&"));
    for (auto it = kept.globalMatch(plain); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

const QStringList LANGUAGES = {"de", "fr", "es", "pt_BR", "it", "pl", "zh_CN", "ja"};

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
        QCOMPARE(InstallTranslations(*qApp, {program}, {"/nonexistent", CATALOGUES}), loaded);
    }

    void windowShowsTheCatalogueTextsAndTheRestAsWritten()
    {
        QLocale::setDefault(QLocale("de_DE"));
        QVERIFY(InstallTranslations(*qApp, {"TolvoSConfig"}, {CATALOGUES}));
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
        QVERIFY(InstallTranslations(*qApp, {"tolvoctl"}, {CATALOGUES}));
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

    void everyLanguageTranslatesEveryTextKeepingWhatIsTyped_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("language");
        for (const char* program : {"TolvoSConfig", "tolvoctl"}) {
            for (const QString& language : LANGUAGES)
                QTest::addRow("%s %s", program, qPrintable(language)) << program << language;
        }
    }

    void everyLanguageTranslatesEveryTextKeepingWhatIsTyped()
    {
        QFETCH(QString, program);
        QFETCH(QString, language);
        bool translated = false;
        const Entries wanted =
            TemplateEntries(QStringLiteral(CATALOGUE_TEMPLATES "/%1.ts").arg(program), translated);
        const QList<Message> messages = CatalogueMessages(
            QStringLiteral(SHIPPED_CATALOGUES "/%1_%2.ts").arg(program, language));
        QStringList problems;
        Entries have;
        for (const Message& message : messages) {
            have.insert({message.context, message.source});
            if (!message.finished || message.translation.trimmed().isEmpty())
                problems << "untranslated: " + message.source;
            else if (Kept(message.source) != Kept(message.translation))
                problems << "placeholders, mnemonic, line breaks or options differ: " +
                                message.translation;
        }
        for (const Entry& entry : wanted - have)
            problems << "missing: " + entry.second;
        QVERIFY(!wanted.isEmpty());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void windowShowsTheLanguageChosenInTheProfile()
    {
        QTemporaryDir profile;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile.path());
        SetRegistryKey(PROFILE_ROOT);
        // (On Windows the profile is the registry, where an earlier run's choice stays.)
        QVERIFY(WriteProfileString(LANGUAGE_PROFILE_SECTION, LANGUAGE_PROFILE_ENTRY, QString()));
        QCOMPARE(WindowLocale(), QLocale::system());

        // Choose German as a user does: the dialog's list, then OK.
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<LanguageDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->m_list->setCurrentIndex(dialog->m_list->findData("de"));
            dialog->accept();
        });
        PromptScript script;
        ChooseWindowLanguage(nullptr, {WINDOW_CATALOGUES});
        QCOMPARE(script.shown().size(), 1); // from the next start
        QCOMPARE(GetProfileString(LANGUAGE_PROFILE_SECTION, LANGUAGE_PROFILE_ENTRY, {}), "de");

        QVERIFY(InstallTranslations(*qApp, {"TolvoSConfig", "tolvoctl"}, {WINDOW_CATALOGUES},
                                    WindowLocale({WINDOW_CATALOGUES})));
        CTolvoConfigDlg dlg;
        dlg.Create(nullptr);
        QCOMPARE(dlg.ControlAs<QPushButton>(CTolvoConfigDlg::IDC_LOAD)->text(),
                 QCoreApplication::translate("Templates", "Load Configuration"));
        QVERIFY(dlg.ControlAs<QPushButton>(CTolvoConfigDlg::IDC_LOAD)->text() !=
                "Load Configuration");
        // The device core's sentences, from tolvoctl's catalogue.
        QVERIFY(Tr(MSG_NOT_AN_ADDRESS) != QLatin1String(MSG_NOT_AN_ADDRESS));
        QVERIFY(WriteProfileString(LANGUAGE_PROFILE_SECTION, LANGUAGE_PROFILE_ENTRY, QString()));
        ResetProfileRoot();
    }

    void firstPreferredLanguageWithACatalogueUnlessEnglish_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("expected"); // empty: English, the texts as written
        QTest::newRow("first served") << QStringList{"fr-CA", "de"} << "fr_FR";
        QTest::newRow("unserved first, then served") << QStringList{"ko-KR", "ja-JP"} << "ja_JP";
        QTest::newRow("English before a served one") << QStringList{"en-US", "en", "de"} << "";
        QTest::newRow("another country") << QStringList{"de-Latn-AT", "de-AT"} << "de_DE";
        QTest::newRow("Portugal: the Brazilian catalogue") << QStringList{"pt-PT"} << "pt_BR";
        QTest::newRow("Taiwan: not the simplified script")
            << QStringList{"zh-Hant-TW", "zh-TW"} << "";
        QTest::newRow("China") << QStringList{"zh-Hans-CN", "zh-CN"} << "zh_CN";
        QTest::newRow("C") << QStringList{"C"} << "";
    }

    void firstPreferredLanguageWithACatalogueUnlessEnglish()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QString, expected);
        const std::optional<QLocale> found = CatalogueLocale(preferred, LANGUAGES);
        QCOMPARE(found ? found->name() : QString(), expected);
    }

    void unrememberedOrUnknownLanguageChoice_data()
    {
        QTest::addColumn<QString>("profileEntry");
        QTest::addColumn<bool>("system");
        QTest::newRow("a catalogue's") << "ja" << false;
        QTest::newRow("English") << "en" << false;
        QTest::newRow("no catalogue") << "ko" << true;
        QTest::newRow("garbage") << "../../x" << true;
    }

    void unrememberedOrUnknownLanguageChoice()
    {
        QFETCH(QString, profileEntry);
        QFETCH(bool, system);
        QTemporaryDir profile;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile.path());
        SetRegistryKey(PROFILE_ROOT);
        QVERIFY(WriteProfileString(LANGUAGE_PROFILE_SECTION, LANGUAGE_PROFILE_ENTRY, profileEntry));
        QCOMPARE(WindowLocale({WINDOW_CATALOGUES}),
                 system ? QLocale::system() : QLocale(profileEntry));
        QVERIFY(WriteProfileString(LANGUAGE_PROFILE_SECTION, LANGUAGE_PROFILE_ENTRY, QString()));
        ResetProfileRoot();
    }

    void languageThatCannotBeRememberedIsSaid_data()
    {
        QTest::addColumn<bool>("addressFailedFirst");
        QTest::newRow("the first write that fails") << false;
        QTest::newRow("after the address could not be written") << true;
    }

    void languageThatCannotBeRememberedIsSaid()
    {
        QFETCH(bool, addressFailedFirst);
#ifdef Q_OS_WIN
        QSKIP("the profile is the registry here, which a test cannot make unwritable");
#endif
        // The profile's folder cannot be made: a file stands where it would be.
        QTemporaryDir dir;
        QFile file(dir.filePath("not-a-folder"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("a file") > 0);
        file.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           dir.filePath("not-a-folder/profile"));
        SetRegistryKey(PROFILE_ROOT);
        QWidget owner;
        NoteProfileWrite(&owner, true); // nothing said yet
        PromptScript script;
        if (addressFailedFirst) {
            NoteProfileWrite(&owner, WriteProfileInt(PROFILE_SECTION, PROFILE_ENTRY, 0x7F000001));
            QTRY_COMPARE(script.shown().size(), 1);
        }
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<LanguageDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->m_list->setCurrentIndex(dialog->m_list->findData("de"));
            dialog->accept();
        });
        ChooseWindowLanguage(&owner, {WINDOW_CATALOGUES});
        QVERIFY(ChosenWindowLanguage().isEmpty());
        QCOMPARE(script.shown().size(), addressFailedFirst ? 2 : 1);
        QCOMPARE(script.shown().last().text,
                 LoadResourceString(IDS_LANGUAGE_NOT_REMEMBERED).arg(ProfileLocation()));
        ResetProfileRoot();
    }

    void sendShowsEachStateAndSettingNameInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : LANGUAGES)
            QTest::newRow(qPrintable(language)) << language;
    }

    // The send's confirmation names the settings as the pages do, and its
    // results' State column holds every state uncut, however long the
    // language makes them.
    void sendShowsEachStateAndSettingNameInTheLanguage()
    {
        QFETCH(QString, language);
        QVERIFY(InstallTranslations(*qApp, {"TolvoSConfig", "tolvoctl"}, {WINDOW_CATALOGUES},
                                    QLocale(language)));
        constexpr uint32_t DEVICES = 0x7F003F01; // 127.0.63.1: three devices
        SimProcess sim({"--devices", "3"}, "127.0.63.1", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        QTemporaryDir profile;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile.path());
        SetRegistryKey(PROFILE_ROOT);
        CTolvoConfigDlg dlg;
        dlg.Create(nullptr);
        PromptScript script;
        dlg.m_deviceAddress = DEVICES;
        dlg.UpdateData(false);
        dlg.LoadConfiguration();
        dlg.m_pWiFi->m_ssidEdit->setText("Site");
        dlg.SendToDevices({DEVICES + 1, DEVICES + 2});
        QVERIFY(dlg.m_sendConfirm);
        const QTableWidget* settings = dlg.m_sendConfirm->m_table;
        const auto channel = settings->findItems("(CHANNEL)", Qt::MatchEndsWith);
        QCOMPARE(channel.size(), 1);
        QCOMPARE(channel.first()->text(),
                 dlg.m_pWiFi->m_channelEdit->accessibleName() + " (CHANNEL)");
        QTest::mouseClick(dlg.m_sendConfirm->m_sendButton, Qt::LeftButton);
        SendResultsDlg* results = dlg.m_sendResults;
        QVERIFY(results);
        QVERIFY(QTest::qWaitFor([results] { return !results->run().running(); }, 60000));
        const QTableWidget* table = results->m_table;
        const int room = table->columnWidth(SendResultsDlg::COLUMN_STATE) -
                         2 * table->fontMetrics().averageCharWidth() + 1;
        QStringList cut;
        for (int state = 0; state <= int(SendState::NotSeen); ++state) {
            const QString text = StateText(SendState(state));
            if (table->fontMetrics().horizontalAdvance(text) > room)
                cut << text;
        }
        results->close();
        ResetProfileRoot();
        QVERIFY2(cut.isEmpty(), qPrintable("cut: " + cut.join(" | ")));
    }

    void commandLineLanguage_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("expected");
        QTest::newRow("--lang first") << "ja" << QStringList{"LC_ALL=de_DE.UTF-8"} << "ja_JP";
        QTest::newRow("LC_ALL before LANG")
            << "" << QStringList{"LANG=fr_FR.UTF-8", "LC_ALL=pl_PL.UTF-8"} << "pl_PL";
        QTest::newRow("LC_MESSAGES before LANG")
            << "" << QStringList{"LANG=fr_FR", "LC_MESSAGES=pt_BR.UTF-8"} << "pt_BR";
        QTest::newRow("modifier dropped") << "" << QStringList{"LANG=de_DE@euro"} << "de_DE";
        QTest::newRow("C is English") << "" << QStringList{"LANG=C.UTF-8"} << "C";
        QTest::newRow("POSIX is English") << "POSIX" << QStringList{"LANG=de_DE"} << "C";
    }

    void commandLineLanguage()
    {
        QFETCH(QString, chosen);
        QFETCH(QStringList, environment);
        QFETCH(QString, expected);
        QProcessEnvironment variables;
        for (const QString& variable : environment)
            variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QCOMPARE(CommandLineLocale(chosen, variables).name(), expected);
    }

    void tolvoctlSpeaksTheLanguageAskedForAndJsonNever_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("--lang") << QStringList{"--lang", "de", "get"} << "" << 2 << "Geräteadresse";
        QTest::newRow("--lang=, after the command")
            << QStringList{"get", "--lang=fr"} << "" << 2 << "appareil";
        QTest::newRow("LANG") << QStringList{"get"} << "ja_JP.UTF-8" << 2 << "機器";
        QTest::newRow("--lang over LANG")
            << QStringList{"get", "--lang", "en"} << "de_DE.UTF-8" << 2 << "No device address";
        QTest::newRow("no catalogue")
            << QStringList{"--lang", "zh_TW", "get"} << "" << 2 << "\"zh_TW\" is no language";
        QTest::newRow("no value") << QStringList{"get", "--lang"} << "" << 2 << "--lang needs";
    }

    void tolvoctlSpeaksTheLanguageAskedForAndJsonNever()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, lang);
        QFETCH(int, status);
        QFETCH(QString, says);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            environment.remove(QLatin1String(variable));
        environment.insert("LANG", lang.isEmpty() ? "C" : lang);
        const CliRun run = Tolvoctl(arguments, 0, environment);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
    }

    void tolvoctlJsonIsTheSameInEveryLanguage()
    {
        SimProcess sim({}, "127.0.61.1", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        // A device that answers, and one nobody answers for: its error text.
        const QStringList arguments = {"get",  "--json",     "--timeout",
                                       "2000", "127.0.61.1", "127.0.61.2"};
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANG", "C");
        const CliRun english = Tolvoctl(arguments, 0, environment);
        QVERIFY(english.out.contains("\"error\""));
        for (const QString& language : LANGUAGES) {
            environment.insert("LANG", language + ".UTF-8");
            const CliRun other = Tolvoctl(arguments, 0, environment);
            QCOMPARE(other.status, english.status);
            QCOMPARE(other.out, english.out);
            QCOMPARE(Tolvoctl(QStringList{"--lang", language} + arguments).out, english.out);
        }
        // The parser takes -json too.
        QStringList oneDash = QStringList{"--lang", "de"} + arguments;
        oneDash.replace(oneDash.indexOf("--json"), "-json");
        QCOMPARE(Tolvoctl(oneDash).out, english.out);
    }

    void plainWordsOfALabelInEveryLanguage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words");
        QTest::newRow("mnemonic") << "&Load Configuration"
                                  << "Load Configuration";
        QTest::newRow("ellipsis") << "Add from &File..."
                                  << "Add from File";
        QTest::newRow("colon") << "Tolvo's IP &address:"
                               << "Tolvo's IP address";
        QTest::newRow("literal ampersand") << "Save && E&xit"
                                           << "Save & Exit";
        QTest::newRow("French colon after a no-break space") << "&Adresse\u00a0:"
                                                             << "Adresse";
        QTest::newRow("Japanese appended mnemonic") << "ファイルから追加(&F)..."
                                                    << "ファイルから追加";
        QTest::newRow("Chinese full-width colon") << "地址(&A)："
                                                  << "地址";
        QTest::newRow("Chinese full-width brackets") << "读取配置（&L）"
                                                     << "读取配置";
    }

    void plainWordsOfALabelInEveryLanguage()
    {
        QFETCH(QString, text);
        QFETCH(QString, words);
        QCOMPARE(PlainWords(text), words);
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
