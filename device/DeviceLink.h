// The device's command service: plain-text commands ended by CR and a zero
// byte, each answered by one reply line.
#pragma once

#include <QTcpSocket>

#include <cstdint>
#include <string>

constexpr quint16 DEVICE_COMMAND_PORT = 4070;

// Result codes. 0 is success; -1 to -4 are send failures, by the socket's
// error; the rest are this program's own.
constexpr int DEVICE_OK = 0;
// Every set was answered and the apply command sent, but the device did not
// answer it: whether it applied the settings is not known. Neither success
// nor a failure of the exchange, so it stands apart from both.
constexpr int DEVICE_APPLY_UNCONFIRMED = 1;
constexpr int DEVICE_SEND_FAILED = -1;       // no socket error recorded
constexpr int DEVICE_HOST_NOT_FOUND = -2;    // host not found
constexpr int DEVICE_NO_DATA = -3;           // no data record (kept for callers; not produced)
constexpr int DEVICE_SOCKET_ERROR = -4;      // any other socket error
constexpr int DEVICE_TIMED_OUT = -5;         // the device did not answer in time
constexpr int DEVICE_CONNECTION_CLOSED = -6; // the stream ended before a reply
constexpr int DEVICE_REPLY_TOO_LONG = -7;    // a reply line over MAX_REPLY_LENGTH bytes
constexpr int DEVICE_COMMAND_TOO_LONG = -8;  // a command over MAX_COMMAND_LENGTH bytes

// A formatted command including its zero byte, and a reply before its end byte.
constexpr int MAX_COMMAND_LENGTH = 128;
constexpr int MAX_REPLY_LENGTH = 1024;

// Bound on connecting, on each send and on each reply.
constexpr int DEVICE_TIMEOUT_MS = 5000;

// One connection to the command service. Besides the socket it remembers
// whether the last reply ended in CR, so that the LF of a CR LF pair is
// taken as part of that line end and not as an empty reply of its own.
class DeviceConnection {
public:
    explicit DeviceConnection(int timeoutMs = DEVICE_TIMEOUT_MS) : m_timeoutMs(timeoutMs) {}

    // Connects to the host-order IPv4 address, given to the socket as its
    // dotted text. Returns false when the connection failed or timed out.
    bool Connect(uint32_t address, quint16 port = DEVICE_COMMAND_PORT);
    void Close();

    QTcpSocket& socket() { return m_socket; }
    int timeoutMs() const { return m_timeoutMs; }
    bool m_lastReplyEndedInCr = false;

private:
    QTcpSocket m_socket;
    int m_timeoutMs;
};

struct Reply {
    int status = DEVICE_OK; // DEVICE_OK or a negative code
    std::string text;
    bool ok() const { return status == DEVICE_OK; }
};

// Reads one reply line: the bytes before the first CR or LF. Bytes after
// that line end stay in the stream for the next reply.
Reply ReadReplyLine(DeviceConnection& link);

// Sends one command with its zero byte. Returns DEVICE_OK or a negative code.
int SendCommand(DeviceConnection& link, const std::string& command);

// Gets every row of the table in table order. Stops at the first send
// failure or unread reply; that row then holds no value.
int FetchAllParams(DeviceConnection& link);

// Sends every modified row that holds a value, then the apply command once
// every set command was answered. Sends nothing if any command is too long.
// DEVICE_APPLY_UNCONFIRMED when the apply command got no answer.
int PushModifiedParams(DeviceConnection& link);
