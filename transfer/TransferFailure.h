// What the user is told when a load or save does not complete.
#pragma once

#include "DeviceLink.h"

#include <QString>

class DeviceTask;

// Why the exchange of a failed task stopped, as a sentence; it quotes the
// task's own bound on a wait and the socket's own words.
QString DescribeDeviceFailure(const DeviceTask& task);
// The same for a result, the bound on each wait (ms) and the socket's words.
QString DescribeDeviceFailure(DeviceResult result, int timeoutMs, const QString& socketError);
