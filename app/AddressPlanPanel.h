// The address plan of a send to many devices, in the confirmation: a first
// address counted upward (with the pages' mask), or a list pasted or loaded
// from a file; and a preview of each device with its planned address.
#pragma once

#include "AddressPlan.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

class AddressPlanPanel : public QWidget {
    Q_OBJECT
public:
    AddressPlanPanel(QWidget* parent, const std::vector<uint32_t>& addresses, uint32_t first,
                     uint32_t mask);

    // The plan as the user gave it; false with error set when its first
    // address or a line of its list is no such thing.
    bool TakePlan(AddressPlan& plan, QString& error) const;
    // The devices with their planned addresses, as the preview shows them.
    const std::vector<PlannedDevice>& devices() const { return m_devices; }
    uint32_t mask() const { return m_mask; }
    // The devices as a check found them (their serial numbers learnt).
    void ShowDevices(const std::vector<PlannedDevice>& devices);

    void LoadFile();

    QRadioButton* m_countedButton;
    QLineEdit* m_firstEdit;
    QRadioButton* m_listButton;
    QPlainTextEdit* m_listEdit;
    QPushButton* m_loadButton;
    QTableWidget* m_preview;

private:
    void Preview();

    const uint32_t m_mask;
    std::vector<PlannedDevice> m_devices;
};
