#include "CliRun.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

constexpr int RUN_TIMEOUT_MS = 60000;

CliRun Run(const QStringList& arguments, int fileLimit, const QProcessEnvironment& environment,
           const QByteArray& input)
{
    QProcess process;
    process.setProcessEnvironment(environment);
#ifdef Q_OS_UNIX
    if (fileLimit > 0)
        process.setChildProcessModifier([fileLimit] {
            const rlimit limit{rlim_t(fileLimit), rlim_t(fileLimit)};
            setrlimit(RLIMIT_NOFILE, &limit);
        });
#else
    Q_UNUSED(fileLimit);
#endif
    process.start(TOLVOCTL_PATH, arguments);
    process.write(input);
    process.closeWriteChannel();
    CliRun run;
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, RUN_TIMEOUT_MS))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    // A Windows console program ends its lines with CR LF.
    run.out = QString::fromUtf8(process.readAllStandardOutput()).replace("\r\n", "\n");
    run.err = QString::fromUtf8(process.readAllStandardError()).replace("\r\n", "\n");
    return run;
}

} // namespace

CliRun Tolvoctl(const QStringList& arguments, int fileLimit, const QProcessEnvironment& environment)
{
    return Run(arguments, fileLimit, environment, {});
}

CliRun TolvoctlWithInput(const QStringList& arguments, const QByteArray& input)
{
    return Run(arguments, 0, QProcessEnvironment::systemEnvironment(), input);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString Git(const QString& dir, const QStringList& arguments)
{
    QProcess git;
    git.start("git", QStringList{"-C", dir} + arguments);
    git.waitForFinished();
    return QString::fromUtf8(git.readAllStandardOutput()).trimmed();
}
