#include "TolvoInfo.h"

#include "DataExchange.h"

TolvoInfo::TolvoInfo() : Dialog(IDD) {}

void TolvoInfo::DoDataExchange(DataExchange& dx)
{
    dx.Text(IDC_SERIAL_NUMBER, m_serialNumber);
    dx.Text(IDC_FIRMWARE_VERSION, m_firmwareVersion);
    // The fields are narrow; the whole text stays readable on hover.
    if (!dx.saving() && !dx.failed()) {
        Control(IDC_SERIAL_NUMBER)->setToolTip(m_serialNumber);
        Control(IDC_FIRMWARE_VERSION)->setToolTip(m_firmwareVersion);
    }
}
