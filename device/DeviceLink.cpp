#include "DeviceLink.h"

#include "ConfigTable.h"

#include <QDeadlineTimer>
#include <QHostAddress>

#include <vector>

namespace {

int SendErrorCode(const QAbstractSocket& socket)
{
    switch (socket.error()) {
    case QAbstractSocket::UnknownSocketError: return DEVICE_SEND_FAILED;
    case QAbstractSocket::HostNotFoundError: return DEVICE_HOST_NOT_FOUND;
    case QAbstractSocket::SocketTimeoutError: return DEVICE_TIMED_OUT;
    default: return DEVICE_SOCKET_ERROR;
    }
}

// Waits until at least one byte can be read. DEVICE_OK, or why not.
int WaitForByte(QTcpSocket& socket, const QDeadlineTimer& deadline)
{
    while (socket.bytesAvailable() == 0) {
        if (socket.state() != QAbstractSocket::ConnectedState)
            return DEVICE_CONNECTION_CLOSED;
        if (deadline.hasExpired())
            return DEVICE_TIMED_OUT;
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())) &&
            socket.bytesAvailable() == 0) {
            return socket.error() == QAbstractSocket::SocketTimeoutError ? DEVICE_TIMED_OUT
                                                                         : DEVICE_CONNECTION_CLOSED;
        }
    }
    return DEVICE_OK;
}

std::string GetCommand(const ConfigParam& row)
{
    return std::string("get ") + row.key + '\r';
}

std::string SetCommand(const ConfigParam& row)
{
    return std::string("set ") + row.key + ' ' + *row.value + '\r';
}

bool IsPushed(const ConfigParam& row)
{
    return (row.flags & PARAM_MODIFIED) != 0 && row.value.has_value();
}

} // namespace

bool DeviceConnection::Connect(uint32_t address, quint16 port)
{
    const QHostAddress host(QString::fromStdString(FormatDottedAddress(address)));
    m_lastReplyEndedInCr = false;
    m_socket.abort();
    m_socket.connectToHost(host, port);
    return m_socket.waitForConnected(m_timeoutMs);
}

void DeviceConnection::Close()
{
    m_socket.abort();
}

Reply ReadReplyLine(DeviceConnection& link)
{
    QTcpSocket& socket = link.socket();
    const QDeadlineTimer deadline(link.timeoutMs());
    Reply reply;
    bool skipLineFeed = link.m_lastReplyEndedInCr;
    for (;;) {
        reply.status = WaitForByte(socket, deadline);
        if (!reply.ok()) {
            reply.text.clear();
            return reply;
        }
        char c = 0;
        socket.getChar(&c);
        if (skipLineFeed) {
            skipLineFeed = false;
            if (c == '\n')
                continue;
        }
        if (c == '\r' || c == '\n') {
            link.m_lastReplyEndedInCr = (c == '\r');
            return reply;
        }
        if (reply.text.size() == MAX_REPLY_LENGTH) {
            reply.status = DEVICE_REPLY_TOO_LONG;
            reply.text.clear();
            return reply;
        }
        reply.text.push_back(c);
    }
}

int SendCommand(DeviceConnection& link, const std::string& command)
{
    QTcpSocket& socket = link.socket();
    // The zero byte that ends the text goes out with it.
    const qint64 length = static_cast<qint64>(command.size()) + 1;
    if (length > MAX_COMMAND_LENGTH)
        return DEVICE_COMMAND_TOO_LONG;
    if (socket.write(command.c_str(), length) != length)
        return SendErrorCode(socket);
    const QDeadlineTimer deadline(link.timeoutMs());
    while (socket.bytesToWrite() > 0) {
        if (deadline.hasExpired())
            return DEVICE_TIMED_OUT;
        if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            return SendErrorCode(socket);
    }
    return DEVICE_OK;
}

int FetchAllParams(DeviceConnection& link)
{
    for (ConfigGroup& group : ConfigTable) {
        for (ConfigParam& row : group.rows) {
            if (const int sent = SendCommand(link, GetCommand(row)); sent != DEVICE_OK)
                return sent;
            Reply reply = ReadReplyLine(link);
            if (!reply.ok()) {
                row.value.reset();
                return reply.status;
            }
            row.value = std::move(reply.text);
        }
    }
    return DEVICE_OK;
}

int PushModifiedParams(DeviceConnection& link)
{
    std::vector<std::string> commands;
    for (const ConfigGroup& group : ConfigTable) {
        for (const ConfigParam& row : group.rows) {
            if (!IsPushed(row))
                continue;
            commands.push_back(SetCommand(row));
            if (commands.back().size() + 1 > MAX_COMMAND_LENGTH)
                return DEVICE_COMMAND_TOO_LONG;
        }
    }
    for (const std::string& command : commands) {
        if (const int sent = SendCommand(link, command); sent != DEVICE_OK)
            return sent;
        if (const Reply reply = ReadReplyLine(link); !reply.ok())
            return reply.status;
    }
    if (const int sent = SendCommand(link, "set CONFIGURE\r"); sent != DEVICE_OK)
        return sent;
    // The device may restart its service on applying, so a missing answer to
    // the apply command is no failure of the exchange; but nobody knows then
    // whether the settings were applied.
    return ReadReplyLine(link).ok() ? DEVICE_OK : DEVICE_APPLY_UNCONFIRMED;
}
