#include "SendConfirmDlg.h"

#include "AddressPlanPanel.h"
#include "CoreMessages.h"
#include "DialogTemplate.h"
#include "ParamRules.h"
#include "PasswordMask.h"
#include "PlanCheck.h"
#include "ProgressWait.h"
#include "Prompts.h"
#include "StringIds.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

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

uint32_t AddressOf(const SettingValues& settings, const QString& key)
{
    for (const auto& [name, value] : settings)
        if (name == key)
            return ParseDottedAddress(value).value_or(0);
    return 0;
}

constexpr std::size_t ADDRESS_TICK = 1;
constexpr std::size_t DHCP_TICK = 2;

} // namespace

SendConfirmDlg::SendConfirmDlg(QWidget* parent, SettingValues settings,
                               std::vector<uint32_t> addresses, QHash<QString, QString> names)
    : QDialog(parent),
      m_text(new QLabel(LoadResourceString(IDS_SEND_CONFIRM_TEXT).arg(addresses.size()), this)),
      m_table(new QTableWidget(0, 2, this)),
      m_sendButton(new QPushButton(LoadResourceString(IDS_SEND_BUTTON), this)),
      m_plan(new AddressPlanPanel(this, addresses, AddressOf(settings, "IPADDRESS"),
                                  AddressOf(settings, "IPMASK"))),
      m_settings(std::move(settings)), m_addresses(std::move(addresses)), m_names(std::move(names))
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
        if (i == ADDRESS_TICK)
            layout->addWidget(m_plan);
    }
    // With a plan, DHCP is off: its own tick has nothing to choose.
    m_plan->setEnabled(false);
    connect(m_own[ADDRESS_TICK], &QCheckBox::toggled, this, [this](bool plan) {
        m_plan->setEnabled(plan);
        m_own[DHCP_TICK]->setEnabled(!plan && ValueOf(m_settings, "DHCP").size() > 0);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(m_sendButton, QDialogButtonBox::AcceptRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &SendConfirmDlg::Send);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Tab follows the layout: the plan comes between its tick and the next.
    QWidget* chain[] = {m_table,
                        m_own[0],
                        m_own[ADDRESS_TICK],
                        m_plan->m_countedButton,
                        m_plan->m_firstEdit,
                        m_plan->m_listButton,
                        m_plan->m_listEdit,
                        m_plan->m_loadButton,
                        m_plan->m_preview,
                        m_own[DHCP_TICK],
                        m_sendButton};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    ShowWanted();
    resize(sizeHint().expandedTo(QSize(fontMetrics().averageCharWidth() * WIDTH_CHARS, 0)));
    m_sendButton->setFocus(Qt::OtherFocusReason);
}

SendConfirmDlg::~SendConfirmDlg() = default;

SettingValues SendConfirmDlg::SharedOf(const SettingValues& settings)
{
    SettingValues shared;
    for (const auto& entry : settings)
        if (std::none_of(OWN_SETTINGS.begin(), OWN_SETTINGS.end(),
                         [&entry](const QStringList& keys) { return keys.contains(entry.first); }))
            shared.append(entry);
    return shared;
}

bool SendConfirmDlg::planned() const
{
    return m_own[ADDRESS_TICK]->isChecked();
}

std::vector<uint32_t> SendConfirmDlg::plannedAddresses() const
{
    std::vector<uint32_t> addresses;
    for (const PlannedDevice& device : m_plan->devices())
        addresses.push_back(planned() ? device.planned : 0);
    return addresses;
}

uint32_t SendConfirmDlg::planMask() const
{
    return m_plan->mask();
}

void SendConfirmDlg::Send()
{
    if (!planned())
        return accept();
    AddressPlan plan;
    QString error;
    if (!m_plan->TakePlan(plan, error))
        return Refuse({error});
    // What needs no network first: a plan refused so probes nothing.
    std::vector<PlannedDevice> devices = m_plan->devices();
    if (const QStringList problems = PlanDevices(plan, devices);
        !problems.isEmpty() && !NamesSerials(plan))
        return Refuse(problems);
    // Then whether another device answers at a planned address.
    PlanCheck check(plan, m_plan->devices());
    ProgressWait wait(this, LoadResourceString(IDS_SEND_PLAN_CHECKING));
    connect(&wait, &ProgressWait::canceled, &check, &PlanCheck::Cancel);
    connect(&check, &PlanCheck::progress, &wait, &ProgressWait::SetProgress);
    connect(&check, &PlanCheck::finished, &wait, &ProgressWait::Finish);
    check.Start();
    if (check.running())
        wait.Run();
    m_plan->ShowDevices(check.devices());
    if (check.cancelled())
        return;
    if (!check.problems().isEmpty())
        return Refuse(check.problems());
    accept();
}

void SendConfirmDlg::Refuse(const QStringList& problems)
{
    ShowPrompt(this, {Tr(MSG_PLAN_REFUSED) + "\n" + problems.join('\n'),
                      LoadResourceString(IDS_SEND_CONFIRM_CAPTION), PromptIcon::Exclamation});
}

bool SendConfirmDlg::Ticked(const QString& key) const
{
    for (std::size_t i = 0; i < m_own.size(); ++i)
        if (OWN_SETTINGS[i].contains(key))
            return m_own[i]->isChecked() && !(planned() && (i == DHCP_TICK || i == ADDRESS_TICK));
    return true; // a shared setting (a plan's address, mask and DHCP go per device)
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
        // The name as the pages show it, with its key.
        const QString name = m_names.value(key);
        m_table->setItem(
            row, 0, new QTableWidgetItem(name.isEmpty() ? key : QString("%1 (%2)").arg(name, key)));
        m_table->setItem(row, 1, new QTableWidgetItem(ShownValue(key, shown[row].second)));
    }
    m_sendButton->setEnabled(!shown.isEmpty());
}
