// The device's command service: plain-text commands ended by CR and a zero
// byte, each answered by one reply line.
//
// DeviceConnection is the exchange engine: one connection, driven by the
// socket's signals and a deadline timer, never by a blocking wait. Each
// Start... call begins one operation, which ends with finished() exactly
// once. Wait, Connect and the free functions run an operation and wait for
// it in a local event loop: the tests and benchmarks talk to the simulator
// step by step through them; the programs run tasks (DeviceTask.h).
#pragma once

#include "ConfigTable.h"

#include <QObject>
#include <QTcpSocket>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

constexpr quint16 DEVICE_COMMAND_PORT = 4070;

// Result codes. 0 is success; -1 to -4 are send failures, by the socket's
// error; the rest are this program's own.
enum DeviceResult : int {
    DEVICE_OK = 0,
    DEVICE_SEND_FAILED = -1,       // no socket error recorded
    DEVICE_HOST_NOT_FOUND = -2,    // host not found
    DEVICE_NO_DATA = -3,           // no data record (kept for callers; not produced)
    DEVICE_SOCKET_ERROR = -4,      // any other socket error (see errorText())
    DEVICE_TIMED_OUT = -5,         // the device did not answer in time
    DEVICE_CONNECTION_CLOSED = -6, // the device closed the connection
    DEVICE_REPLY_TOO_LONG = -7,    // a reply line over MAX_REPLY_LENGTH bytes
    DEVICE_COMMAND_TOO_LONG = -8,  // a command over MAX_COMMAND_LENGTH bytes
    DEVICE_CONNECT_FAILED = -9,    // no connection could be made
    DEVICE_CANCELLED = -10,        // the user cancelled; the connection was closed
    // A reply came before its command was sent, or after the last reply:
    // the device gave more lines than it was asked for, so its replies
    // cannot be told apart.
    DEVICE_OUT_OF_STEP = -11,
    // Every set was answered and the apply command sent, but the device did
    // not answer it: whether it applied the settings is not known. Neither
    // success nor a failure of the exchange, so it stands apart from both.
    DEVICE_APPLY_UNCONFIRMED = 1,
    // The device answered the apply command, but the settings could not be
    // read back to check them (it may have restarted).
    DEVICE_READ_BACK_FAILED = 2,
    // The settings sent move the device (a new address, DHCP, another
    // network); it applied them, or was sent the apply, and answered at no
    // address it may be at within the bound: not verified, nor failed.
    DEVICE_NOT_SEEN_SINCE = 3,
};

// A formatted command including its zero byte, and a reply before its end byte.
constexpr int MAX_COMMAND_LENGTH = 128;
constexpr int MAX_REPLY_LENGTH = 1024;

// Bound on connecting, on each send and on each reply.
constexpr int DEVICE_TIMEOUT_MS = 5000;

struct Reply {
    DeviceResult status = DEVICE_OK;
    std::string text;
    bool ok() const { return status == DEVICE_OK; }
};

class Transcript;

class DeviceConnection : public QObject {
    Q_OBJECT
public:
    explicit DeviceConnection(int timeoutMs = DEVICE_TIMEOUT_MS, QObject* parent = nullptr);
    ~DeviceConnection() override;

    // Connects to the host-order IPv4 address, given to the socket as its
    // dotted text: DEVICE_OK or DEVICE_CONNECT_FAILED.
    void StartConnect(uint32_t address, quint16 port = DEVICE_COMMAND_PORT);
    // Gets every row of settings in table order, or only the rows given.
    // Stops at the first send failure or unread reply; that row then holds
    // no value.
    void StartFetch(DeviceSettings& settings, const std::vector<ParamRow>& only = {});
    // Sends every modified row that holds a value, then the apply command
    // once every set was answered. Sends nothing if any command is too long;
    // DEVICE_APPLY_UNCONFIRMED when the apply command got no answer. With
    // readBack, then gets every writable row into readBack (the apply may
    // have changed any of them), to be compared with what was sent (NotKept)
    // and with what the device held before (UnsentChanges);
    // DEVICE_READ_BACK_FAILED when one is not read.
    void StartPush(const DeviceSettings& settings, DeviceSettings* readBack = nullptr);
    // Sends one command with its zero byte.
    void StartSend(const std::string& command);
    // Reads one reply line (see lastReply()).
    void StartReadReply();

    // Closes the connection at once; an operation under way ends with
    // DEVICE_CANCELLED and sends nothing more.
    void Cancel();
    void Close();

    // Runs a local event loop until the operation under way has ended, and
    // returns its result (at once when none is under way).
    DeviceResult Wait();
    // StartConnect and Wait: true when connected.
    bool Connect(uint32_t address, quint16 port = DEVICE_COMMAND_PORT);

    bool busy() const { return m_phase != Phase::Idle; }
    DeviceResult result() const { return m_result; }
    // The socket's own words for the last socket failure (DEVICE_SOCKET_ERROR).
    QString errorText() const { return m_errorText; }
    // Whether the last connect failed for lack of this computer's resources
    // (no descriptor or buffer for a socket): it never reached the device.
    bool lackedResources() const { return m_lackedResources; }
    // The last reply read by StartReadReply.
    const Reply& lastReply() const { return m_lastReply; }
    int timeoutMs() const { return m_timeoutMs; }
    // Records every later exchange in transcript (not owned; nullptr: none).
    void SetTranscript(Transcript* transcript) { m_transcript = transcript; }
    QTcpSocket& socket() { return m_socket; }

signals:
    // Exchanges done, of the operation's total.
    void progress(int done, int total);
    void finished(DeviceResult result);

private:
    enum class Phase { Idle, Connecting, Sending, Reading };
    // What the operation does with a reply: nothing to go on, or its result.
    using ReplyHandler = std::function<std::optional<DeviceResult>(std::size_t, Reply&)>;

    void Run(std::vector<std::string> commands, bool readReplies, ReplyHandler onReply,
             std::size_t lateFrom = NO_LATE_PART);
    void NextExchange();
    void Enter(Phase phase, bool commandSent = false);
    // Whether bytes wait that no command asked for (recorded, masked).
    bool StrayBytesWaiting();
    void TakeReplyBytes();
    void ReplyRead(Reply reply);
    void ExchangeDone();
    void Complete(DeviceResult result);

    void OnConnected();
    void OnBytesWritten();
    void OnSocketError(QAbstractSocket::SocketError error);
    void OnDisconnected();
    void OnDeadline();
    DeviceResult SendErrorCode(QAbstractSocket::SocketError error) const;

    QTcpSocket m_socket;
    QTimer m_deadline;
    Transcript* m_transcript = nullptr;
    const int m_timeoutMs;
    Phase m_phase = Phase::Idle;
    DeviceResult m_result = DEVICE_OK;
    QString m_errorText;
    bool m_lackedResources = false;

    // The operation under way: its commands, the next one, what to do with
    // each reply, and what to end with after the last.
    std::vector<std::string> m_commands;
    std::size_t m_next = 0;
    bool m_readReplies = true;
    ReplyHandler m_onReply;
    DeviceResult m_resultAtEnd = DEVICE_OK;
    // From this command on, any way the operation fails (a send, a reply,
    // a cancel) ends it with DEVICE_READ_BACK_FAILED: the push's read-back,
    // after the device confirmed the apply.
    static constexpr std::size_t NO_LATE_PART = std::size_t(-1);
    std::size_t m_lateFrom = NO_LATE_PART;
    // Whether the command before m_lateFrom (a push's apply) went out: a
    // cancel before its answer then ends with DEVICE_APPLY_UNCONFIRMED, as
    // the device may have applied the settings.
    bool m_applyWritten = false;

    // The reply being read. Whether the last reply ended in CR, so that the
    // LF of a CR LF pair is taken as part of that line end and not as an
    // empty reply of its own.
    std::string m_line;
    bool m_skipLineFeed = false;
    bool m_lastReplyEndedInCr = false;
    Reply m_lastReply;
};

// Whether a push sends the row: it is modified and holds a value.
bool IsPushed(const ConfigParam& row);
// Whether a push of settings sends any row.
bool PushesAnyRow(const DeviceSettings& settings);
// The keys of the rows a push sent whose value, as read back, differs.
std::vector<std::string> NotKept(const DeviceSettings& sent, const DeviceSettings& readBack);

// The keys of the writable rows that a push of sent did not send, whose
// value as read back differs from what the device held before: values that
// an earlier write left pending on the device and the apply committed.
// Rows without a value on either side are not compared.
std::vector<std::string> UnsentChanges(const DeviceSettings& before, const DeviceSettings& sent,
                                       const DeviceSettings& readBack);

// Reads one reply line: the bytes before the first CR or LF. Bytes after
// that line end stay in the stream for the next reply.
Reply ReadReplyLine(DeviceConnection& link);

// Sends one command with its zero byte. DEVICE_OK or a negative code.
DeviceResult SendCommand(DeviceConnection& link, const std::string& command);
