// The simulator's log as the soak follows it, action by action: what the
// device holds, what it sent on the action's last connection, the faults
// that struck, and the action's own lines for a report of a violation.
#pragma once

#include "SimProcess.h"
#include "Soak.h"

#include <QByteArrayList>
#include <QElapsedTimer>

#include <deque>
#include <map>

using Values = std::map<QByteArray, QByteArray>; // key -> the device's bytes

// The connections a client says it made, from its transcript (the window's,
// or tolvoctl's --trace): its lines "TIME CONNECTED".
int ConnectionsMade(const QStringList& transcript);

class SoakWatch {
public:
    // lagMs: each line is taken that long after it was read (0: at once),
    // to try the soak against a log that lags behind the device.
    SoakWatch(SimProcess& sim, SoakFigures& figures, int lagMs = 0);

    // An action begins: its connections are those the simulator numbers
    // after the last one logged so far, and the lines from now on are its.
    void BeginAction();
    // Waits until the simulator has logged the end of the made connections
    // of the action and has no connection open; false after the bound.
    bool Settle(int made);

    // The connections the simulator has logged for the action so far.
    int ConnectionsOfAction() const { return m_lastNumber - m_firstOfAction + 1; }

    const Values& holds() const { return m_holds; }
    const Values& sent() const { return m_sent; }
    const QByteArrayList& struck() const { return m_struck; }
    const QByteArrayList& actionLines() const { return m_actionLines; }

private:
    static constexpr int SETTLE_BOUND_MS = 10000;

    void Poll();
    void Take(const QByteArray& line);
    static QString StruckKind(const QByteArray& line);

    SimProcess& m_sim;
    SoakFigures& m_figures;
    const int m_lagMs;
    QElapsedTimer m_clock;
    std::deque<std::pair<qint64, QByteArray>> m_lagging; // read at, line

    int m_opened = 0;
    int m_closed = 0;
    int m_lastNumber = 0; // the highest connection number logged
    int m_lastClosed = 0; // the number of the connection logged closed last
    int m_firstOfAction = 1;
    Values m_holds;          // what the device holds, as last logged
    Values m_sent;           // the get replies of the action's last connection
    QByteArrayList m_struck; // the faults that struck during the action
    QByteArrayList m_actionLines;
};
