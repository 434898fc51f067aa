// Runs tolvoctl as a real process for a test, and the files it reads and
// writes.
#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs tolvoctl to its end and collects what it printed; with fileLimit,
// it may hold at most that many files and sockets open at once (where the
// system has such a limit: not on Windows); with environment, in that one.
CliRun Tolvoctl(const QStringList& arguments, int fileLimit = 0,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
// Runs tolvoctl with input on its standard input.
CliRun TolvoctlWithInput(const QStringList& arguments, const QByteArray& input);

QByteArray ReadAll(const QString& path);
// Writes bytes to path; false when it could not.
bool WriteFile(const QString& path, const QByteArray& bytes);
// Runs git in dir with this process's environment: what it printed on
// stdout, trimmed.
QString Git(const QString& dir, const QStringList& arguments);
