// The window in the pseudo-language, whose texts are marked with a broken bar
// at both ends and made about 40 % longer: every text a dialog or box shows
// must carry the marks (it came from a catalogue) and fit its control (a
// longer language is not cut). CTest runs it at 96 and at 192 dpi.
#include "CAboutDlg.h"
#include "CTolvoConfigApp.h"
#include "CTolvoConfigDlg.h"
#include "ConfigTable.h"
#include "FileChooser.h"
#include "FindDevicesDlg.h"
#include "GuiTest.h"
#include "IpAddressCtrl.h"
#include "PageTable.h"
#include "Profile.h"
#include "Prompts.h"
#include "RecordDocument.h"
#include "RecordSaving.h"
#include "SendConfirmDlg.h"
#include "SendResultsDlg.h"
#include "SimProcess.h"
#include "TabControl.h"
#include "TolvoInfo.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace {

const QChar MARK(0x00A6);
// Three devices: 127.0.60.1, or 127.0.62.1 for the run at 192 dpi, which
// CTest may run at the same time.
const uint32_t DEVICES =
    qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2 ? 0x7F003E01 : 0x7F003C01;
constexpr int RUN_TIMEOUT_MS = 60000;

QString Dotted(uint32_t address)
{
    return QString::fromStdString(FormatDottedAddress(address));
}

bool IsWords(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// A text that came through the pseudo catalogue: marked at both ends.
bool Marked(const QString& text)
{
    const QString trimmed = text.trimmed();
    return !IsWords(trimmed) || (trimmed.startsWith(MARK) && trimmed.endsWith(MARK));
}

QString Shown(QString text)
{
    text.replace("&&", QString(QChar(0xFFFF)));
    text.remove('&');
    return text.replace(QChar(0xFFFF), '&');
}

int Widest(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : Shown(text).split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// What is wrong with the texts one widget shows: unmarked, or wider than
// the room the widget gives them.
class Findings {
public:
    void Text(const QWidget* w, const QString& what, const QString& text)
    {
        if (!Marked(text))
            m_list << QString("%1 %2 not translated: \"%3\"").arg(Name(w), what, text);
    }
    void Fit(const QWidget* w, const QString& text, int needed, int room)
    {
        if (needed > room)
            m_list << QString("%1 cuts \"%2\": needs %3 px, has %4")
                          .arg(Name(w), text)
                          .arg(needed)
                          .arg(room);
    }
    const QStringList& list() const { return m_list; }

private:
    static QString Name(const QWidget* w)
    {
        return QString("%1 in %2")
            .arg(QString::fromLatin1(w->metaObject()->className()), w->window()->windowTitle());
    }
    QStringList m_list;
};

// A standard button of a button box shows Qt's own text, from Qt's catalogue.
bool IsStandardButton(const QAbstractButton* button)
{
    const auto* box = qobject_cast<const QDialogButtonBox*>(button->parentWidget());
    return box != nullptr &&
           box->standardButton(const_cast<QAbstractButton*>(button)) != QDialogButtonBox::NoButton;
}

void CheckButton(Findings& f, const QAbstractButton* button)
{
    if (!IsStandardButton(button))
        f.Text(button, "button", button->text());
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle* style = button->style();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    const int room = style->subElementRect(contents, &option, button).width();
    f.Fit(button, button->text(), Widest(button->fontMetrics(), button->text()), room);
}

// Whether another control lies over the part of label its text takes: a
// label widened under its neighbour instead of moving it would be.
void CheckUncovered(Findings& f, const QLabel* label)
{
    QRect text = label->geometry();
    text.setWidth(Widest(label->fontMetrics(), label->text()));
    for (const QObject* child : label->parentWidget()->children()) {
        const auto* other = qobject_cast<const QWidget*>(child);
        if (other == nullptr || other == label || !other->isVisible() ||
            qobject_cast<const QGroupBox*>(other) || qobject_cast<const TabControl*>(other) ||
            qobject_cast<const Dialog*>(other))
            continue;
        if (other->geometry().intersects(text))
            f.Fit(label,
                  label->text() + " under a " + QLatin1String(other->metaObject()->className()),
                  text.right() + 1, other->x());
    }
}

void CheckLabel(Findings& f, const QLabel* label)
{
    f.Text(label, "label", label->text());
    if (!label->text().isEmpty())
        CheckUncovered(f, label);
    if (!label->wordWrap())
        f.Fit(label, label->text(), Widest(label->fontMetrics(), label->text()),
              label->contentsRect().width() - 2 * label->margin());
    else if (label->heightForWidth(label->contentsRect().width()) > label->contentsRect().height())
        f.Fit(label, label->text(), label->heightForWidth(label->width()), label->height());
}

void CheckCombo(Findings& f, const QComboBox* combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const int room =
        combo->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .width();
    for (int i = 0; i < combo->count(); ++i) {
        // A language is listed by its own name, the same in every language.
        if (combo->itemData(i).toString().isEmpty())
            f.Text(combo, "list item", combo->itemText(i));
        f.Fit(combo, combo->itemText(i), combo->fontMetrics().horizontalAdvance(combo->itemText(i)),
              room);
    }
}

void CheckTabs(Findings& f, const QTabBar* bar)
{
    for (int i = 0; i < bar->count(); ++i) {
        f.Text(bar, "tab", bar->tabText(i));
        const QRect tab = bar->tabRect(i);
        f.Fit(bar, bar->tabText(i), tab.right() + 1, bar->width());
        f.Fit(bar, bar->tabText(i), Widest(bar->fontMetrics(), bar->tabText(i)), tab.width());
    }
}

void CheckHeader(Findings& f, const QTableWidget* table)
{
    const QHeaderView* header = table->horizontalHeader();
    if (header->isHidden())
        return;
    const int margins = 2 * table->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 0; column < table->columnCount(); ++column) {
        const QTableWidgetItem* item = table->horizontalHeaderItem(column);
        if (item == nullptr || header->isSectionHidden(column))
            continue;
        f.Text(table, "column", item->text());
        f.Fit(table, item->text(), header->fontMetrics().horizontalAdvance(item->text()) + margins,
              header->sectionSize(column));
    }
}

// Every visible text of window and of its visible children.
QStringList Problems(QWidget* window)
{
    Findings f;
    if (window->isWindow())
        f.Text(window, "window title", window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (const QWidget* w : widgets) {
        if (!w->isVisible())
            continue;
        if (!w->accessibleName().isEmpty())
            f.Text(w, "name for screen readers", w->accessibleName());
        // A tooltip names its control, then the keys in Qt's own words.
        if (!w->toolTip().isEmpty())
            f.Text(w, "tooltip", w->toolTip().section(" (", 0, 0));
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            CheckButton(f, button);
        else if (const auto* label = qobject_cast<const QLabel*>(w))
            CheckLabel(f, label);
        else if (const auto* combo = qobject_cast<const QComboBox*>(w))
            CheckCombo(f, combo);
        else if (const auto* bar = qobject_cast<const QTabBar*>(w))
            CheckTabs(f, bar);
        else if (const auto* table = qobject_cast<const QTableWidget*>(w))
            CheckHeader(f, table);
        else if (const auto* box = qobject_cast<const QGroupBox*>(w))
            f.Text(box, "group", box->title());
        if (const auto* edit = qobject_cast<const QLineEdit*>(w);
            edit && !edit->placeholderText().isEmpty())
            f.Text(w, "hint", edit->placeholderText());
    }
    return f.list();
}

QStringList PromptProblems(const QList<Prompt>& shown)
{
    QStringList problems;
    for (const Prompt& prompt : shown) {
        // A box without a caption of its own is captioned with the program's name.
        if (prompt.caption != QApplication::applicationName() && !Marked(prompt.caption))
            problems << "box caption not translated: " + prompt.caption;
        if (!Marked(prompt.text))
            problems << "box text not translated: " + prompt.text;
    }
    return problems;
}

// The texts of a record's document that are not the record's own values
// and carry no marks.
QStringList DocumentProblems(const QTextDocument& document)
{
    QStringList problems;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        bool values = true;
        for (auto it = block.begin(); !it.atEnd(); ++it)
            values = values && IsRecordValue(it.fragment().charFormat());
        if (!values && !Marked(block.text()))
            problems << "record document text not translated: " + block.text();
    }
    return problems;
}

#define CHECK_NONE(problems)                                                                       \
    do {                                                                                           \
        const QStringList found = (problems);                                                      \
        QVERIFY2(found.isEmpty(), qPrintable("\n" + found.join('\n')));                            \
    } while (false)

} // namespace

class TestPseudoLanguage : public QObject {
    Q_OBJECT

    QTemporaryDir m_profile;
    QTemporaryDir m_files;
    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<CTolvoConfigDlg> m_dlg;

    void Load(uint32_t address, PromptScript& script)
    {
        m_dlg->m_deviceAddress = address;
        m_dlg->UpdateData(false);
        script.Answer(PromptAnswer::Cancel); // a failure's Retry question
        m_dlg->LoadConfiguration();
    }

    // What is wrong in the modal dialog that the window's system command
    // opens; the dialog is closed again.
    QStringList ModalProblems(unsigned command)
    {
        QStringList problems{"no dialog opened"};
        QTimer::singleShot(0, this, [&problems] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                problems = Problems(dialog);
                dialog->close();
            }
        });
        m_dlg->OnSysCommand(command);
        return problems;
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_profile.path());
        SetRegistryKey("Local AppWizard-Generated Applications");
        // The window's own texts and the device core's sentences, as the
        // window loads them.
        for (const char* program : {"TolvoSConfig", "tolvoctl"}) {
            auto* pseudo = new QTranslator(qApp);
            QVERIFY(pseudo->load(
                QString(PSEUDO_CATALOGUES "/%1_pseudo.qm").arg(QLatin1String(program))));
            QCoreApplication::installTranslator(pseudo);
        }
        m_sim = std::make_unique<SimProcess>(QStringList{"--devices", "3"}, Dotted(DEVICES),
                                             DEVICE_COMMAND_PORT);
        QVERIFY(m_sim->Start());
        m_dlg = std::make_unique<CTolvoConfigDlg>();
        m_dlg->Create(nullptr);
        QVERIFY(ShowActive(m_dlg.get()));
    }

    void cleanupTestCase()
    {
        m_dlg.reset();
        ResetProfileRoot();
    }

    void mainWindowAndEachPage()
    {
        for (int page = 0; page < m_dlg->m_tab->count(); ++page) {
            m_dlg->m_tab->setCurrentIndex(page);
            CHECK_NONE(Problems(m_dlg.get()));
        }
    }

    void aboutBox() { CHECK_NONE(ModalProblems(ABOUT_COMMAND_ID)); }

    void languageChoice()
    {
        CHECK_NONE(ModalProblems(LANGUAGE_COMMAND_ID));
        const QList<QAction*> actions = m_dlg->actions();
        QVERIFY(std::all_of(actions.begin(), actions.end(),
                            [](const QAction* action) { return Marked(action->text()); }));
    }

    void loadSaveAndTheirBoxes()
    {
        PromptScript script;
        m_dlg->SaveConfiguration(); // before any load: asks for one
        Load(DEVICES + 10, script); // nobody there: the failure and its Retry
        Load(DEVICES, script);
        m_dlg->m_pWiFi->m_ssidEdit->setText("Site");
        m_dlg->SaveConfiguration();
        m_dlg->m_pWiFi->m_channelEdit->setText("99");
        m_dlg->SaveConfiguration(); // the value's rule
        m_dlg->m_pWiFi->m_channelEdit->setText("6");
        QVERIFY(script.shown().size() >= 5);
        CHECK_NONE(PromptProblems(script.shown()));
        CHECK_NONE(Problems(m_dlg.get())); // the marks of values unlike the device's
    }

    void exportAndImportBoxes()
    {
        const QString good = m_files.filePath("site.json");
        const QString bad = m_files.filePath("bad.json");
        QFile badFile(bad);
        QVERIFY(badFile.open(QIODevice::WriteOnly) && badFile.write("{ no json") > 0);
        badFile.close();
        PromptScript script;
        script.Answer(PromptAnswer::Ok).Answer(PromptAnswer::Ok).Answer(PromptAnswer::Yes);
        FileChoiceScript files;
        files.Answer(good).Answer(m_files.filePath("missing/x.json")).Answer(bad).Answer(good);
        m_dlg->ExportSettings();
        m_dlg->ExportSettings(); // to a folder that is not there
        m_dlg->ImportSettings();
        m_dlg->ImportSettings();
        QVERIFY(script.shown().size() >= 4);
        CHECK_NONE(PromptProblems(script.shown()));
    }

    void findDevicesWithResults()
    {
        PromptScript script;
        m_dlg->FindDevices();
        FindDevicesDlg* find = m_dlg->m_findDevices;
        QVERIFY(find && find->isVisible());
        CHECK_NONE(Problems(find));
        find->m_rangeEdit->setText(Dotted(DEVICES) + "-");
        QTest::mouseClick(find->m_searchButton, Qt::LeftButton);
        find->m_rangeEdit->setText(Dotted(DEVICES) + "-" + Dotted(DEVICES + 3));
        QTest::mouseClick(find->m_searchButton, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor(
            [find] { return find->m_table->rowCount() == 3 && !find->m_cancelButton->isEnabled(); },
            RUN_TIMEOUT_MS));
        CHECK_NONE(Problems(find));
        QTest::mouseClick(find->m_sendButton, Qt::LeftButton); // none picked
        CHECK_NONE(PromptProblems(script.shown()));
        QVERIFY(!script.shown().isEmpty());
        find->close();
    }

    void sendConfirmationAndResults()
    {
        PromptScript script;
        m_dlg->SendToDevices({DEVICES + 1, DEVICES + 2});
        SendConfirmDlg* confirm = m_dlg->m_sendConfirm;
        QVERIFY(confirm && confirm->isVisible());
        confirm->m_own[1]->setChecked(true); // the address plan's panel
        CHECK_NONE(Problems(confirm));
        // The settings' names, each with its key (a key stays as it is).
        for (int row = 0; row < confirm->m_table->rowCount(); ++row)
            QVERIFY2(Marked(confirm->m_table->item(row, 0)->text().section(" (", 0, 0)),
                     qPrintable(confirm->m_table->item(row, 0)->text()));
        confirm->m_own[1]->setChecked(false);
        QTest::mouseClick(confirm->m_sendButton, Qt::LeftButton);
        SendResultsDlg* results = m_dlg->m_sendResults;
        QVERIFY(results);
        QVERIFY(QTest::qWaitFor([results] { return !results->run().running(); }, RUN_TIMEOUT_MS));
        results->m_table->selectRow(0);
        CHECK_NONE(Problems(results));
        for (const int column : {SendResultsDlg::COLUMN_STATE, SendResultsDlg::COLUMN_DEVICE}) {
            for (int row = 0; row < results->m_table->rowCount(); ++row)
                QVERIFY2(Marked(results->m_table->item(row, column)->text()),
                         qPrintable(results->m_table->item(row, column)->text()));
        }
        CHECK_NONE(PromptProblems(script.shown()));
        results->close();
    }

    // The check's results: its captions and texts, and the states and
    // differences in the table's cells, which Problems does not read.
    void checkResults()
    {
        PromptScript script;
        m_dlg->m_pWiFi->m_ssidEdit->setText("Checked"); // each device differs from the pages
        m_dlg->CheckDevices({DEVICES, DEVICES + 1, DEVICES + 10});
        SendResultsDlg* results = m_dlg->m_sendResults;
        QVERIFY(results);
        QVERIFY(QTest::qWaitFor([results] { return !results->run().running(); }, RUN_TIMEOUT_MS));
        results->m_table->selectRow(1);
        CHECK_NONE(Problems(results));
        QStringList cells;
        for (int row = 0; row < results->m_table->rowCount(); ++row)
            for (const int column : {SendResultsDlg::COLUMN_STATE, SendResultsDlg::COLUMN_DEVICE,
                                     SendResultsDlg::COLUMN_CHANGES})
                if (!Marked(results->m_table->item(row, column)->text()))
                    cells << results->m_table->item(row, column)->text();
        CHECK_NONE(cells);
        // Two devices differ in the SSID; nobody answers at the third address.
        QCOMPARE(results->run().Count(SendState::Differs), 2);
        QCOMPARE(results->run().Count(SendState::Failed), 1);
        CHECK_NONE(PromptProblems(script.shown()));
        results->close();
        m_dlg->m_pWiFi->m_ssidEdit->setText("Site");
    }

    // Save Record's note dialog, and the record's document of every kind of
    // run and outcome: each text from the catalogue, the settings by the
    // names the pages give them.
    void recordDialogAndDocument()
    {
        QVERIFY(m_dlg->m_recordAction->isEnabled()); // after the save above
        QStringList problems;
        QTimer::singleShot(0, this, [&problems] {
            QWidget* dialog = QApplication::activeModalWidget();
            problems = dialog ? Problems(dialog) : QStringList{"no note dialog"};
            if (dialog)
                dialog->close();
        });
        m_dlg->SaveSessionRecord();
        CHECK_NONE(problems);
        const RecordDevice saved = m_dlg->session().record()->device;
        RecordDevice differs = saved;
        differs.outcome = RecordOutcome::Differs;
        differs.differences = {{"SSID", "Site", "Other"}, {"PASSWORD", "********", "********"}};
        RecordDevice failed;
        failed.address = Dotted(DEVICES + 10);
        failed.error = "not reached";
        for (const RecordKind kind : {RecordKind::Save, RecordKind::Check, RecordKind::Load}) {
            CommissioningRecord record = WindowRecord(kind, "note\nsecond line");
            record.devices = {kind == RecordKind::Check ? differs : saved, failed};
            const auto document = RecordDocument(record, "record.json", QByteArray(64, 'a'));
            CHECK_NONE(DocumentProblems(*document));
        }
        const Pages pages{*m_dlg->m_pInfo, *m_dlg->m_pWiFi, *m_dlg->m_pPortSettings,
                          *m_dlg->m_pPortRouting};
        const DeviceSettings table;
        for (int group = 0; group < int(table.size()); ++group)
            for (int index = 0; index < table[group].count(); ++index)
                QVERIFY(Marked(ShownSettingName(QLatin1String(table[group].rows[index].key))));
        for (const ParamRow row : WritableRows())
            QCOMPARE(ShownSettingName(QLatin1String(table.Find(row.group, row.index)->key)),
                     RowName(pages, row));
    }

    void quitWithUnsavedChanges()
    {
        PromptScript script;
        script.Answer(PromptAnswer::No);
        m_dlg->m_pWiFi->m_deviceNameEdit->setText("Changed");
        m_dlg->close();
        QCOMPARE(script.shown().size(), 1);
        CHECK_NONE(PromptProblems(script.shown()));
    }
};

QTEST_MAIN(TestPseudoLanguage)
#include "test_pseudo_language.moc"
