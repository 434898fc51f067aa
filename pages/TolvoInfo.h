// The Info page: the device's serial number and firmware version, read only.
#pragma once

#include "Dialog.h"

class TolvoInfo : public Dialog {
    Q_OBJECT
public:
    enum { IDD = 130, IDC_SERIAL_NUMBER = 1013, IDC_FIRMWARE_VERSION = 1014 };

    TolvoInfo();

    QString m_serialNumber;
    QString m_firmwareVersion;

protected:
    void DoDataExchange(DataExchange& dx) override;
};
