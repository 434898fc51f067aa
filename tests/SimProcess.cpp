#include "SimProcess.h"

#include <QFile>
#include <QHostAddress>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QtTest>

#include <set>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// What Sync sends: a get of a key no device has, answered with an error line.
const QByteArray SYNC_COMMAND = "get #sync";

// The log's lines: it is a text file, with CR LF line ends on Windows.
QByteArrayList SplitLogLines(const QByteArray& text)
{
    QByteArrayList lines = text.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

bool SimProcess::Sync() const
{
    QTcpSocket socket;
    QByteArray received;
    QObject::connect(&socket, &QTcpSocket::connected,
                     [&] { socket.write(WireCommand(SYNC_COMMAND)); });
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { received += socket.readAll(); });
    socket.connectToHost(QHostAddress(m_address), m_port);
    const bool answered = QTest::qWaitFor([&] { return received.contains('\r'); }, 10000);
    socket.abort();
    return answered;
}

SimProcess::SimProcess(QStringList options, QString address, quint16 port)
    : m_options(std::move(options)), m_address(std::move(address)), m_port(port)
{}

SimProcess::~SimProcess()
{
    Stop();
}

bool SimProcess::Launch()
{
    QStringList args = m_options;
    args << "--address" << m_address << "--port" << QString::number(m_port) << "--log"
         << m_dir.filePath("sim.log");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(TOLVO_SIM_PATH, args);
    return QTest::qWaitFor([this] { return m_process.state() == QProcess::Running; }, 5000);
}

bool SimProcess::WaitUntilListening()
{
    static const QRegularExpression listening("listening on .*:(\\d+)");
    QByteArray output;
    const bool found = QTest::qWaitFor(
        [&] {
            output += m_process.readAllStandardOutput();
            const auto match = listening.match(QString::fromLatin1(output));
            if (match.hasMatch())
                m_port = static_cast<quint16>(match.captured(1).toUInt());
            return match.hasMatch() || m_process.state() == QProcess::NotRunning;
        },
        10000);
    return found && m_process.state() == QProcess::Running;
}

void SimProcess::Stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    if (!QTest::qWaitFor([this] { return m_process.state() == QProcess::NotRunning; }, 5000))
        qWarning("tolvo-sim did not stop");
}

QStringList SimProcess::LogLines(const QString& prefix) const
{
    QFile file(m_dir.filePath("sim.log"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Each line belongs to the connection opened last before it; those of
    // Sync's connections are left out.
    static const QRegularExpression opened("^# connection (\\d+) opened");
    static const QRegularExpression closed("^# connection (\\d+) closed");
    QList<QPair<int, QString>> lines;
    std::set<int> syncConnections;
    int connection = 0;
    for (const QByteArray& raw : SplitLogLines(file.readAll())) {
        const QString line = QString::fromLatin1(raw);
        int owner = connection;
        if (const auto match = opened.match(line); match.hasMatch())
            owner = connection = match.captured(1).toInt();
        else if (const auto match = closed.match(line); match.hasMatch())
            owner = match.captured(1).toInt();
        if (raw.startsWith("RECV ") && Unescape(raw.mid(5)) == WireCommand(SYNC_COMMAND))
            syncConnections.insert(owner);
        lines.append({owner, line});
    }
    QStringList kept;
    for (const auto& [owner, line] : lines) {
        if (!syncConnections.count(owner) && line.startsWith(prefix))
            kept.append(line);
    }
    return kept;
}

QByteArrayList SimProcess::NewLogLines()
{
    QFile file(m_dir.filePath("sim.log"));
    if (!file.open(QIODevice::ReadOnly) || !file.seek(m_logRead))
        return {};
    QByteArray text = file.readAll();
    text.truncate(text.lastIndexOf('\n') + 1); // a line still being written waits
    m_logRead += text.size();
    QByteArrayList lines = SplitLogLines(text);
    lines.removeLast();
    return lines;
}

QList<QByteArray> SimProcess::Commands() const
{
    QList<QByteArray> commands;
    for (const QString& line : LogLines("RECV "))
        commands.append(Unescape(line.mid(5).toLatin1()));
    return commands;
}

bool IsWine()
{
#ifdef Q_OS_WIN
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

QByteArray WireCommand(const QByteArray& text)
{
    QByteArray bytes = text;
    bytes += '\r';
    bytes += '\0';
    return bytes;
}

QByteArray Unescape(const QByteArray& escaped)
{
    QByteArray out;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const char c = escaped.at(i);
        if (c != '\\' || i + 1 >= escaped.size()) {
            out += c;
            continue;
        }
        const char e = escaped.at(++i);
        switch (e) {
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case '0': out += '\0'; break;
        case 'x':
            out += static_cast<char>(escaped.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
            break;
        default: out += e;
        }
    }
    return out;
}
