#include "TolvoPortSettings.h"

#include "DataExchange.h"

#include <QComboBox>

TolvoPortSettings::TolvoPortSettings() : Dialog(IDD) {}

void TolvoPortSettings::DoDataExchange(DataExchange& dx)
{
    dx.Control(IDC_RS232_BAUD, m_rs232BaudCombo);
    dx.Control(IDC_RS232_DATA_BITS, m_rs232DataBitsCombo);
    dx.Control(IDC_RS232_STOP_BITS, m_rs232StopBitsCombo);
    dx.Control(IDC_RS232_PARITY, m_rs232ParityCombo);
    dx.Control(IDC_DIRECT_BAUD, m_directBaudCombo);
    dx.Control(IDC_DIRECT_DATA_BITS, m_directDataBitsCombo);
    dx.Control(IDC_DIRECT_STOP_BITS, m_directStopBitsCombo);
    dx.Control(IDC_DIRECT_PARITY, m_directParityCombo);
    // Text typed into a list must name one of its items.
    for (const int id :
         {IDC_RS232_BAUD, IDC_RS232_DATA_BITS, IDC_RS232_STOP_BITS, IDC_RS232_PARITY,
          IDC_DIRECT_BAUD, IDC_DIRECT_DATA_BITS, IDC_DIRECT_STOP_BITS, IDC_DIRECT_PARITY}) {
        dx.ListChoice(id);
    }
}

void TolvoPortSettings::EnableControls(bool enable)
{
    for (QComboBox* list :
         {m_rs232BaudCombo, m_rs232DataBitsCombo, m_rs232StopBitsCombo, m_rs232ParityCombo,
          m_directBaudCombo, m_directDataBitsCombo, m_directStopBitsCombo, m_directParityCombo}) {
        list->setEnabled(enable);
    }
}
