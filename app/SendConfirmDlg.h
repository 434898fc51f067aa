// Asks before the pages' settings go to many devices: what will be sent
// (the password as asterisks), to how many devices, and whether each
// device's own settings (its name, its address and mask, its DHCP mode) go
// too; they are left as each device holds them unless ticked.
#pragma once

#include "VerifiedWrite.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

class SendConfirmDlg : public QDialog {
    Q_OBJECT
public:
    // A device's own settings, each a tick of the dialog, by their keys.
    static const std::array<QStringList, 3> OWN_SETTINGS;

    SendConfirmDlg(QWidget* parent, SettingValues settings, int deviceCount);

    // The settings to send: the shared ones and the own ones ticked.
    SettingValues wanted() const;

    QLabel* m_text;
    QTableWidget* m_table;
    std::array<QCheckBox*, 3> m_own{};
    QPushButton* m_sendButton;

private:
    bool Ticked(const QString& key) const;
    void ShowWanted();

    const SettingValues m_settings;
};
