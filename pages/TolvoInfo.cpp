#include "TolvoInfo.h"

#include "DataExchange.h"

TolvoInfo::TolvoInfo() : Dialog(IDD) {}

void TolvoInfo::DoDataExchange(DataExchange& dx)
{
    dx.Text(IDC_SERIAL_NUMBER, m_serialNumber);
    dx.Text(IDC_FIRMWARE_VERSION, m_firmwareVersion);
}
