#include "DeviceLink.h"

#include "Transcript.h"

#include <QEventLoop>
#include <QHostAddress>

namespace {

std::string GetCommand(const ConfigParam& row)
{
    return std::string("get ") + row.key + '\r';
}

std::string SetCommand(const ConfigParam& row)
{
    return std::string("set ") + row.key + ' ' + *row.value + '\r';
}

const std::string APPLY_COMMAND = "set CONFIGURE\r";

// The zero byte that ends the text goes out with it.
bool Fits(const std::string& command)
{
    return static_cast<qint64>(command.size()) + 1 <= MAX_COMMAND_LENGTH;
}

} // namespace

DeviceConnection::DeviceConnection(int timeoutMs, QObject* parent)
    : QObject(parent), m_timeoutMs(timeoutMs)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &DeviceConnection::OnDeadline);
    connect(&m_socket, &QTcpSocket::connected, this, &DeviceConnection::OnConnected);
    connect(&m_socket, &QTcpSocket::bytesWritten, this, &DeviceConnection::OnBytesWritten);
    connect(&m_socket, &QTcpSocket::readyRead, this, &DeviceConnection::TakeReplyBytes);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &DeviceConnection::OnSocketError);
    connect(&m_socket, &QTcpSocket::disconnected, this, &DeviceConnection::OnDisconnected);
}

DeviceConnection::~DeviceConnection()
{
    // The socket outlives the other members; what it signals while it goes
    // must not reach them.
    m_socket.disconnect(this);
    m_socket.abort();
}

void DeviceConnection::StartConnect(uint32_t address, quint16 port)
{
    Q_ASSERT(!busy());
    m_errorText.clear();
    m_lackedResources = false;
    m_lastReplyEndedInCr = false;
    m_lateFrom = NO_LATE_PART;
    m_socket.abort();
    Enter(Phase::Connecting);
    const QString dotted = QString::fromStdString(FormatDottedAddress(address));
    if (m_transcript != nullptr)
        m_transcript->Connecting(dotted, port);
    m_socket.connectToHost(QHostAddress(dotted), port);
}

void DeviceConnection::StartFetch(DeviceSettings& settings, const std::vector<ParamRow>& only)
{
    std::vector<ConfigParam*> rows;
    if (only.empty()) {
        for (ConfigGroup& group : settings)
            for (ConfigParam& row : group.rows)
                rows.push_back(&row);
    }
    for (const ParamRow& row : only)
        rows.push_back(settings.Find(row.group, row.index));
    std::vector<std::string> commands;
    for (const ConfigParam* row : rows)
        commands.push_back(GetCommand(*row));
    Run(std::move(commands), true, [rows](std::size_t index, Reply& reply) {
        ConfigParam& row = *rows[index];
        if (!reply.ok()) {
            row.value.reset();
            return std::optional(reply.status);
        }
        row.value = std::move(reply.text);
        return std::optional<DeviceResult>();
    });
}

void DeviceConnection::StartPush(const DeviceSettings& settings, DeviceSettings* readBack)
{
    std::vector<std::string> commands;
    std::vector<ConfigParam*> readRows;
    for (int group = 0; group < static_cast<int>(settings.size()); ++group) {
        for (int index = 0; index < settings[group].count(); ++index) {
            const ConfigParam& row = settings[group].rows[index];
            if (IsPushed(row))
                commands.push_back(SetCommand(row));
            // The apply commits whatever the device holds pending, sent now or
            // left by an earlier write that was never applied: every row it
            // may change is read back.
            if (readBack != nullptr && (row.flags & PARAM_WRITE) != 0)
                readRows.push_back(readBack->Find(group, index));
        }
    }
    commands.push_back(APPLY_COMMAND);
    const std::size_t apply = commands.size() - 1;
    for (const ConfigParam* row : readRows)
        commands.push_back(GetCommand(*row));
    const auto onReply = [apply, readRows](std::size_t index, Reply& reply) {
        if (index < apply)
            return reply.ok() ? std::optional<DeviceResult>() : std::optional(reply.status);
        if (index == apply) // the device may restart on applying: not a failure
            return reply.ok() ? std::optional<DeviceResult>()
                              : std::optional(DEVICE_APPLY_UNCONFIRMED);
        ConfigParam& row = *readRows[index - apply - 1];
        if (!reply.ok())
            return std::optional(DEVICE_READ_BACK_FAILED);
        row.value = std::move(reply.text);
        return std::optional<DeviceResult>();
    };
    Run(std::move(commands), true, onReply, apply + 1);
}

void DeviceConnection::StartSend(const std::string& command)
{
    Run({command}, false, {});
}

void DeviceConnection::StartReadReply()
{
    // An exchange without a command only reads.
    Run({std::string()}, true, [](std::size_t, Reply& reply) {
        return reply.ok() ? std::optional<DeviceResult>() : std::optional(reply.status);
    });
}

void DeviceConnection::Run(std::vector<std::string> commands, bool readReplies,
                           ReplyHandler onReply, std::size_t lateFrom)
{
    m_lateFrom = lateFrom;
    m_applyWritten = false;
    Q_ASSERT(!busy());
    m_commands = std::move(commands);
    m_next = 0;
    m_readReplies = readReplies;
    m_onReply = std::move(onReply);
    m_resultAtEnd = DEVICE_OK;
    // Every command is checked before the first is sent.
    for (const std::string& command : m_commands) {
        if (!Fits(command)) {
            Complete(DEVICE_COMMAND_TOO_LONG);
            return;
        }
    }
    NextExchange();
}

void DeviceConnection::NextExchange()
{
    if (m_next == m_commands.size()) {
        // More after the last reply: the device gave more lines than it was
        // asked for (as far as they have come by now).
        const bool stray = m_readReplies && m_resultAtEnd == DEVICE_OK && StrayBytesWaiting();
        Complete(stray ? DEVICE_OUT_OF_STEP : m_resultAtEnd);
        return;
    }
    const std::string& command = m_commands[m_next];
    if (command.empty()) {
        Enter(Phase::Reading, false);
        return;
    }
    Enter(Phase::Sending);
    const qint64 length = static_cast<qint64>(command.size()) + 1;
    if (m_socket.state() != QAbstractSocket::ConnectedState ||
        m_socket.write(command.c_str(), length) != length) {
        m_errorText = m_socket.errorString();
        Complete(SendErrorCode(m_socket.error()));
        return;
    }
    if (m_transcript != nullptr)
        m_transcript->Sent(std::string(command.c_str(), length));
    m_applyWritten = m_lateFrom != NO_LATE_PART && m_next + 1 == m_lateFrom;
    // Out now rather than on the next pass of the event loop; what the
    // kernel does not take yet is written as the socket signals it can.
    m_socket.flush();
    OnBytesWritten();
}

void DeviceConnection::Enter(Phase phase, bool commandSent)
{
    m_phase = phase;
    m_deadline.start(m_timeoutMs);
    if (phase != Phase::Reading)
        return;
    m_line.clear();
    m_skipLineFeed = m_lastReplyEndedInCr;
    // A reply there before its command went out is a line the device sent
    // unasked: every reply from then on would be taken as that of the
    // command before it.
    if (commandSent && StrayBytesWaiting()) {
        ReplyRead({DEVICE_OUT_OF_STEP, {}});
        return;
    }
    TakeReplyBytes(); // bytes that came before the reading began
}

bool DeviceConnection::StrayBytesWaiting()
{
    QByteArray waiting = m_socket.peek(m_socket.bytesAvailable());
    if (m_lastReplyEndedInCr && waiting.startsWith('\n'))
        waiting.remove(0, 1); // the rest of a CR LF
    if (waiting.isEmpty())
        return false;
    if (m_transcript != nullptr)
        m_transcript->Stray(waiting.toStdString());
    return true;
}

void DeviceConnection::OnBytesWritten()
{
    if (m_phase != Phase::Sending || m_socket.bytesToWrite() > 0)
        return;
    if (m_readReplies) {
        Enter(Phase::Reading, true);
        return;
    }
    ExchangeDone();
}

void DeviceConnection::TakeReplyBytes()
{
    // One byte at a time, so that nothing after the line end is taken: it
    // stays in the socket's buffer for the next reply.
    while (m_phase == Phase::Reading && m_socket.bytesAvailable() > 0) {
        char c = 0;
        m_socket.getChar(&c);
        if (m_skipLineFeed) {
            m_skipLineFeed = false;
            if (c == '\n')
                continue;
        }
        if (c == '\r' || c == '\n') {
            m_lastReplyEndedInCr = (c == '\r');
            if (m_transcript != nullptr)
                m_transcript->Received(m_line + c);
            std::string line;
            line.swap(m_line);
            ReplyRead({DEVICE_OK, std::move(line)});
            return;
        }
        if (m_line.size() == MAX_REPLY_LENGTH) {
            ReplyRead({DEVICE_REPLY_TOO_LONG, {}});
            return;
        }
        m_line.push_back(c);
    }
}

void DeviceConnection::ReplyRead(Reply reply)
{
    const std::size_t index = m_next;
    const std::optional<DeviceResult> stop = m_onReply(index, reply);
    m_lastReply = std::move(reply);
    if (stop) {
        Complete(*stop);
        return;
    }
    ExchangeDone();
}

void DeviceConnection::ExchangeDone()
{
    ++m_next;
    emit progress(static_cast<int>(m_next), static_cast<int>(m_commands.size()));
    if (m_phase != Phase::Idle) // not cancelled by a receiver of the progress
        NextExchange();
}

void DeviceConnection::Complete(DeviceResult result)
{
    if (result != DEVICE_OK && m_next >= m_lateFrom)
        result = DEVICE_READ_BACK_FAILED;
    if (m_transcript != nullptr) {
        if (m_phase == Phase::Reading && !m_line.empty())
            m_transcript->Unfinished(m_line);
        if (m_phase == Phase::Connecting && result == DEVICE_OK)
            m_transcript->Connected();
        else
            m_transcript->Ended(result, m_errorText);
    }
    m_phase = Phase::Idle;
    m_deadline.stop();
    m_result = result;
    emit finished(result);
}

void DeviceConnection::Cancel()
{
    if (!busy())
        return;
    m_phase = Phase::Idle; // what the socket signals while it closes is ignored
    m_socket.abort();
    const bool applyUnanswered = m_applyWritten && m_next + 1 == m_lateFrom;
    Complete(applyUnanswered ? DEVICE_APPLY_UNCONFIRMED : DEVICE_CANCELLED);
}

void DeviceConnection::Close()
{
    Cancel();
    m_socket.abort();
}

DeviceResult DeviceConnection::Wait()
{
    if (!busy())
        return m_result;
    QEventLoop loop;
    connect(this, &DeviceConnection::finished, &loop, &QEventLoop::quit);
    loop.exec();
    return m_result;
}

bool DeviceConnection::Connect(uint32_t address, quint16 port)
{
    StartConnect(address, port);
    return Wait() == DEVICE_OK;
}

void DeviceConnection::OnConnected()
{
    if (m_phase == Phase::Connecting)
        Complete(DEVICE_OK);
}

void DeviceConnection::OnSocketError(QAbstractSocket::SocketError error)
{
    switch (m_phase) {
    case Phase::Idle: return;
    case Phase::Connecting:
        m_errorText = m_socket.errorString();
        m_lackedResources = error == QAbstractSocket::SocketResourceError;
        m_phase = Phase::Idle; // what the socket signals while it closes is ignored
        m_socket.abort();
        Complete(DEVICE_CONNECT_FAILED);
        return;
    case Phase::Sending:
        m_errorText = m_socket.errorString();
        Complete(SendErrorCode(error));
        return;
    case Phase::Reading: OnDisconnected(); return;
    }
}

void DeviceConnection::OnDisconnected()
{
    switch (m_phase) {
    case Phase::Idle: return;
    case Phase::Connecting: Complete(DEVICE_CONNECT_FAILED); return;
    case Phase::Sending: Complete(DEVICE_CONNECTION_CLOSED); return;
    case Phase::Reading:
        TakeReplyBytes(); // a line may have come before the end
        if (m_phase == Phase::Reading)
            ReplyRead({DEVICE_CONNECTION_CLOSED, {}});
        return;
    }
}

void DeviceConnection::OnDeadline()
{
    switch (m_phase) {
    case Phase::Idle: return;
    case Phase::Connecting:
        m_phase = Phase::Idle;
        m_socket.abort();
        Complete(DEVICE_CONNECT_FAILED);
        return;
    case Phase::Sending: Complete(DEVICE_TIMED_OUT); return;
    case Phase::Reading: ReplyRead({DEVICE_TIMED_OUT, {}}); return;
    }
}

DeviceResult DeviceConnection::SendErrorCode(QAbstractSocket::SocketError error) const
{
    switch (error) {
    case QAbstractSocket::UnknownSocketError: return DEVICE_SEND_FAILED;
    case QAbstractSocket::HostNotFoundError: return DEVICE_HOST_NOT_FOUND;
    case QAbstractSocket::SocketTimeoutError: return DEVICE_TIMED_OUT;
    case QAbstractSocket::RemoteHostClosedError: return DEVICE_CONNECTION_CLOSED;
    default: return DEVICE_SOCKET_ERROR;
    }
}

bool IsPushed(const ConfigParam& row)
{
    return (row.flags & PARAM_MODIFIED) != 0 && row.value.has_value();
}

bool PushesAnyRow(const DeviceSettings& settings)
{
    for (const ConfigGroup& group : settings)
        for (const ConfigParam& row : group.rows)
            if (IsPushed(row))
                return true;
    return false;
}

std::vector<std::string> NotKept(const DeviceSettings& sent, const DeviceSettings& readBack)
{
    std::vector<std::string> keys;
    for (int group = 0; group < static_cast<int>(sent.size()); ++group) {
        for (int index = 0; index < sent[group].count(); ++index) {
            const ConfigParam& row = sent[group].rows[index];
            if (IsPushed(row) && readBack.Find(group, index)->value != row.value)
                keys.push_back(row.key);
        }
    }
    return keys;
}

std::vector<std::string> UnsentChanges(const DeviceSettings& before, const DeviceSettings& sent,
                                       const DeviceSettings& readBack)
{
    std::vector<std::string> keys;
    for (int group = 0; group < static_cast<int>(sent.size()); ++group) {
        for (int index = 0; index < sent[group].count(); ++index) {
            const ConfigParam& row = sent[group].rows[index];
            const std::optional<std::string>& was = before.Find(group, index)->value;
            const std::optional<std::string>& now = readBack.Find(group, index)->value;
            if ((row.flags & PARAM_WRITE) != 0 && !IsPushed(row) && was && now && was != now)
                keys.push_back(row.key);
        }
    }
    return keys;
}

Reply ReadReplyLine(DeviceConnection& link)
{
    link.StartReadReply();
    link.Wait();
    return link.lastReply();
}

DeviceResult SendCommand(DeviceConnection& link, const std::string& command)
{
    link.StartSend(command);
    return link.Wait();
}
