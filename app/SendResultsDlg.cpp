#include "SendResultsDlg.h"

#include "DialogTemplate.h"
#include "FileChooser.h"
#include "Prompts.h"
#include "RecordSaving.h"
#include "SendConfirmDlg.h"
#include "StagedFile.h"
#include "StringIds.h"
#include "TextFit.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int COLUMNS = 6;
const QString REPORT_SUFFIX = QStringLiteral("csv");
// Wide enough for the changed settings of a few rows, in average characters.
constexpr int WIDTH_CHARS = 110;
constexpr int DETAILS_LINES = 8;

// A check's note of what it compares, and what it leaves alone.
QString ComparedText(const SettingValues& compared)
{
    QStringList keys;
    for (const auto& setting : compared)
        keys << setting.first;
    QStringList own;
    for (const QStringList& tick : SendConfirmDlg::OWN_SETTINGS)
        own << tick;
    return LoadResourceString(IDS_CHECK_COMPARED).arg(keys.join(", "), own.join(", "));
}

} // namespace

SendResultsDlg::SendResultsDlg(QWidget* parent, std::unique_ptr<SendRun> run)
    : QDialog(parent), m_progress(new QProgressBar(this)), m_summary(new QLabel(this)),
      m_compared(new QLabel(this)),
      m_table(new QTableWidget(int(run->rows().size()), COLUMNS, this)),
      m_details(new QPlainTextEdit(this)),
      m_cancelButton(new QPushButton(LoadResourceString(IDS_FIND_CANCEL), this)),
      m_retryButton(new QPushButton(LoadResourceString(IDS_SEND_RETRY), this)),
      m_reportButton(new QPushButton(LoadResourceString(IDS_SEND_SAVE_REPORT), this)),
      m_recordButton(new QPushButton(LoadResourceString(IDS_RECORD_SAVE_ACTION), this)),
      m_closeButton(nullptr), m_run(std::move(run))
{
    const bool checking = m_run->checking();
    setWindowTitle(
        LoadResourceString(checking ? IDS_CHECK_RESULTS_CAPTION : IDS_SEND_RESULTS_CAPTION)
            .arg(m_run->rows().size()));
    m_progress->setAccessibleName(LoadResourceString(IDS_SEND_PROGRESS_NAME));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_compared->setWordWrap(true);
    m_compared->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (checking)
        m_compared->setText(ComparedText(m_run->wanted()));
    m_compared->setVisible(checking);
    m_table->setHorizontalHeaderLabels(
        {LoadResourceString(IDS_FIND_COLUMN_ADDRESS), LoadResourceString(IDS_SEND_COLUMN_NOW_AT),
         LoadResourceString(IDS_FIND_COLUMN_SERIAL), LoadResourceString(IDS_SEND_COLUMN_STATE),
         LoadResourceString(IDS_SEND_COLUMN_DEVICE),
         LoadResourceString(ChangesHeading(checking ? RunKind::Check : RunKind::Send))});
    m_table->setAccessibleName(LoadResourceString(IDS_SEND_RESULTS_TABLE_NAME));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    // Widths set once: sizing the columns to their contents at every row's
    // change would cost each change a pass over the whole table.
    // The widest of each column's texts: which one that is depends on the
    // language.
    QStringList states;
    for (int state = 0; state <= int(SendState::NotSeen); ++state)
        states << StateText(SendState(state));
    QStringList outcomes;
    for (int outcome = 0; outcome <= int(DeviceOutcome::Unknown); ++outcome)
        outcomes << OutcomeText(DeviceOutcome(outcome));
    const QStringList widest[COLUMN_CHANGES] = {
        {"255.255.255.255"}, {"255.255.255.255"}, {"TS-240117-0000"}, states, outcomes};
    const int margin = 2 * fontMetrics().averageCharWidth();
    for (int column = 0; column < COLUMN_CHANGES; ++column) {
        int width = fontMetrics().horizontalAdvance(m_table->horizontalHeaderItem(column)->text());
        for (const QString& text : widest[column])
            width = std::max(width, fontMetrics().horizontalAdvance(text));
        m_table->setColumnWidth(column, width + margin);
    }
    m_table->horizontalHeader()->setStretchLastSection(true);
    WidenColumnsToTitles(m_table);
    auto* detailsLabel = new QLabel(LoadResourceString(IDS_SEND_DETAILS_LABEL), this);
    detailsLabel->setBuddy(m_details);
    m_details->setReadOnly(true);
    m_details->setAccessibleName(LoadResourceString(IDS_SEND_DETAILS_NAME));
    m_details->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_details->setFixedHeight(m_details->fontMetrics().lineSpacing() * DETAILS_LINES);
    auto* closeBox = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_closeButton = closeBox->button(QDialogButtonBox::Close);
    for (QPushButton* button :
         {m_cancelButton, m_retryButton, m_reportButton, m_recordButton, m_closeButton})
        button->setAutoDefault(false);
    m_recordButton->setToolTip(LoadResourceString(IDS_RECORD_ACTION_NAME));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_retryButton);
    buttons->addWidget(m_reportButton);
    buttons->addWidget(m_recordButton);
    buttons->addStretch(1);
    buttons->addWidget(closeBox);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_progress, 0, 0);
    layout->addWidget(m_summary, 1, 0);
    layout->addWidget(m_compared, 2, 0);
    layout->addWidget(m_table, 3, 0);
    layout->addWidget(detailsLabel, 4, 0);
    layout->addWidget(m_details, 5, 0);
    layout->addLayout(buttons, 6, 0);
    layout->setRowStretch(3, 1);
    resize(sizeHint().expandedTo(QSize(fontMetrics().averageCharWidth() * WIDTH_CHARS, 0)));
    setTabOrder(m_table, m_details);
    setTabOrder(m_details, m_cancelButton);

    connect(m_run.get(), &SendRun::rowChanged, this, &SendResultsDlg::ShowRow);
    connect(m_run.get(), &SendRun::progress, this, &SendResultsDlg::ShowProgress);
    connect(m_run.get(), &SendRun::finished, this, &SendResultsDlg::RunEnded);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &SendResultsDlg::ShowDetails);
    connect(m_cancelButton, &QPushButton::clicked, this, &SendResultsDlg::Cancel);
    connect(m_retryButton, &QPushButton::clicked, this, [this] {
        Begin();
        m_run->Retry();
    });
    connect(m_reportButton, &QPushButton::clicked, this, &SendResultsDlg::SaveReport);
    connect(m_recordButton, &QPushButton::clicked, this, &SendResultsDlg::SaveRecord);
    connect(closeBox, &QDialogButtonBox::rejected, this, &SendResultsDlg::reject);
    for (int row = 0; row < m_table->rowCount(); ++row)
        ShowRow(row);
    Begin();
    m_run->Start();
}

SendResultsDlg::~SendResultsDlg() = default;

void SendResultsDlg::Begin()
{
    m_cancelButton->setEnabled(true);
    m_retryButton->setEnabled(false);
    m_reportButton->setEnabled(false);
    m_recordButton->setEnabled(false);
    m_cancelButton->setFocus(Qt::OtherFocusReason);
}

void SendResultsDlg::ShowRow(int row)
{
    const SendRow& shown = m_run->rows()[row];
    const bool ended = shown.state >= SendState::Verified;
    // Now At: where a device that moved was verified.
    const QString texts[COLUMNS] = {QString::fromStdString(FormatDottedAddress(shown.address)),
                                    shown.nowAt != 0 ? DottedText(shown.nowAt) : QString(),
                                    shown.serial,
                                    StateText(shown.state),
                                    ended ? OutcomeText(shown.outcome) : QString(),
                                    shown.changes.join("; ")};
    for (int column = 0; column < COLUMNS; ++column) {
        QTableWidgetItem* item = m_table->item(row, column);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            m_table->setItem(row, column, item);
        }
        item->setText(texts[column]);
    }
    if (m_table->currentRow() == row)
        ShowDetails();
}

void SendResultsDlg::ShowDetails()
{
    const int row = m_table->currentRow();
    if (row < 0) {
        m_details->clear();
        return;
    }
    const SendRow& shown = m_run->rows()[row];
    QStringList parts;
    for (const QString& part : {shown.failure, shown.changes.join('\n'), shown.transcript})
        if (!part.isEmpty())
            parts << part;
    m_details->setPlainText(parts.join("\n\n"));
}

void SendResultsDlg::ShowProgress(int done, int total)
{
    m_progress->setRange(0, std::max(total, 1));
    m_progress->setValue(done);
    QString text = LoadResourceString(m_run->checking() ? IDS_CHECK_RUNNING : IDS_SEND_RUNNING)
                       .arg(done)
                       .arg(total);
    if (m_cancelling)
        text += ' ' + LoadResourceString(IDS_SEND_CANCELLING).arg(m_run->UnderWay());
    m_summary->setText(text);
}

void SendResultsDlg::Cancel()
{
    m_run->Cancel();
    m_cancelButton->setEnabled(false);
    m_cancelling = true;
    ShowProgress(m_run->done(), m_run->total());
}

void SendResultsDlg::RunEnded()
{
    m_cancelling = false;
    m_summary->setText(m_run->Summary());
    m_summary->setAccessibleDescription(m_summary->text());
    m_cancelButton->setEnabled(false);
    m_retryButton->setEnabled(m_run->Count(SendState::Failed) > 0);
    m_reportButton->setEnabled(true);
    m_recordButton->setEnabled(true);
    m_table->setFocus(Qt::OtherFocusReason);
    if (m_table->currentRow() < 0 && m_table->rowCount() > 0)
        m_table->setCurrentCell(0, 0);
}

void SendResultsDlg::SaveReport()
{
    const QString caption = PlainWords(LoadResourceString(IDS_SEND_SAVE_REPORT));
    const QString path = ChooseFile(this, FileChoice::Save, caption,
                                    LoadResourceString(IDS_SEND_REPORT_FILTER), REPORT_SUFFIX);
    if (path.isEmpty())
        return;
    QString error;
    if (!SaveFileAtomically(path, m_run->ReportCsv(), error)) {
        ShowPrompt(this,
                   {error, LoadResourceString(IDS_SEND_REPORT_FAILED_CAPTION), PromptIcon::Error});
        return;
    }
    m_summary->setText(
        m_run->Summary() + "\n" +
        LoadResourceString(IDS_SEND_REPORT_SAVED).arg(QDir::toNativeSeparators(path)));
}

void SendResultsDlg::SaveRecord()
{
    SaveRecordAsked(this, m_run->recordKind(), m_run->RecordDevices());
}

void SendResultsDlg::reject()
{
    // Closing while devices are under way only stops starting more: the
    // dialog stays until those under way have ended, so each row stays true.
    if (m_run->running()) {
        Cancel();
        return;
    }
    QDialog::reject();
}
