// A soak under faults: many Loads and Saves through the main window and many
// tolvoctl backups and restores, against a simulator that misbehaves at
// random. After each action its outcome is checked against what the
// simulator logged it sent and holds.
#pragma once

#include <QString>
#include <QStringList>

#include <map>

struct SoakOptions {
    int actions = 200;
    quint32 seed = 1;
    int timeoutMs = 400;             // the client's bound on each wait
    QString address = "127.0.0.200"; // the simulator's, on the device's own port
    QString tolvoctl;                // the program to run for backups and restores
    int logLagMs = 0; // the soak sees each line of the simulator's log this much later
};

struct SoakFigures {
    std::map<QString, int> actions;       // by kind
    std::map<QString, int> outcomes;      // by kind and what the action said
    std::map<QString, int> faultsPlanned; // by kind, as drawn for each connection
    std::map<QString, int> faultsStruck;  // by kind, where one hit a reply or a set
    std::map<QString, int> checks;        // properties checked, by property
    QStringList violations;
    // For the first actions with a violation: what the client and the
    // simulator logged while it ran.
    QStringList evidence;
    // Settles where the log showed no connection open before it showed the
    // action's own, and the longest further wait for them.
    int lateLogs = 0;
    qint64 longestLateLogMs = 0;
    qint64 longestMs = 0;
    QString longestAction;

    QString Report() const;
};

// Runs the soak; false when the simulator could not be started.
bool RunSoak(const SoakOptions& options, SoakFigures& figures);
