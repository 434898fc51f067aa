#include "SoakWatch.h"

#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

namespace {

// "KEY=VALUE" of a log line's rest, the value unescaped.
QPair<QByteArray, QByteArray> KeyValue(const QByteArray& text)
{
    const qsizetype eq = text.indexOf('=');
    return {text.left(eq), Unescape(text.mid(eq + 1))};
}

} // namespace

int ConnectionsMade(const QStringList& transcript)
{
    int made = 0;
    for (const QString& line : transcript)
        made += line.section(' ', 1, 1) == QLatin1String("CONNECTED") ? 1 : 0;
    return made;
}

SoakWatch::SoakWatch(SimProcess& sim, SoakFigures& figures, int lagMs)
    : m_sim(sim), m_figures(figures), m_lagMs(lagMs)
{
    m_clock.start();
}

void SoakWatch::BeginAction()
{
    Poll();
    m_firstOfAction = m_lastNumber + 1;
    m_sent.clear();
    m_struck.clear();
    m_actionLines.clear();
}

bool SoakWatch::Settle(int made)
{
    const int last = m_firstOfAction + made - 1;
    // When the log shows no connection open but not yet the action's own,
    // it lags behind the device: a figure of the run.
    QElapsedTimer lagging;
    const bool settled = QTest::qWaitFor(
        [&] {
            Poll();
            const bool noneOpen = m_opened == m_closed;
            if (noneOpen && m_lastClosed < last && !lagging.isValid())
                lagging.start();
            return noneOpen && m_lastClosed >= last;
        },
        SETTLE_BOUND_MS);
    if (lagging.isValid()) {
        ++m_figures.lateLogs;
        m_figures.longestLateLogMs = std::max(m_figures.longestLateLogMs, lagging.elapsed());
    }
    return settled;
}

void SoakWatch::Poll()
{
    const qint64 now = m_clock.elapsed();
    for (const QByteArray& line : m_sim.NewLogLines())
        m_lagging.emplace_back(now, line);
    while (!m_lagging.empty() && now - m_lagging.front().first >= m_lagMs) {
        Take(m_lagging.front().second);
        m_lagging.pop_front();
    }
}

void SoakWatch::Take(const QByteArray& line)
{
    static const QRegularExpression plan("^# chaos \\d+: (\\S+)");
    static const QRegularExpression connection("^# connection (\\d+) (opened|closed)$");
    m_actionLines << line;
    if (const auto match = connection.match(QString::fromLatin1(line)); match.hasMatch()) {
        const int number = match.captured(1).toInt();
        m_lastNumber = std::max(m_lastNumber, number);
        if (match.captured(2) == QLatin1String("opened")) {
            ++m_opened;
            m_sent.clear();
        } else {
            ++m_closed;
            m_lastClosed = number;
        }
    } else if (line.startsWith("# holds ")) {
        m_holds.clear();
        for (const QByteArray& pair : line.mid(8).split('\t'))
            m_holds.insert(KeyValue(pair));
    } else if (line.startsWith("# sent ")) {
        m_sent.insert(KeyValue(line.mid(7)));
    } else if (const auto match = plan.match(QString::fromLatin1(line)); match.hasMatch()) {
        ++m_figures.faultsPlanned[match.captured(1)];
    } else if (line.startsWith("# chaos: ") || line.startsWith("# ignored set")) {
        m_struck << line;
        ++m_figures.faultsStruck[StruckKind(line)];
    }
}

QString SoakWatch::StruckKind(const QByteArray& line)
{
    static const std::pair<const char*, const char*> kinds[] = {
        {"# chaos: reset", "reset"},
        {"# chaos: silent", "silent-after"},
        {"# chaos: closed after", "close-at-byte"},
        {"# chaos: long reply", "long-reply"},
        {"# chaos: bad byte", "bad-byte"},
        {"# chaos: stray bytes", "stray-bytes"},
        {"# chaos: waits", "delay past the bound"},
        {"# ignored set", "ignore-set"},
    };
    for (const auto& [prefix, kind] : kinds)
        if (line.startsWith(prefix))
            return QLatin1String(kind);
    return QStringLiteral("other");
}
