// Runs tolvo-sim as a real process on a loopback address for a test, and
// reads back what it received.
#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

class SimProcess {
public:
    explicit SimProcess(QStringList options = {}, QString address = "127.0.0.1", quint16 port = 0);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts the simulator and waits until it listens, with one more try
    // when it did not (the reason goes to the test's log). False when
    // neither came up.
    bool Start();
    // The two halves of Start, for a simulator that listens only later;
    // Launch too tries once more when the process did not start.
    bool Launch();
    bool WaitUntilListening();
    void Stop();
    quint16 port() const { return m_port; }
    QString address() const { return m_address; }

    // Waits until the simulator has served every client that came before:
    // it serves one after another, so a reply on a new connection of our own
    // means that all earlier commands are in the log. That connection is
    // left out of Commands and LogLines. False when no reply came.
    bool Sync() const;

    // Every command received so far, byte for byte, in order.
    QList<QByteArray> Commands() const;
    // Lines of the log that start with prefix (e.g. "# applied").
    QStringList LogLines(const QString& prefix) const;
    // The whole lines logged since the last call (all of them at the first).
    QByteArrayList NewLogLines();

private:
    bool LaunchOnce();
    // Runs step, and once more after saying why when it failed.
    bool Tried(const std::function<bool()>& step);
    // Why the simulator is not listening, for the test's log.
    QString StartFailure() const;

    QStringList m_options;
    QString m_address;
    quint16 m_port;
    QTemporaryDir m_dir;
    QProcess m_process;
    qint64 m_logRead = 0;
    QByteArray m_output; // its standard output while starting
};

// Whether the tests run under Wine, whose sockets differ from Windows' in
// the ways docs/windows.md lists.
bool IsWine();

// Sync, then whether nothing was ever received.
inline bool SimIdle(const SimProcess& sim)
{
    return sim.Sync() && sim.Commands().isEmpty();
}

// A command as it goes on the wire: text, CR and the zero byte.
QByteArray WireCommand(const QByteArray& text);

// Reverses the simulator's escaping of logged bytes.
QByteArray Unescape(const QByteArray& escaped);
