#include "AddressPlanPanel.h"

#include "ConfigTable.h"
#include "CoreMessages.h"
#include "DialogTemplate.h"
#include "FileChooser.h"
#include "ParamRules.h"
#include "Prompts.h"
#include "StringIds.h"
#include "TextFit.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {

constexpr int PREVIEW_ROWS_SHOWN = 6;

QTableWidgetItem* Cell(const QString& text)
{
    return new QTableWidgetItem(text);
}

} // namespace

AddressPlanPanel::AddressPlanPanel(QWidget* parent, const std::vector<uint32_t>& addresses,
                                   uint32_t first, uint32_t mask)
    : QWidget(parent),
      m_countedButton(new QRadioButton(LoadResourceString(IDS_SEND_PLAN_COUNTED), this)),
      m_firstEdit(new QLineEdit(DottedText(first), this)),
      m_listButton(new QRadioButton(LoadResourceString(IDS_SEND_PLAN_LIST), this)),
      m_listEdit(new QPlainTextEdit(this)),
      m_loadButton(new QPushButton(LoadResourceString(IDS_SEND_PLAN_LOAD), this)),
      m_preview(new QTableWidget(0, 3, this)), m_mask(mask)
{
    for (const uint32_t address : addresses)
        m_devices.push_back({address, {}, 0});
    m_countedButton->setChecked(true);
    m_firstEdit->setAccessibleName(LoadResourceString(IDS_SEND_PLAN_FIRST_NAME));
    m_listEdit->setAccessibleName(LoadResourceString(IDS_SEND_PLAN_LIST_NAME));
    m_listEdit->setTabChangesFocus(true);
    m_listEdit->setEnabled(false);
    m_loadButton->setEnabled(false);
    m_preview->setHorizontalHeaderLabels({LoadResourceString(IDS_FIND_COLUMN_ADDRESS),
                                          LoadResourceString(IDS_FIND_COLUMN_SERIAL),
                                          LoadResourceString(IDS_SEND_PLAN_COLUMN_PLANNED)});
    m_preview->setAccessibleName(LoadResourceString(IDS_SEND_PLAN_PREVIEW_NAME));
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_preview->setTabKeyNavigation(false);
    m_preview->verticalHeader()->hide();
    m_preview->horizontalHeader()->setStretchLastSection(true);
    WidenColumnsToTitles(m_preview);
    m_preview->setMinimumHeight(m_preview->verticalHeader()->defaultSectionSize() *
                                PREVIEW_ROWS_SHOWN);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_countedButton, 0, 0);
    layout->addWidget(m_firstEdit, 0, 1);
    layout->addWidget(
        new QLabel(LoadResourceString(IDS_SEND_PLAN_MASK).arg(DottedText(mask)), this), 0, 2);
    layout->addWidget(m_listButton, 1, 0, 1, 3);
    layout->addWidget(m_listEdit, 2, 0, 1, 2);
    layout->addWidget(m_loadButton, 2, 2, Qt::AlignTop);
    auto* previewLabel = new QLabel(LoadResourceString(IDS_SEND_PLAN_PREVIEW_LABEL), this);
    previewLabel->setBuddy(m_preview);
    layout->addWidget(previewLabel, 3, 0, 1, 3);
    layout->addWidget(m_preview, 4, 0, 1, 3);

    connect(m_listButton, &QRadioButton::toggled, this, [this](bool list) {
        m_firstEdit->setEnabled(!list);
        m_listEdit->setEnabled(list);
        m_loadButton->setEnabled(list);
        Preview();
    });
    connect(m_firstEdit, &QLineEdit::textChanged, this, &AddressPlanPanel::Preview);
    connect(m_listEdit, &QPlainTextEdit::textChanged, this, &AddressPlanPanel::Preview);
    connect(m_loadButton, &QPushButton::clicked, this, &AddressPlanPanel::LoadFile);
    Preview();
}

bool AddressPlanPanel::TakePlan(AddressPlan& plan, QString& error) const
{
    plan.mask = m_mask;
    if (m_listButton->isChecked()) {
        const bool parsed =
            ParsePlanText(m_listEdit->toPlainText(), Tr(MSG_PLAN_LIST_NAME), plan, error);
        plan.mask = m_mask;
        return parsed;
    }
    const std::optional<uint32_t> first = ParseDottedAddress(m_firstEdit->text().trimmed());
    if (!first) {
        error = Tr(MSG_NOT_AN_ADDRESS).arg(m_firstEdit->text());
        return false;
    }
    plan.first = *first;
    plan.lines.clear();
    return true;
}

// Each device with the address the plan as it stands gives it; a plan that
// does not parse gives none.
void AddressPlanPanel::Preview()
{
    AddressPlan plan;
    QString error;
    std::vector<PlannedDevice> devices = m_devices;
    for (PlannedDevice& device : devices)
        device.planned = 0;
    if (TakePlan(plan, error))
        PlanDevices(plan, devices);
    ShowDevices(devices);
}

void AddressPlanPanel::ShowDevices(const std::vector<PlannedDevice>& devices)
{
    m_devices = devices;
    m_preview->setRowCount(int(devices.size()));
    for (int row = 0; row < int(devices.size()); ++row) {
        const PlannedDevice& device = devices[row];
        m_preview->setItem(row, 0, Cell(DottedText(device.current)));
        m_preview->setItem(row, 1, Cell(device.serial));
        m_preview->setItem(row, 2,
                           Cell(device.planned == 0 ? QString() : DottedText(device.planned)));
    }
}

void AddressPlanPanel::LoadFile()
{
    const QString caption = PlainWords(LoadResourceString(IDS_SEND_PLAN_LOAD));
    const QString path =
        ChooseFile(this, FileChoice::Open, caption, LoadResourceString(IDS_FIND_LIST_FILTER));
    if (path.isEmpty())
        return;
    AddressPlan plan;
    QString error;
    if (!ReadPlanFile(QDir::toNativeSeparators(path), plan, error)) {
        ShowPrompt(this, {error, caption, PromptIcon::Exclamation});
        return;
    }
    QFile file(path);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        m_listEdit->setPlainText(QString::fromUtf8(file.readAll()));
}
