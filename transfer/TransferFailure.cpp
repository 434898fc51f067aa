#include "TransferFailure.h"

QString DescribeDeviceFailure(const DeviceRun& run)
{
    switch (run.result) {
    case DEVICE_OK:
    case DEVICE_APPLY_UNCONFIRMED: return {};
    case DEVICE_SEND_FAILED: return "Sending to the device failed.";
    case DEVICE_HOST_NOT_FOUND: return "The device's address could not be found.";
    case DEVICE_NO_DATA: return "The device's address has no data record.";
    case DEVICE_SOCKET_ERROR:
        return QString("The connection to the device failed: %1.").arg(run.socketError);
    case DEVICE_TIMED_OUT:
        return QString("The device did not answer within %1 seconds.")
            .arg(DEVICE_TIMEOUT_MS / 1000);
    case DEVICE_CONNECTION_CLOSED: return "The device closed the connection.";
    case DEVICE_REPLY_TOO_LONG:
        return QString("The device sent a reply longer than %1 bytes.").arg(MAX_REPLY_LENGTH);
    case DEVICE_COMMAND_TOO_LONG:
        return QString("A setting is too long to send: a command may hold at most %1 bytes.")
            .arg(MAX_COMMAND_LENGTH);
    case DEVICE_CONNECT_FAILED: return "No connection to the device could be made.";
    case DEVICE_CANCELLED: return "Cancelled.";
    }
    return QString("Unknown result %1.").arg(int(run.result));
}
