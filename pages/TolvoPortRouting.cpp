#include "TolvoPortRouting.h"

#include "DataExchange.h"
#include "ParamRules.h"

#include <QComboBox>
#include <QLineEdit>

TolvoPortRouting::TolvoPortRouting() : Dialog(IDD) {}

void TolvoPortRouting::DoDataExchange(DataExchange& dx)
{
    for (int n = 0; n < ENTRIES; ++n) {
        dx.Control(IDC_CONNECT[n], m_connectCombo[n]);
        dx.ListChoice(IDC_CONNECT[n]);
        dx.Int(IDC_TCP_PORT[n], m_tcpPort[n]);
        dx.MinMaxUInt(static_cast<uint32_t>(m_tcpPort[n]), MIN_TCP_PORT, MAX_TCP_PORT);
    }
    for (int n = 0; n < ENTRIES; ++n)
        dx.Control(IDC_TCP_PORT[n], m_tcpPortEdit[n]);
}
