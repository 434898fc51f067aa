#include "SimDevice.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// Factory values, in the order the device lists its settings.
const QList<QPair<QByteArray, QByteArray>>& FactoryValues()
{
    static const QList<QPair<QByteArray, QByteArray>> values = {
        {"SERIALN", "TS-240117-0042"},
        {"FWVERSION", "2.3.1"},
        {"SSID", "TolvoNet"},
        {"PASSWORD", "tolvo1234"},
        {"IPADDRESS", "192.168.1.50"},
        {"IPMASK", "255.255.255.0"},
        {"DHCP", "0"},
        {"CHANNEL", "6"},
        {"NTYPE", "1"},
        {"TRANSPOWER", "10"},
        {"DEVICEID", "Tolvo-S"},
        {"RS232 baudrate", "115200"},
        {"RS232 databits", "8"},
        {"RS232 stopbits", "1"},
        {"RS232 parity", "0"},
        {"DIRECT baudrate", "9600"},
        {"DIRECT databits", "8"},
        {"DIRECT stopbits", "1"},
        {"DIRECT parity", "2"},
        {"PORTCONNECT 0", "0"},
        {"PORT 0", "4070"},
        {"PORTCONNECT 1", "1"},
        {"PORT 1", "4001"},
        {"PORTCONNECT 2", "2"},
        {"PORT 2", "4002"},
    };
    return values;
}

constexpr int OVERLONG_REPLY = 2000;
constexpr int MAX_PENDING_INPUT = 4096;

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// The command text without its zero bytes and line end.
QByteArray CommandLine(const QByteArray& raw)
{
    QByteArray line = raw;
    while (!line.isEmpty() && line.front() == '\0')
        line.remove(0, 1);
    while (!line.isEmpty() && (line.back() == '\0' || IsLineEnd(line.back())))
        line.chop(1);
    return line;
}

} // namespace

SimDevice::SimDevice(const SimOptions& options, int index, SimLog& log, SimNetwork& network,
                     QObject* parent)
    : QObject(parent), m_options(options), m_log(log),
      m_listener(options.moves, index, network, log, this), m_chaosSource(options.chaos, index)
{
    m_options.address = QHostAddress(options.address.toIPv4Address() + index);
    if (options.devices > 1)
        m_logPrefix = "[" + m_options.address.toString().toLatin1() + "] ";
    for (const auto& [key, value] : FactoryValues())
        m_active.insert(key, value);
    if (index > 0) // each device its own serial number
        m_active.insert("SERIALN",
                        "TS-240117-" + QByteArray::number(42 + index).rightJustified(4, '0'));
    for (const auto& [key, value] : options.initialValues)
        m_active.insert(key, value);
    for (const auto& [key, value] : options.pendingValues)
        m_pending.insert(key, value);
    for (const QByteArray& key : options.unknownKeys)
        m_active.remove(key);
    m_listener.Place(m_options.address, m_logPrefix, m_active.value("DHCP") == "1");
    connect(&m_listener.server(), &QTcpServer::newConnection, this, &SimDevice::TakeNextClient);
}

LogLine SimDevice::Log()
{
    return LogLine(m_log, m_logPrefix);
}

QList<QByteArray> SimDevice::Keys()
{
    QList<QByteArray> keys;
    for (const auto& entry : FactoryValues())
        keys.append(entry.first);
    return keys;
}

QByteArray SimDevice::Escape(const QByteArray& bytes)
{
    QByteArray out;
    for (const char c : bytes) {
        switch (c) {
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\0': out += "\\0"; break;
        case '\\': out += "\\\\"; break;
        default:
            if (c >= 0x20 && c < 0x7F)
                out += c;
            else
                out += "\\x" +
                       QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
        }
    }
    return out;
}

std::optional<QByteArray> SimDevice::Unescape(const QByteArray& escaped)
{
    static const QMap<char, char> SINGLE{
        {'r', '\r'}, {'n', '\n'}, {'t', '\t'}, {'0', '\0'}, {'\\', '\\'}};
    QByteArray out;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\') {
            out += escaped[i];
        } else if (i + 1 < escaped.size() && SINGLE.contains(escaped[i + 1])) {
            out += SINGLE.value(escaped[++i]);
        } else if (i + 3 < escaped.size() && escaped[i + 1] == 'x') {
            bool ok = false;
            const int byte = escaped.mid(i + 2, 2).toInt(&ok, 16);
            if (!ok)
                return std::nullopt;
            out += char(byte);
            i += 3;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

bool SimDevice::Start()
{
    if (m_options.refuseSeconds <= 0)
        return Listen();
    Log() << "# refusing connections for " << m_options.refuseSeconds << " s" << Qt::endl;
    QTimer::singleShot(m_options.refuseSeconds * 1000, this, [this] {
        if (!Listen())
            QCoreApplication::exit(1);
    });
    return true;
}

bool SimDevice::Listen()
{
    if (!m_listener.Listen(m_options.port)) {
        Log() << "# cannot listen: " << m_listener.server().errorString() << Qt::endl;
        return false;
    }
    emit listening(m_listener.server().serverPort());
    return true;
}

void SimDevice::TakeNextClient()
{
    // A held client that went with a reset is found gone here, so that the
    // next one is served: under Wine such a reset signals nothing until the
    // socket is polled.
    if (m_client != nullptr)
        m_client->waitForReadyRead(0);
    while (m_client == nullptr && m_listener.server().hasPendingConnections()) {
        QTcpSocket* socket = m_listener.server().nextPendingConnection();
        ++m_connections;
        if (m_connections <= m_options.resetFirst) {
            Log() << "# connection " << m_connections << " reset" << Qt::endl;
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_client = socket;
        m_buffer.clear();
        m_repliesSent = 0;
        Log() << "# connection " << m_connections << " opened" << Qt::endl;
        if (m_chaosSource.enabled()) {
            QList<QByteArray> writable = Keys().mid(2); // not the serial number and firmware
            m_chaos = m_chaosSource.Next(writable);
            Log() << "# chaos " << m_connections << ": " << m_chaos.Describe() << Qt::endl;
        }
        connect(socket, &QTcpSocket::readyRead, this, &SimDevice::ReadCommands);
        connect(socket, &QTcpSocket::disconnected, this, &SimDevice::ClientGone);
        ReadCommands();
        // A client that went before it was taken signals nothing more.
        if (m_client != nullptr && m_client->state() != QAbstractSocket::ConnectedState)
            ClientGone();
    }
}

void SimDevice::ReadCommands()
{
    if (m_client == nullptr)
        return;
    m_buffer += m_client->readAll();
    // Once an apply that moves the device is read, no further command is.
    while (m_move.kind == MovePlan::Kind::Stay) {
        const auto end = std::find_if(m_buffer.begin(), m_buffer.end(), IsLineEnd);
        if (end == m_buffer.end())
            break;
        qsizetype length = end - m_buffer.begin() + 1;
        if (length < m_buffer.size() && m_buffer.at(length) == '\0')
            ++length; // the zero byte that ends each command
        const QByteArray raw = m_buffer.left(length);
        m_buffer.remove(0, length);
        Handle(raw);
    }
    if (m_buffer.size() > MAX_PENDING_INPUT) {
        Log() << "# dropping " << m_buffer.size() << " bytes without a line end" << Qt::endl;
        m_buffer.clear();
    }
}

void SimDevice::Handle(const QByteArray& raw)
{
    Log() << "RECV " << Escape(raw) << Qt::endl;
    const QByteArray line = CommandLine(raw);
    QByteArray reply = Answer(line);
    const QByteArray getKey = line.startsWith("get ") ? line.mid(4) : QByteArray();
    const bool moves = m_move.kind != MovePlan::Kind::Stay; // an apply that moves the device
    if (m_options.silent || m_hung) {
        MoveIfDue();
        return;
    }
    if (line == "set CONFIGURE" && m_options.applyAnswer != SimOptions::ApplyAnswer::Reply) {
        Log() << "# apply left unanswered" << Qt::endl;
        m_hung = m_options.applyAnswer == SimOptions::ApplyAnswer::Hang;
        if (m_options.applyAnswer == SimOptions::ApplyAnswer::Close && m_client != nullptr)
            m_client->disconnectFromHost();
        MoveIfDue();
        return;
    }
    const int delayMs =
        m_chaos.fault == Fault::Delay ? m_chaosSource.ReplyDelayMs() : m_options.delayMs;
    if (m_chaos.fault == Fault::Delay && delayMs == m_options.chaos.maxDelayMs)
        Log() << "# chaos: waits " << delayMs << " ms before reply " << m_repliesSent << Qt::endl;
    if (delayMs <= 0) {
        SendReply(std::move(reply), getKey);
        if (line == "set CONFIGURE" && m_options.closeAfterApply && m_client != nullptr)
            m_client->disconnectFromHost();
        MoveIfDue();
        return;
    }
    // A precise timer, not a sleep: the other devices of this process go on
    // meanwhile. The client sends its next command only after this reply.
    QTimer::singleShot(
        delayMs, Qt::PreciseTimer, this,
        [this, getKey, moves, client = m_client, reply = std::move(reply)]() mutable {
            if (m_client == client) // not to a client that came after
                SendReply(std::move(reply), getKey);
            if (moves)
                MoveIfDue();
        });
}

QByteArray SimDevice::MatchKey(const QByteArray& rest) const
{
    QByteArray best;
    for (const QByteArray& key : m_active.keys()) {
        if (rest.startsWith(key + ' ') && key.size() > best.size())
            best = key;
    }
    return best;
}

QByteArray SimDevice::Answer(const QByteArray& line)
{
    if (line.startsWith("get ")) {
        const QByteArray key = line.mid(4);
        if (!m_options.longReplyKey.isEmpty() && key == m_options.longReplyKey)
            return QByteArray(OVERLONG_REPLY, 'L');
        // With DHCP on the device reports the address its server gave it.
        if (key == "IPADDRESS" && m_active.contains(key) && m_listener.lease() &&
            m_active.value("DHCP") == "1")
            return m_listener.lease()->toString().toLatin1();
        return m_active.contains(key) ? m_active.value(key) : QByteArray("ERROR unknown key");
    }
    if (line == "set CONFIGURE") {
        const QMap<QByteArray, QByteArray> before = m_active;
        for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
            Log() << "# applied " << Escape(it.key()) << "=" << Escape(it.value()) << Qt::endl;
            m_active.insert(it.key(), it.value());
        }
        m_pending.clear();
        LogHolds();
        m_move = PlanMove(m_options.moves, before, m_active);
        return "OK";
    }
    if (line.startsWith("set ")) {
        const QByteArray rest = line.mid(4);
        const QByteArray key = MatchKey(rest);
        if (key.isEmpty())
            return "ERROR unknown key";
        if (m_options.ignoredSets.contains(key) ||
            (m_chaos.fault == Fault::IgnoreSet && key == m_chaos.ignoredKey)) {
            Log() << "# ignored set " << Escape(key) << Qt::endl;
            return "OK";
        }
        m_pending.insert(key, rest.mid(key.size() + 1));
        return m_options.echoSet ? "OK " + rest : QByteArray("OK");
    }
    return "ERROR unknown command";
}

bool SimDevice::MangleReply(QByteArray& reply, const QByteArray& getKey)
{
    const ConnectionChaos& chaos = m_chaos;
    const bool strikes = m_repliesSent == chaos.atReply;
    switch (chaos.fault) {
    case Fault::Reset:
        if (!strikes)
            return true;
        Log() << "# chaos: reset before reply " << m_repliesSent << Qt::endl;
        m_client->abort();
        ClientGone();
        return false;
    case Fault::SilentAfter:
        if (m_repliesSent < chaos.atReply)
            return true;
        Log() << "# chaos: silent at reply " << m_repliesSent << Qt::endl;
        return false;
    case Fault::LongReply:
        if (strikes) {
            reply = QByteArray(chaos.longLength, 'L');
            Log() << "# chaos: long reply " << m_repliesSent << Qt::endl;
        }
        return true;
    case Fault::BadByte:
        if (strikes) {
            reply.insert(m_chaosSource.Position(reply.size()), chaos.inserted);
            Log() << "# chaos: bad byte in reply " << m_repliesSent << Qt::endl;
        }
        return true;
    case Fault::StrayBytes:
        if (strikes) {
            reply.prepend(chaos.inserted);
            Log() << "# chaos: stray bytes before reply " << m_repliesSent << Qt::endl;
        }
        return true;
    case Fault::CloseAtByte:
        if (!strikes)
            return true;
        // The reply counts as sent when its line end went with it.
        if (chaos.atByte > reply.size() && !getKey.isEmpty())
            Log() << "# sent " << Escape(getKey) << "=" << Escape(reply) << Qt::endl;
        reply = (reply + chaos.lineEnd).left(chaos.atByte);
        m_client->write(reply);
        m_client->flush();
        Log() << "# chaos: closed after " << reply.size() << " bytes of reply " << m_repliesSent
              << Qt::endl;
        m_client->disconnectFromHost();
        return false;
    case Fault::None:
    case Fault::Delay:
    case Fault::LineEnd:
    case Fault::IgnoreSet: return true;
    }
    return true;
}

void SimDevice::SendReply(QByteArray reply, const QByteArray& getKey)
{
    if (m_client == nullptr || m_client->state() != QAbstractSocket::ConnectedState)
        return;
    if (m_chaosSource.enabled() && !MangleReply(reply, getKey))
        return;
    if (m_chaosSource.enabled() && !getKey.isEmpty())
        Log() << "# sent " << Escape(getKey) << "=" << Escape(reply) << Qt::endl;
    reply += m_options.crlf ? QByteArray("\r\n") : m_chaos.lineEnd;
    m_client->write(reply);
    m_client->flush();
    ++m_repliesSent;
    if (m_options.closeAfter >= 0 && m_repliesSent >= m_options.closeAfter) {
        Log() << "# closing after " << m_repliesSent << " replies" << Qt::endl;
        m_client->disconnectFromHost();
    }
}

// What the device holds, as one line: "# holds KEY=VALUE<TAB>KEY=VALUE...",
// values escaped (so that a TAB separates and never belongs to one).
void SimDevice::LogHolds()
{
    if (!m_chaosSource.enabled())
        return;
    QByteArrayList pairs;
    for (auto it = m_active.cbegin(); it != m_active.cend(); ++it)
        pairs << it.key() + "=" + Escape(it.value());
    Log() << "# holds " << pairs.join('\t') << Qt::endl;
}

void SimDevice::ClientGone()
{
    if (m_client == nullptr)
        return;
    LogHolds();
    Log() << "# connection " << m_connections << " closed" << Qt::endl;
    m_client->deleteLater();
    m_client = nullptr;
    m_buffer.clear();
    TakeNextClient();
}

// Once the apply is answered: the device stops listening, ends the
// connection served now after that reply, and moves.
void SimDevice::MoveIfDue()
{
    const MovePlan move = std::exchange(m_move, MovePlan{});
    if (move.kind == MovePlan::Kind::Stay)
        return;
    m_listener.Stop(); // first, so that no client is taken after this one
    m_buffer.clear();  // commands sent after the apply go unanswered
    if (m_client != nullptr) {
        disconnect(m_client, &QTcpSocket::readyRead, this, &SimDevice::ReadCommands);
        m_client->disconnectFromHost(); // ClientGone follows once it is closed
    }
    m_listener.Move(move);
}
