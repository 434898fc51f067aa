// What the user is told when a load or save does not complete.
#pragma once

#include <QString>

// Why the exchange with the device stopped, from a device-link result code.
QString DescribeDeviceFailure(int code);
