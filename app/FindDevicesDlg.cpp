#include "FindDevicesDlg.h"

#include "AddressList.h"
#include "ConfigTable.h"
#include "CoreMessages.h"
#include "DeviceScan.h"
#include "DialogTemplate.h"
#include "FileChooser.h"
#include "Profile.h"
#include "ProfileKeys.h"
#include "ProfileNotice.h"
#include "Prompts.h"
#include "StringIds.h"
#include "TextFit.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace {

enum Column { COLUMN_ADDRESS, COLUMN_SERIAL, COLUMN_NAME, COLUMN_FIRMWARE, COLUMNS };

// The width the dialog opens with, in average characters.
constexpr int WIDTH_CHARS = 90;

} // namespace

QString ProposedRange()
{
    return GetProfileString(FIND_PROFILE_SECTION, FIND_PROFILE_ENTRY, LocalScanRanges().join(", "));
}

std::optional<std::vector<uint32_t>> ParseRanges(const QString& text, QString& error)
{
    std::vector<uint32_t> addresses;
    for (const QString& part : text.split(',')) {
        const QString range = part.trimmed();
        if (!range.isEmpty() && !ParseRange(range, addresses, error))
            return std::nullopt;
    }
    if (addresses.empty()) {
        error = LoadResourceString(IDS_FIND_RANGE_EMPTY);
        return std::nullopt;
    }
    return addresses;
}

FindDevicesDlg::FindDevicesDlg(QWidget* parent, quint16 port, int timeoutMs)
    : QDialog(parent), m_rangeEdit(new QLineEdit(this)),
      m_searchButton(new QPushButton(LoadResourceString(IDS_FIND_SEARCH), this)),
      m_cancelButton(new QPushButton(LoadResourceString(IDS_FIND_CANCEL), this)),
      m_progress(new QProgressBar(this)), m_status(new QLabel(this)),
      m_table(new QTableWidget(0, COLUMNS, this)),
      m_tickAllButton(new QPushButton(LoadResourceString(IDS_FIND_TICK_ALL), this)),
      m_pasteButton(new QPushButton(LoadResourceString(IDS_FIND_PASTE), this)),
      m_addFileButton(new QPushButton(LoadResourceString(IDS_FIND_ADD_FILE), this)),
      m_sendButton(new QPushButton(LoadResourceString(IDS_FIND_SEND), this)),
      m_checkButton(new QPushButton(LoadResourceString(IDS_FIND_CHECK), this)), m_port(port),
      m_timeoutMs(timeoutMs)
{
    setWindowTitle(LoadResourceString(IDS_FIND_CAPTION));
    auto* rangeLabel = new QLabel(LoadResourceString(IDS_FIND_RANGE_LABEL), this);
    rangeLabel->setBuddy(m_rangeEdit);
    m_rangeEdit->setAccessibleName(LoadResourceString(IDS_FIND_RANGE_NAME));
    m_rangeEdit->setText(ProposedRange());
    for (QPushButton* button : {m_searchButton, m_cancelButton, m_tickAllButton, m_pasteButton,
                                m_addFileButton, m_sendButton, m_checkButton})
        button->setAutoDefault(false);
    m_checkButton->setAccessibleName(LoadResourceString(IDS_FIND_CHECK_NAME));
    m_cancelButton->setEnabled(false);
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_table->setHorizontalHeaderLabels(
        {LoadResourceString(IDS_FIND_COLUMN_ADDRESS), LoadResourceString(IDS_FIND_COLUMN_SERIAL),
         LoadResourceString(IDS_FIND_COLUMN_NAME), LoadResourceString(IDS_FIND_COLUMN_FIRMWARE)});
    m_table->setAccessibleName(LoadResourceString(IDS_FIND_TABLE_NAME));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* pickButtons = new QHBoxLayout;
    for (QPushButton* button : {m_tickAllButton, m_pasteButton, m_addFileButton})
        pickButtons->addWidget(button);
    pickButtons->addStretch(1);
    pickButtons->addWidget(m_sendButton);
    pickButtons->addWidget(m_checkButton);

    auto* layout = new QGridLayout(this);
    layout->addWidget(rangeLabel, 0, 0);
    layout->addWidget(m_rangeEdit, 0, 1);
    layout->addWidget(m_searchButton, 0, 2);
    layout->addWidget(m_cancelButton, 0, 3);
    layout->addWidget(m_progress, 1, 0, 1, 4);
    layout->addWidget(m_status, 2, 0, 1, 4);
    layout->addWidget(m_table, 3, 0, 1, 4);
    layout->addLayout(pickButtons, 4, 0, 1, 4);
    layout->addWidget(buttons, 5, 0, 1, 4);
    layout->setColumnStretch(1, 1);
    resize(sizeHint().expandedTo(QSize(fontMetrics().averageCharWidth() * WIDTH_CHARS, 0)));

    connect(m_searchButton, &QPushButton::clicked, this, &FindDevicesDlg::Search);
    connect(m_cancelButton, &QPushButton::clicked, this, &FindDevicesDlg::Stop);
    connect(buttons, &QDialogButtonBox::rejected, this, &FindDevicesDlg::reject);
    connect(m_tickAllButton, &QPushButton::clicked, this, &FindDevicesDlg::TickAll);
    connect(m_pasteButton, &QPushButton::clicked, this, &FindDevicesDlg::PasteAddresses);
    connect(m_addFileButton, &QPushButton::clicked, this, &FindDevicesDlg::AddFromFile);
    connect(m_sendButton, &QPushButton::clicked, this, &FindDevicesDlg::sendRequested);
    connect(m_checkButton, &QPushButton::clicked, this, &FindDevicesDlg::checkRequested);
    connect(m_table, &QTableWidget::cellActivated, this, [this](int row, int) { Choose(row); });
    m_table->installEventFilter(this); // Space ticks the selection, before the table takes it
    m_rangeEdit->setFocus(Qt::OtherFocusReason);
}

FindDevicesDlg::~FindDevicesDlg() = default;

bool FindDevicesDlg::searching() const
{
    return m_scan && m_scan->running();
}

void FindDevicesDlg::Search()
{
    if (searching())
        return;
    QString error;
    const std::optional<std::vector<uint32_t>> addresses = ParseRanges(m_rangeEdit->text(), error);
    if (!addresses) {
        SetStatus(error);
        ShowPrompt(this, {error, LoadResourceString(IDS_FIND_CAPTION), PromptIcon::Exclamation});
        m_rangeEdit->setFocus(Qt::OtherFocusReason);
        m_rangeEdit->selectAll();
        return;
    }
    NoteProfileWrite(this, WriteProfileString(FIND_PROFILE_SECTION, FIND_PROFILE_ENTRY,
                                              m_rangeEdit->text().trimmed()));
    m_table->setRowCount(0);
    m_chosen.reset();
    m_scan = std::make_unique<DeviceScan>(*addresses, m_port, m_timeoutMs);
    connect(m_scan.get(), &DeviceScan::deviceFound, this, &FindDevicesDlg::AddDevice);
    connect(m_scan.get(), &DeviceScan::progress, this, &FindDevicesDlg::ShowProgress);
    connect(m_scan.get(), &DeviceScan::finished, this, &FindDevicesDlg::SearchEnded);
    m_searchButton->setEnabled(false);
    m_cancelButton->setEnabled(true);
    m_cancelButton->setFocus(Qt::OtherFocusReason);
    m_scan->Start();
}

void FindDevicesDlg::Stop()
{
    if (searching())
        m_scan->Cancel();
}

void FindDevicesDlg::reject()
{
    Stop();
    QDialog::reject();
}

void FindDevicesDlg::AddDevice(const FoundDevice& device)
{
    AddRow(device.address, device.serialNumber, device.deviceName, device.firmwareVersion);
    if (m_table->rowCount() == 1)
        m_table->selectRow(0);
}

void FindDevicesDlg::AddRow(uint32_t address, const QString& serial, const QString& name,
                            const QString& firmware)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    const QString texts[COLUMNS] = {DottedText(address), serial, name, firmware};
    for (int column = 0; column < COLUMNS; ++column) {
        auto* item = new QTableWidgetItem(texts[column]);
        item->setData(Qt::UserRole, address);
        m_table->setItem(row, column, item);
    }
    m_table->item(row, COLUMN_ADDRESS)->setCheckState(Qt::Unchecked);
}

int FindDevicesDlg::RowOf(uint32_t address) const
{
    for (int row = 0; row < m_table->rowCount(); ++row)
        if (m_table->item(row, COLUMN_ADDRESS)->data(Qt::UserRole).toUInt() == address)
            return row;
    return -1;
}

std::vector<uint32_t> FindDevicesDlg::picked() const
{
    std::vector<uint32_t> ticked;
    std::vector<uint32_t> selected;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QTableWidgetItem* item = m_table->item(row, COLUMN_ADDRESS);
        const uint32_t address = item->data(Qt::UserRole).toUInt();
        if (item->checkState() == Qt::Checked)
            ticked.push_back(address);
        if (m_table->selectionModel()->rowIntersectsSelection(row))
            selected.push_back(address);
    }
    return ticked.empty() ? selected : ticked;
}

void FindDevicesDlg::AddAddresses(const std::vector<uint32_t>& addresses)
{
    for (const uint32_t address : addresses) {
        if (RowOf(address) < 0)
            AddRow(address, {}, {}, {});
        m_table->item(RowOf(address), COLUMN_ADDRESS)->setCheckState(Qt::Checked);
    }
}

void FindDevicesDlg::TickAll()
{
    bool allTicked = true;
    for (int row = 0; row < m_table->rowCount(); ++row)
        allTicked = allTicked && m_table->item(row, COLUMN_ADDRESS)->checkState() == Qt::Checked;
    for (int row = 0; row < m_table->rowCount(); ++row)
        m_table->item(row, COLUMN_ADDRESS)->setCheckState(allTicked ? Qt::Unchecked : Qt::Checked);
}

void FindDevicesDlg::TickSelected()
{
    const QList<QTableWidgetItem*> selected = m_table->selectedItems();
    bool allTicked = true;
    for (const QTableWidgetItem* item : selected)
        allTicked =
            allTicked && m_table->item(item->row(), COLUMN_ADDRESS)->checkState() == Qt::Checked;
    for (const QTableWidgetItem* item : selected)
        m_table->item(item->row(), COLUMN_ADDRESS)
            ->setCheckState(allTicked ? Qt::Unchecked : Qt::Checked);
}

void FindDevicesDlg::PasteAddresses()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        SetStatus(LoadResourceString(IDS_FIND_PASTE_EMPTY));
        return;
    }
    std::vector<uint32_t> addresses;
    QString error;
    const QString where = PlainWords(LoadResourceString(IDS_FIND_PASTE));
    TakeListed(ParseHostsText(text, where, addresses, error), addresses, error);
}

void FindDevicesDlg::AddFromFile()
{
    const QString caption = PlainWords(LoadResourceString(IDS_FIND_ADD_FILE));
    const QString path =
        ChooseFile(this, FileChoice::Open, caption, LoadResourceString(IDS_FIND_LIST_FILTER));
    if (path.isEmpty())
        return;
    std::vector<uint32_t> addresses;
    QString error;
    TakeListed(ReadHostsFile(QDir::toNativeSeparators(path), addresses, error), addresses, error);
}

void FindDevicesDlg::TakeListed(bool parsed, const std::vector<uint32_t>& addresses,
                                const QString& error)
{
    if (!parsed) {
        SetStatus(error);
        ShowPrompt(this, {error, LoadResourceString(IDS_FIND_CAPTION), PromptIcon::Exclamation});
        return;
    }
    AddAddresses(addresses);
    SetStatus(LoadResourceString(IDS_FIND_LIST_ADDED).arg(addresses.size()));
    m_table->setFocus(Qt::OtherFocusReason);
}

void FindDevicesDlg::ShowProgress(int done, int total)
{
    m_progress->setRange(0, std::max(total, 1));
    m_progress->setValue(done);
    SetStatus(LoadResourceString(IDS_FIND_PROGRESS).arg(total).arg(done).arg(m_table->rowCount()));
}

void FindDevicesDlg::SearchEnded()
{
    const int found = m_table->rowCount();
    if (m_scan->outOfConnections()) // this computer's limit, not the addresses' silence
        SetStatus(OutOfConnections() + ' ' +
                  LoadResourceString(IDS_FIND_STOPPED).arg(found).arg(m_scan->tried()));
    else
        SetStatus(m_scan->cancelled()
                      ? LoadResourceString(IDS_FIND_STOPPED).arg(found).arg(m_progress->value())
                      : LoadResourceString(IDS_FIND_DONE).arg(found).arg(m_scan->total()));
    m_searchButton->setEnabled(true);
    m_cancelButton->setEnabled(false);
    if (found > 0)
        m_table->setFocus(Qt::OtherFocusReason);
    else
        m_searchButton->setFocus(Qt::OtherFocusReason);
}

void FindDevicesDlg::Choose(int row)
{
    const QTableWidgetItem* item = m_table->item(row, COLUMN_ADDRESS);
    if (item == nullptr)
        return;
    Stop();
    m_chosen = item->data(Qt::UserRole).toUInt();
    accept();
}

void FindDevicesDlg::SetStatus(const QString& text)
{
    m_status->setText(text);
    m_status->setAccessibleDescription(text);
    GrowForWrappedText(m_status);
}

bool FindDevicesDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The table itself would tick only the current cell's row, and only in
    // the address column.
    if (watched == m_table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        TickSelected();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FindDevicesDlg::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == m_table) {
        Choose(m_table->currentRow()); // the table may not have said so itself
        return;
    }
    if (enter && focusWidget() == m_rangeEdit) {
        Search();
        return;
    }
    if (enter) { // a focused button takes Enter as a click; there is no default button
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
