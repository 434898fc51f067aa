// Asks before the pages' settings go to many devices: what will be sent
// (the password as asterisks), to how many devices, and whether each
// device's own settings (its name, its address and mask, its DHCP mode) go
// too; they are left as each device holds them unless ticked. The address
// and mask, ticked, come from an address plan (AddressPlanPanel), which is
// checked, on the network too, before the dialog accepts.
#pragma once

#include "VerifiedWrite.h"

#include <QDialog>
#include <QHash>

#include <array>

class AddressPlanPanel;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

class SendConfirmDlg : public QDialog {
    Q_OBJECT
public:
    // A device's own settings, each a tick of the dialog, by their keys.
    static const std::array<QStringList, 3> OWN_SETTINGS;
    // The settings of settings that are no device's own: what every send
    // sends with no tick, and what a check compares.
    static SettingValues SharedOf(const SettingValues& settings);

    // names: each setting's name as the pages show it, by its key.
    SendConfirmDlg(QWidget* parent, SettingValues settings, std::vector<uint32_t> addresses,
                   QHash<QString, QString> names);
    ~SendConfirmDlg() override;

    // The settings to send: the shared ones and the own ones ticked.
    SettingValues wanted() const;
    // Whether the address and mask come from a plan; then each device's
    // planned address (in the order of the addresses) and the mask.
    bool planned() const;
    std::vector<uint32_t> plannedAddresses() const;
    uint32_t planMask() const;

    // Checks the plan (when there is one) and accepts when it has no problem.
    void Send();

    QLabel* m_text;
    QTableWidget* m_table;
    std::array<QCheckBox*, 3> m_own{};
    QPushButton* m_sendButton;
    AddressPlanPanel* m_plan;

private:
    bool Ticked(const QString& key) const;
    void ShowWanted();
    void Refuse(const QStringList& problems);

    const SettingValues m_settings;
    const std::vector<uint32_t> m_addresses;
    const QHash<QString, QString> m_names;
};
