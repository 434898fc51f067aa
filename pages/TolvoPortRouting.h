// The port routing page: for each of three routing entries, what it
// connects to and its TCP/IP port.
#pragma once

#include "Dialog.h"

#include <array>
#include <cstdint>

class QComboBox;
class QLineEdit;

class TolvoPortRouting : public Dialog {
    Q_OBJECT
public:
    enum { IDD = 132 };
    static constexpr int ENTRIES = 3;
    static constexpr std::array<int, ENTRIES> IDC_CONNECT = {1027, 1029, 1031};
    static constexpr std::array<int, ENTRIES> IDC_TCP_PORT = {1028, 1030, 1032};

    TolvoPortRouting();

    std::array<QComboBox*, ENTRIES> m_connectCombo{};
    std::array<int32_t, ENTRIES> m_tcpPort{};
    std::array<QLineEdit*, ENTRIES> m_tcpPortEdit{};

protected:
    void DoDataExchange(DataExchange& dx) override;
};
