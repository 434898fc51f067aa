#include "SimProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>

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
    return m_process.waitForStarted(5000);
}

bool SimProcess::WaitUntilListening()
{
    static const QRegularExpression listening("listening on .*:(\\d+)");
    QByteArray output;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (m_process.canReadLine() || m_process.waitForReadyRead(100)) {
            output += m_process.readAll();
            const auto match = listening.match(QString::fromLatin1(output));
            if (match.hasMatch()) {
                m_port = static_cast<quint16>(match.captured(1).toUInt());
                return true;
            }
        }
        if (m_process.state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

void SimProcess::Stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}

QStringList SimProcess::LogLines(const QString& prefix) const
{
    QFile file(m_dir.filePath("sim.log"));
    QStringList lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith(prefix.toLatin1()))
            lines.append(QString::fromLatin1(line));
    }
    return lines;
}

QList<QByteArray> SimProcess::Commands() const
{
    QList<QByteArray> commands;
    for (const QString& line : LogLines("RECV "))
        commands.append(Unescape(line.mid(5).toLatin1()));
    return commands;
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
