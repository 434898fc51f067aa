#include "SendConfirmDlg.h"

#include "DialogTemplate.h"
#include "ParamRules.h"
#include "PasswordMask.h"
#include "StringIds.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

const std::array<QStringList, 3> SendConfirmDlg::OWN_SETTINGS = {
    QStringList{"DEVICEID"}, QStringList{"IPADDRESS", "IPMASK"}, QStringList{"DHCP"}};

namespace {

constexpr StringId OWN_TEXTS[] = {IDS_SEND_OWN_NAME, IDS_SEND_OWN_ADDRESS, IDS_SEND_OWN_DHCP};
// The confirmation is wide enough for a long value, in average characters.
constexpr int WIDTH_CHARS = 80;
constexpr int TABLE_ROWS_SHOWN = 12;

QString ValueOf(const SettingValues& settings, const QString& key)
{
    for (const auto& [name, value] : settings)
        if (name == key)
            return ShownValue(key, value);
    return {};
}

// The setting's name as the table knows it, with its key.
QString SettingName(const QString& key)
{
    const DeviceSettings table;
    const ConfigParam* row = FindWritableRow(table, key);
    return row == nullptr ? key : QString("%1 (%2)").arg(QLatin1String(row->label), key);
}

} // namespace

SendConfirmDlg::SendConfirmDlg(QWidget* parent, SettingValues settings, int deviceCount)
    : QDialog(parent),
      m_text(new QLabel(LoadResourceString(IDS_SEND_CONFIRM_TEXT).arg(deviceCount), this)),
      m_table(new QTableWidget(0, 2, this)),
      m_sendButton(new QPushButton(LoadResourceString(IDS_SEND_BUTTON), this)),
      m_settings(std::move(settings))
{
    setWindowTitle(LoadResourceString(IDS_SEND_CONFIRM_CAPTION));
    m_text->setWordWrap(true);
    m_table->setHorizontalHeaderLabels(
        {LoadResourceString(IDS_SEND_COLUMN_SETTING), LoadResourceString(IDS_SEND_COLUMN_VALUE)});
    m_table->setAccessibleName(LoadResourceString(IDS_SEND_SETTINGS_NAME));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumHeight(m_table->verticalHeader()->defaultSectionSize() * TABLE_ROWS_SHOWN);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_table, 1);
    layout->addWidget(new QLabel(LoadResourceString(IDS_SEND_OWN_LABEL), this));
    for (std::size_t i = 0; i < m_own.size(); ++i) {
        const QStringList& keys = OWN_SETTINGS[i];
        QString text = LoadResourceString(OWN_TEXTS[i]);
        for (const QString& key : keys)
            text = text.arg(ValueOf(m_settings, key));
        m_own[i] = new QCheckBox(text, this);
        m_own[i]->setEnabled(ValueOf(m_settings, keys.first()).size() > 0);
        connect(m_own[i], &QCheckBox::toggled, this, &SendConfirmDlg::ShowWanted);
        layout->addWidget(m_own[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(m_sendButton, QDialogButtonBox::AcceptRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowWanted();
    resize(sizeHint().expandedTo(QSize(fontMetrics().averageCharWidth() * WIDTH_CHARS, 0)));
    m_sendButton->setFocus(Qt::OtherFocusReason);
}

bool SendConfirmDlg::Ticked(const QString& key) const
{
    for (std::size_t i = 0; i < m_own.size(); ++i)
        if (OWN_SETTINGS[i].contains(key))
            return m_own[i]->isChecked();
    return true; // a shared setting
}

SettingValues SendConfirmDlg::wanted() const
{
    SettingValues wanted;
    for (const auto& entry : m_settings)
        if (Ticked(entry.first))
            wanted.append(entry);
    return wanted;
}

void SendConfirmDlg::ShowWanted()
{
    const SettingValues shown = wanted();
    m_table->setRowCount(int(shown.size()));
    for (int row = 0; row < int(shown.size()); ++row) {
        const QString& key = shown[row].first;
        m_table->setItem(row, 0, new QTableWidgetItem(SettingName(key)));
        m_table->setItem(row, 1, new QTableWidgetItem(ShownValue(key, shown[row].second)));
    }
    m_sendButton->setEnabled(!shown.isEmpty());
}
