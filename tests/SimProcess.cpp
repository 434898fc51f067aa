#include "SimProcess.h"

#include <QFile>
#include <QHostAddress>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QtTest>

#include <functional>
#include <set>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Bound on each half of a start: generous, since a start under Wine on a
// loaded machine can take seconds; a start that works ends the wait early.
constexpr int START_TIMEOUT_MS = 30000;
constexpr int START_ATTEMPTS = 2;

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

bool SimProcess::Start()
{
    return Tried([this] { return LaunchOnce() && WaitUntilListening(); });
}

bool SimProcess::Launch()
{
    return Tried([this] { return LaunchOnce(); });
}

bool SimProcess::Tried(const std::function<bool()>& step)
{
    // A simulator that did not come up is tried once more, after saying
    // why: under Wine on a busy machine a start has been seen to fail once
    // in many hundred.
    for (int attempt = 1; attempt <= START_ATTEMPTS; ++attempt) {
        if (step())
            return true;
        qWarning("tolvo-sim on %s, attempt %d of %d: %s", qPrintable(m_address), attempt,
                 START_ATTEMPTS, qPrintable(StartFailure()));
        Stop();
    }
    return false;
}

bool SimProcess::LaunchOnce()
{
    QStringList args = m_options;
    args << "--address" << m_address << "--port" << QString::number(m_port) << "--log"
         << m_dir.filePath("sim.log");
    m_output.clear();
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(TOLVO_SIM_PATH, args);
    return QTest::qWaitFor([this] { return m_process.state() == QProcess::Running; },
                           START_TIMEOUT_MS);
}

bool SimProcess::WaitUntilListening()
{
    static const QRegularExpression listening("listening on .*:(\\d+)");
    const bool found = QTest::qWaitFor(
        [&] {
            m_output += m_process.readAllStandardOutput();
            const auto match = listening.match(QString::fromLatin1(m_output));
            if (match.hasMatch())
                m_port = static_cast<quint16>(match.captured(1).toUInt());
            return match.hasMatch() || m_process.state() == QProcess::NotRunning;
        },
        START_TIMEOUT_MS);
    return found && m_process.state() == QProcess::Running;
}

QString SimProcess::StartFailure() const
{
    QFile log(m_dir.filePath("sim.log"));
    const QByteArray logged = log.open(QIODevice::ReadOnly) ? log.readAll().trimmed() : "";
    const QString state = m_process.state() == QProcess::Running
                              ? QString("still running, no listening line")
                              : QString("process state %1, exit code %2, %3")
                                    .arg(m_process.state())
                                    .arg(m_process.exitCode())
                                    .arg(m_process.errorString());
    return QString("%1; printed \"%2\"; logged \"%3\"")
        .arg(state, QString::fromLatin1(m_output.trimmed()), QString::fromLatin1(logged));
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
