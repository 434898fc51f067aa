#include "TransferFailure.h"
#include "DeviceTask.h"
#include "DialogTemplate.h"
#include "StringIds.h"

QString DescribeDeviceFailure(DeviceResult result, int timeoutMs, const QString& socketError)
{
    switch (result) {
    case DEVICE_OK:
    case DEVICE_APPLY_UNCONFIRMED:
    case DEVICE_READ_BACK_FAILED:
    case DEVICE_NOT_SEEN_SINCE: return {};
    case DEVICE_SEND_FAILED: return LoadResourceString(IDS_FAILURE_SEND);
    case DEVICE_HOST_NOT_FOUND: return LoadResourceString(IDS_FAILURE_HOST_NOT_FOUND);
    case DEVICE_NO_DATA: return LoadResourceString(IDS_FAILURE_NO_DATA);
    case DEVICE_SOCKET_ERROR: return LoadResourceString(IDS_FAILURE_SOCKET).arg(socketError);
    case DEVICE_TIMED_OUT: return LoadResourceString(IDS_FAILURE_TIMED_OUT).arg(timeoutMs / 1000.0);
    case DEVICE_CONNECTION_CLOSED: return LoadResourceString(IDS_FAILURE_CLOSED);
    case DEVICE_REPLY_TOO_LONG:
        return LoadResourceString(IDS_FAILURE_REPLY_TOO_LONG).arg(MAX_REPLY_LENGTH);
    case DEVICE_COMMAND_TOO_LONG:
        return LoadResourceString(IDS_FAILURE_COMMAND_TOO_LONG).arg(MAX_COMMAND_LENGTH);
    case DEVICE_CONNECT_FAILED: return LoadResourceString(IDS_FAILURE_CONNECT);
    case DEVICE_CANCELLED: return LoadResourceString(IDS_FAILURE_CANCELLED);
    case DEVICE_OUT_OF_STEP: return LoadResourceString(IDS_FAILURE_OUT_OF_STEP);
    }
    return LoadResourceString(IDS_FAILURE_UNKNOWN).arg(int(result));
}

QString DescribeDeviceFailure(const DeviceTask& task)
{
    return DescribeDeviceFailure(task.failure(), task.timeoutMs(), task.errorText());
}
