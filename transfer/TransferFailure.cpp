#include "TransferFailure.h"

#include "DeviceLink.h"

QString DescribeDeviceFailure(int code)
{
    switch (code) {
    case DEVICE_TIMED_OUT:
        return QString("The device did not answer within %1 seconds.")
            .arg(DEVICE_TIMEOUT_MS / 1000);
    case DEVICE_CONNECTION_CLOSED: return "The device closed the connection.";
    case DEVICE_REPLY_TOO_LONG:
        return QString("The device sent a reply longer than %1 bytes.").arg(MAX_REPLY_LENGTH);
    case DEVICE_COMMAND_TOO_LONG:
        return QString("A setting is too long to send: a command may hold at most %1 bytes.")
            .arg(MAX_COMMAND_LENGTH);
    default: return QString("Sending to the device failed (error %1).").arg(code);
    }
}
