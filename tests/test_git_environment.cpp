// The git environment, a fault class: every tolvoctl command that runs git
// (backup --history, history, diff of versions) with the variables that
// point git at another repository, index, object store or configuration
// set to traps, as a hook or a CI step leaves them. Nothing may land in a
// trap, and every result must be that of the backup folder's own repository.
#include "CliRun.h"
#include "DeviceLink.h"
#include "SimProcess.h"

#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString SERIAL = QStringLiteral("TS-240117-0042");
const QString ADDRESS = QStringLiteral("127.0.32.1");

// The files under dir, by path relative to it: what a trap holds.
QStringList FilesUnder(const QString& dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(dir).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class TestGitEnvironment : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_folders = 0;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // A repository with one commit of its own, a configuration that names
    // another committer and runs a hook, and that hook, which leaves a mark.
    QString MakeTrap()
    {
        const QString trap = Path(QString("trap%1").arg(++m_folders));
        QDir().mkpath(trap + "/hooks");
        Git(trap, {"init", "-q"});
        WriteFile(trap + "/theirs.txt", "the other repository's own file\n");
        Git(trap, {"add", "theirs.txt"});
        Git(trap, {"-c", "user.name=Other", "-c", "user.email=other@example.org", "commit", "-q",
                   "-m", "theirs"});
        for (const QString& hook : QStringList{"pre-commit", "post-commit"}) {
            WriteFile(trap + "/hooks/" + hook,
                      "#!/bin/sh\ntouch '" + trap.toUtf8() + "/hook-ran'\n");
            QFile::setPermissions(trap + "/hooks/" + hook, QFile::ReadOwner | QFile::ExeOwner);
        }
        WriteFile(trap + "/trap.gitconfig", "[user]\n\tname = Trap\n\temail = trap@example.org\n"
                                            "[core]\n\thooksPath = " +
                                                trap.toUtf8() + "/hooks\n");
        return trap;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("git").isEmpty())
            QSKIP("no git program here");
#ifndef Q_OS_UNIX
        QSKIP("the trap's hooks are shell scripts");
#endif
    }

    void nothingLandsInATrapAndTheResultsAreTheFoldersOwn_data()
    {
        // Each variable's value: @TRAP is the trap repository.
        QTest::addColumn<QStringList>("variables"); // NAME=VALUE
        QTest::newRow("GIT_DIR") << QStringList{"GIT_DIR=@TRAP/.git"};
        QTest::newRow("GIT_DIR and GIT_WORK_TREE")
            << QStringList{"GIT_DIR=@TRAP/.git", "GIT_WORK_TREE=@TRAP"};
        QTest::newRow("GIT_WORK_TREE") << QStringList{"GIT_WORK_TREE=@TRAP"};
        QTest::newRow("GIT_INDEX_FILE") << QStringList{"GIT_INDEX_FILE=@TRAP/.git/trap-index"};
        QTest::newRow("GIT_OBJECT_DIRECTORY")
            << QStringList{"GIT_OBJECT_DIRECTORY=@TRAP/.git/objects"};
        QTest::newRow("GIT_COMMON_DIR") << QStringList{"GIT_COMMON_DIR=@TRAP/.git"};
        QTest::newRow("GIT_CONFIG_GLOBAL") << QStringList{"GIT_CONFIG_GLOBAL=@TRAP/trap.gitconfig"};
        QTest::newRow("GIT_CONFIG_SYSTEM") << QStringList{"GIT_CONFIG_SYSTEM=@TRAP/trap.gitconfig"};
        QTest::newRow("GIT_CONFIG_COUNT")
            << QStringList{"GIT_CONFIG_COUNT=1", "GIT_CONFIG_KEY_0=core.hooksPath",
                           "GIT_CONFIG_VALUE_0=@TRAP/hooks"};
        QTest::newRow("GIT_CONFIG_PARAMETERS (git -c)")
            << QStringList{"GIT_CONFIG_PARAMETERS='core.hookspath'='@TRAP/hooks'"};
        QTest::newRow("all of them, as a hook has them")
            << QStringList{"GIT_DIR=@TRAP/.git",
                           "GIT_WORK_TREE=@TRAP",
                           "GIT_INDEX_FILE=@TRAP/.git/index",
                           "GIT_OBJECT_DIRECTORY=@TRAP/.git/objects",
                           "GIT_ALTERNATE_OBJECT_DIRECTORIES=@TRAP/.git/objects",
                           "GIT_CONFIG_GLOBAL=@TRAP/trap.gitconfig",
                           "GIT_CEILING_DIRECTORIES=@TRAP",
                           "GIT_DISCOVERY_ACROSS_FILESYSTEM=1",
                           "GIT_PREFIX=sub/",
                           "GIT_NAMESPACE=trap"};
    }

    // backup --history twice (a change between), history, diff of two
    // versions and of a device and a version, each with the traps set.
    void nothingLandsInATrapAndTheResultsAreTheFoldersOwn()
    {
        QFETCH(QStringList, variables);
        SimProcess sim({}, ADDRESS, DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString trap = MakeTrap();
        const QStringList trapFiles = FilesUnder(trap);
        const QString trapHead = Git(trap, {"rev-parse", "HEAD"});
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (QString variable : variables) {
            variable.replace("@TRAP", trap);
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        }
        const auto run = [&](const QStringList& arguments) {
            return Tolvoctl(arguments, 0, environment);
        };
        const QString dir = Path(QString("backups%1").arg(m_folders));
        const QStringList backup{"backup", ADDRESS, "-o", dir, "--history"};

        CliRun first = run(backup);
        QVERIFY2(first.status == 0, qPrintable(first.out + first.err));
        QCOMPARE(Tolvoctl({"set", ADDRESS, "CHANNEL=9"}).status, 0);
        CliRun second = run(backup);
        QVERIFY2(second.status == 0, qPrintable(second.out + second.err));
        QVERIFY2(second.out.contains("History: commit"), qPrintable(second.out));

        // The folder's own repository holds both versions, with its files.
        QCOMPARE(Git(dir, {"rev-list", "--count", "HEAD"}), QString("2"));
        QCOMPARE(Git(dir, {"ls-tree", "--name-only", "HEAD"}), SERIAL + ".json");
        QVERIFY(Git(dir, {"show", "HEAD:" + SERIAL + ".json"}).contains(R"("CHANNEL": "9")"));
        QVERIFY(Git(dir, {"log", "--format=%an"}).split('\n').indexOf("Trap") < 0);

        const CliRun history = run({"history", dir, SERIAL});
        QVERIFY2(history.status == 0, qPrintable(history.err));
        const QStringList versions = history.out.trimmed().split('\n');
        QCOMPARE(versions.size(), 2);
        QVERIFY2(versions[0].endsWith("CHANNEL"), qPrintable(history.out));
        const CliRun versionsDiffer =
            run({"diff", SERIAL + "@HEAD~1", SERIAL + "@HEAD", "--dir", dir});
        QVERIFY2(versionsDiffer.status == 1, qPrintable(versionsDiffer.out + versionsDiffer.err));
        QVERIFY2(versionsDiffer.out.startsWith("CHANNEL: \"6\" in"),
                 qPrintable(versionsDiffer.out));
        const CliRun deviceSame = run({"diff", ADDRESS, SERIAL + "@HEAD", "--dir", dir});
        QVERIFY2(deviceSame.status == 0, qPrintable(deviceSame.out + deviceSame.err));

        // The trap is as it was: no file, object, index, commit or hook run.
        QCOMPARE(FilesUnder(trap), trapFiles);
        QCOMPARE(Git(trap, {"rev-parse", "HEAD"}), trapHead);
    }

    // Who makes a commit is the user's to say, in the environment too, where
    // git's configuration names nobody.
    void theUsersIdentityIsKept()
    {
        SimProcess sim({}, "127.0.32.2", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        QTemporaryDir home; // no configuration of git's at all
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.path());
        environment.insert("GIT_AUTHOR_NAME", "Ada Field");
        environment.insert("GIT_AUTHOR_EMAIL", "ada@example.org");
        environment.insert("GIT_COMMITTER_NAME", "CI Runner");
        environment.insert("GIT_COMMITTER_EMAIL", "ci@example.org");
        const QString dir = Path("identity");
        const CliRun run =
            Tolvoctl({"backup", "127.0.32.2", "-o", dir, "--history"}, 0, environment);
        QVERIFY2(run.status == 0, qPrintable(run.out + run.err));
        QCOMPARE(Git(dir, {"log", "-1", "--format=%an <%ae>|%cn <%ce>"}),
                 QString("Ada Field <ada@example.org>|CI Runner <ci@example.org>"));
    }
};

QTEST_GUILESS_MAIN(TestGitEnvironment)
#include "test_git_environment.moc"
