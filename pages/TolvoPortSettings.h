// The port settings page: baud rate, data bits, stop bits and parity of the
// RS232 and DIRECT ports, as eight lists. It holds no values of its own.
#pragma once

#include "Dialog.h"

class QComboBox;

class TolvoPortSettings : public Dialog {
    Q_OBJECT
public:
    enum {
        IDD = 133,
        IDC_RS232_BAUD = 1021,
        IDC_RS232_DATA_BITS = 1023,
        IDC_RS232_STOP_BITS = 1025,
        IDC_RS232_PARITY = 1026,
        IDC_DIRECT_BAUD = 1024,
        IDC_DIRECT_DATA_BITS = 1028,
        IDC_DIRECT_STOP_BITS = 1029,
        IDC_DIRECT_PARITY = 1030,
    };

    TolvoPortSettings();

    // Enables or disables the eight lists.
    void EnableControls(bool enable);

    QComboBox* m_rs232BaudCombo = nullptr;
    QComboBox* m_rs232DataBitsCombo = nullptr;
    QComboBox* m_rs232StopBitsCombo = nullptr;
    QComboBox* m_rs232ParityCombo = nullptr;
    QComboBox* m_directBaudCombo = nullptr;
    QComboBox* m_directDataBitsCombo = nullptr;
    QComboBox* m_directStopBitsCombo = nullptr;
    QComboBox* m_directParityCombo = nullptr;

protected:
    void DoDataExchange(DataExchange& dx) override;
};
