// What the user is told when a load or save does not complete.
#pragma once

#include "DeviceLink.h"

#include <QString>

// How one Load or Save went on the device.
struct DeviceRun {
    DeviceResult result;
    bool connected;      // the operation began: something may have reached the device
    QString socketError; // the socket's own words, for a socket error
};

// Why the exchange with the device stopped, as a sentence.
QString DescribeDeviceFailure(const DeviceRun& run);
