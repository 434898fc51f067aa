// The backup history (backup --history, history, diff of versions), and the
// names and comparisons of backup files, through tolvoctl against tolvo-sim.
#include "CliRun.h"
#include "DeviceLink.h"
#include "SerialFileName.h"
#include "SimProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString SERIAL = QStringLiteral("TS-240117-0042");
const QString SERIAL_FILE = SERIAL + ".json";

int Commits(const QString& dir)
{
    return Git(dir, {"rev-list", "--count", "HEAD"}).toInt();
}

QJsonObject Json(const CliRun& run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

QStringList ChangedKeys(const CliRun& backup, int device)
{
    QStringList keys;
    for (const QJsonValue key : Json(backup)["devices"][device]["changedKeys"].toArray())
        keys << key.toString();
    return keys;
}

QByteArray SettingsJson(const QByteArray& settings)
{
    return R"({"format": "tolvo-s-settings", "version": 1, "settings": )" + settings + "}";
}

// Makes path an executable shell script.
bool WriteScript(const QString& path, const QByteArray& text)
{
    return WriteFile(path, "#!/bin/sh\n" + text) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_folders = 0;

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    // A folder of its own for each run of a data-driven test.
    QString NewFolder() { return Path(QString("folder%1").arg(++m_folders)); }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("git").isEmpty())
            QSKIP("no git program here");
    }

    // Backups made before a folder had a history are its first version.
    void theFirstHistoryKeepsTheBackupsAlreadyThere()
    {
        SimProcess sims({"--devices", "2", "--set", "CHANNEL=3"}, "127.0.24.1",
                        DEVICE_COMMAND_PORT);
        QVERIFY(sims.Start());
        const QString dir = Path("earlier");
        QCOMPARE(Tolvoctl({"backup", "127.0.24.1", "127.0.24.2", "-o", dir}).status, 0);
        QCOMPARE(Tolvoctl({"set", "127.0.24.1", "CHANNEL=9"}).status, 0);
        const CliRun run =
            Tolvoctl({"backup", "127.0.24.1", "127.0.24.2", "-o", dir, "--history", "--json"});
        QCOMPARE(run.status, 0);
        QCOMPARE(Commits(dir), 2);
        QVERIFY(Git(dir, {"show", "HEAD~1:" + SERIAL_FILE}).contains(R"("CHANNEL": "3")"));
        QVERIFY(Git(dir, {"show", "HEAD:" + SERIAL_FILE}).contains(R"("CHANNEL": "9")"));
        const QString message = Git(dir, {"log", "-1", "--format=%B"});
        QVERIFY2(message.contains(SERIAL + " (127.0.24.1): CHANNEL") &&
                     !message.contains("TS-240117-0043"),
                 qPrintable(message));
        QCOMPARE(ChangedKeys(run, 0), QStringList{"CHANNEL"});
        QCOMPARE(ChangedKeys(run, 1), QStringList());
    }

    // What the user has staged in the folder's repository stays staged.
    void aBackupCommitsOnlyTheFilesItWrote()
    {
        SimProcess sim({}, "127.0.24.5", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString dir = Path("staged");
        const QStringList backup{"backup", "127.0.24.5", "-o", dir, "--history"};
        QCOMPARE(Tolvoctl(backup).status, 0);
        QVERIFY(WriteFile(dir + "/notes.txt", "the user's own"));
        Git(dir, {"add", "notes.txt"});
        QCOMPARE(Tolvoctl({"set", "127.0.24.5", "CHANNEL=9"}).status, 0);
        QCOMPARE(Tolvoctl(backup).status, 0);
        QCOMPARE(Commits(dir), 2);
        QCOMPARE(Git(dir, {"show", "--format=", "--name-only", "HEAD"}), SERIAL_FILE);
        QCOMPARE(Git(dir, {"diff", "--cached", "--name-only"}), QString("notes.txt"));
    }

    // A run whose commit failed left its file in the folder; the next run
    // still tells and commits the change against the last commit.
    void afterAFailedCommitTheChangeIsStillReported()
    {
#ifndef Q_OS_UNIX
        QSKIP("the refusing hook is a shell script");
#endif
        SimProcess sim({}, "127.0.24.6", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString dir = Path("failed");
        const QStringList backup{"backup", "127.0.24.6", "-o", dir, "--history", "--json"};
        QCOMPARE(Tolvoctl(backup).status, 0);
        QCOMPARE(Tolvoctl({"set", "127.0.24.6", "CHANNEL=9"}).status, 0);
        const QString hook = dir + "/.git/hooks/pre-commit";
        QVERIFY(WriteScript(hook, "echo commits are frozen today; exit 1\n"));
        const CliRun failed = Tolvoctl(backup);
        QCOMPARE(failed.status, 3);
        QVERIFY(Json(failed)["commit"].isNull());
        QVERIFY2(Json(failed)["commitError"].toString().contains("commits are frozen today"),
                 qPrintable(failed.out));
        QVERIFY(QFile::remove(hook));
        const CliRun again = Tolvoctl(backup);
        QCOMPARE(again.status, 0);
        QCOMPARE(ChangedKeys(again, 0), QStringList{"CHANNEL"});
        QVERIFY(Json(again)["commit"].isString());
        QCOMPARE(Commits(dir), 2);
        QVERIFY(Git(dir, {"log", "-1", "--format=%B"}).contains("(127.0.24.6): CHANNEL"));
    }

    // One device's backup into a folder named as one: a file named by its
    // serial number there.
    void aFolderGivenForOneDeviceTakesItsFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exists");
        QTest::newRow("ending with a slash") << "slash/" << false;
        QTest::newRow("a folder that exists") << "there" << true;
    }

    void aFolderGivenForOneDeviceTakesItsFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, exists);
        SimProcess sim({}, "127.0.24.8", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString folder = NewFolder();
        QVERIFY(!exists || QDir().mkpath(folder + "/" + name));
        QCOMPARE(Tolvoctl({"backup", "127.0.24.8", "-o", folder + "/" + name}).status, 0);
        QVERIFY(QFile::exists(folder + "/" + name + "/" + SERIAL_FILE));
    }

    // A run in which nothing changed leaves every file as it was, its time
    // stamp too.
    void anUnchangedDevicesFileIsLeftUntouched()
    {
        SimProcess sim({}, "127.0.24.7", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString dir = Path("untouched");
        const QStringList backup{"backup", "127.0.24.7", "-o", dir, "--history"};
        QCOMPARE(Tolvoctl(backup).status, 0);
        QFile file(dir + "/" + SERIAL_FILE);
        const QDateTime past = QDateTime::currentDateTimeUtc().addDays(-1);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
        file.close();
        const CliRun again = Tolvoctl(backup);
        QCOMPARE(again.status, 0);
        QVERIFY(again.out.contains("nothing changed"));
        QCOMPARE(QFileInfo(file).lastModified().toUTC().toSecsSinceEpoch(),
                 past.toSecsSinceEpoch());
    }

    // Two runs into one folder at once, each of one device: one waits for
    // the other, and each commit holds its own device's file under its own
    // message. In a new folder, or in one with a history where both devices
    // changed.
    void twoRunsIntoOneFolderCommitEachTheirOwn_data()
    {
        QTest::addColumn<bool>("kept"); // the folder has a history already
        QTest::newRow("a new folder") << false;
        QTest::newRow("a folder with a history") << true;
    }

    void twoRunsIntoOneFolderCommitEachTheirOwn()
    {
        QFETCH(bool, kept);
        const QStringList serials{"TS-FIRST", "TS-SECOND"};
        const QStringList addresses{"127.0.24.10", "127.0.24.11"};
        SimProcess first({"--set", "SERIALN=" + serials[0]}, addresses[0], DEVICE_COMMAND_PORT);
        SimProcess second({"--set", "SERIALN=" + serials[1]}, addresses[1], DEVICE_COMMAND_PORT);
        QVERIFY(first.Start() && second.Start());
        constexpr int ROUNDS = 6;
        QString dir = NewFolder();
        if (kept)
            QCOMPARE(Tolvoctl(QStringList{"backup", "-o", dir, "--history"} + addresses).status, 0);
        for (int round = 0; round < ROUNDS; ++round) {
            if (kept) {
                const QString channel = QString("CHANNEL=%1").arg(round + 1);
                QCOMPARE(Tolvoctl(QStringList{"set", channel} + addresses).status, 0);
            } else {
                dir = NewFolder();
            }
            QProcess runs[2];
            for (int i = 0; i < 2; ++i)
                runs[i].start(TOLVOCTL_PATH, {"backup", addresses[i], "-o", dir, "--history"});
            for (QProcess& run : runs) {
                QVERIFY(run.waitForFinished(60000));
                QVERIFY2(run.exitCode() == 0, run.readAllStandardError().constData());
            }
            QCOMPARE(Commits(dir), kept ? 1 + 2 * (round + 1) : 2);
            for (const QString& commit : Git(dir, {"log", "-2", "--format=%H"}).split('\n')) {
                const QString file = Git(dir, {"show", "--format=", "--name-only", commit});
                const QString message = Git(dir, {"log", "-1", "--format=%B", commit});
                const qsizetype own = serials.indexOf(file.section('.', 0, 0));
                QVERIFY2(own >= 0 && message.contains(serials[own] + " (") &&
                             !message.contains(serials[1 - own]),
                         qPrintable(QString("round %1: %2 in\n%3").arg(round).arg(file, message)));
            }
        }
    }

    // A failed git command is named (not its options), with all it said,
    // on stderr or stdout. No name is configured for commits here.
    void aGitFailureNamesTheCommandAndAllItSaid_data()
    {
        QTest::addColumn<QString>("hook");        // a pre-commit hook's script
        QTest::addColumn<QString>("fakeCommit");  // what "git commit" does instead
        QTest::addColumn<QStringList>("reasons"); // each in the error
        QTest::newRow("a hook refuses, on stderr") << "echo 'not tonight' >&2; exit 1"
                                                   << "" << QStringList{"not tonight"};
        QTest::newRow("git tells why on stdout and stderr")
            << ""
            << "echo 'why, on stdout'; echo 'and on stderr' >&2; exit 1"
            << QStringList{"why, on stdout", "and on stderr"};
    }

    void aGitFailureNamesTheCommandAndAllItSaid()
    {
#ifndef Q_OS_UNIX
        QSKIP("the hook and the git in between are shell scripts");
#endif
        QFETCH(QString, hook);
        QFETCH(QString, fakeCommit);
        QFETCH(QStringList, reasons);
        SimProcess sim({}, "127.0.24.12", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString dir = NewFolder();
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.path());
        environment.insert("GIT_CONFIG_NOSYSTEM", "1");
        if (!fakeCommit.isEmpty()) {
            // A git that fails its commit, and is the real one otherwise.
            const QString real = QStandardPaths::findExecutable("git");
            QVERIFY(
                WriteScript(home.filePath("git"), "for a in \"$@\"; do [ \"$a\" = commit ] && { " +
                                                      fakeCommit.toUtf8() + "; }; done\nexec '" +
                                                      real.toUtf8() + "' \"$@\"\n"));
            environment.insert("PATH", home.path() + ":" + environment.value("PATH"));
        }
        QVERIFY(QDir().mkpath(dir + "/.git/hooks"));
        Git(dir, {"init", "-q"});
        if (!hook.isEmpty())
            QVERIFY(WriteScript(dir + "/.git/hooks/pre-commit", hook.toUtf8()));
        const CliRun run =
            Tolvoctl({"backup", "127.0.24.12", "-o", dir, "--history"}, 0, environment);
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.contains("tolvoctl: git commit failed: "), qPrintable(run.err));
        for (const QString& reason : reasons)
            QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    }

    // SERIAL@VERSION reads a revision that names a commit, and nothing else:
    // never an option of git's (a file is written nowhere).
    void aVersionIsNeverAnOption_data()
    {
        QTest::addColumn<QString>("version"); // @LEAK: a path in the test's folder
        QTest::addColumn<int>("status");
        QTest::newRow("an option that writes a file") << "--output=@LEAK" << 2;
        QTest::newRow("an option, short") << "-p" << 2;
        QTest::newRow("a file, not a commit") << "HEAD:" + SERIAL_FILE << 2;
        QTest::newRow("the version before") << "HEAD~1" << 1;
    }

    void aVersionIsNeverAnOption()
    {
        QFETCH(QString, version);
        QFETCH(int, status);
        const QString dir = Path("versions");
        if (!QFile::exists(dir)) {
            SimProcess sim({}, "127.0.24.15", DEVICE_COMMAND_PORT);
            QVERIFY(sim.Start());
            const QStringList backup{"backup", "127.0.24.15", "-o", dir, "--history"};
            QCOMPARE(Tolvoctl(backup).status, 0);
            QCOMPARE(Tolvoctl({"set", "127.0.24.15", "CHANNEL=9"}).status, 0);
            QCOMPARE(Tolvoctl(backup).status, 0);
        }
        version.replace("@LEAK", Path("leak"));
        const CliRun run =
            Tolvoctl({"diff", "--dir", dir, SERIAL + "@" + version, SERIAL + "@HEAD"});
        QVERIFY2(run.status == status, qPrintable(run.out + run.err));
        if (status == 2)
            QVERIFY2(run.err.contains("is no version of"), qPrintable(run.err));
        QCOMPARE(QDir(m_dir.path()).entryList({"leak*"}), QStringList());
    }

    void historyListsAFileRemovedAndAddedAgain()
    {
        SimProcess sim({}, "127.0.24.20", DEVICE_COMMAND_PORT);
        QVERIFY(sim.Start());
        const QString dir = Path("again");
        const QStringList backup{"backup", "127.0.24.20", "-o", dir, "--history"};
        QCOMPARE(Tolvoctl(backup).status, 0);
        Git(dir, {"rm", "-q", SERIAL_FILE});
        Git(dir, {"-c", "user.name=Test", "-c", "user.email=test@localhost", "commit", "-q", "-m",
                  "the device left"});
        QCOMPARE(Tolvoctl({"set", "127.0.24.20", "CHANNEL=9"}).status, 0);
        QCOMPARE(Tolvoctl(backup).status, 0);
        QCOMPARE(Tolvoctl({"set", "127.0.24.20", "CHANNEL=4"}).status, 0);
        QCOMPARE(Tolvoctl(backup).status, 0);
        QCOMPARE(Commits(dir), 4);
        const CliRun history = Tolvoctl({"history", dir, SERIAL});
        QVERIFY2(history.status == 0, qPrintable(history.err));
        const QStringList lines = history.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].endsWith("  CHANNEL"));
        QVERIFY(lines[1].endsWith("  new")); // added again
        QVERIFY(lines[2].endsWith("  new"));
    }

    // diff FILE FILE: a key that one file holds and the other lacks is a
    // difference too, said as such.
    void diffOfTwoFilesCountsAKeyOnlyOneHolds_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QStringList>("lines"); // A and B: the files' paths
        QTest::addColumn<QStringList>("missingIn");
        QTest::addColumn<int>("status");
        const QByteArray fuller = R"({"SSID": "Lab", "CHANNEL": "3", "DEVICEID": "Unit"})";
        const QByteArray channel = R"({"CHANNEL": "3"})";
        QTest::newRow("a fuller file against one holding only CHANNEL")
            << fuller << channel
            << QStringList{R"(SSID: "Lab" in A, not in B)", R"(DEVICEID: "Unit" in A, not in B)",
                           "2 settings differ"}
            << QStringList{"to", "to"} << 1;
        QTest::newRow("and the other way round")
            << channel << fuller
            << QStringList{R"(SSID: not in A, "Lab" in B)", R"(DEVICEID: not in A, "Unit" in B)",
                           "2 settings differ"}
            << QStringList{"from", "from"} << 1;
        QTest::newRow("a value differs, a key is lacking")
            << fuller << QByteArray(R"({"CHANNEL": "9", "SSID": "Lab"})")
            << QStringList{R"(CHANNEL: "3" in A, "9" in B)", R"(DEVICEID: "Unit" in A, not in B)",
                           "2 settings differ"}
            << QStringList{"", "to"} << 1;
        QTest::newRow("the same settings")
            << fuller << fuller << QStringList{"0 settings differ"} << QStringList() << 0;
    }

    void diffOfTwoFilesCountsAKeyOnlyOneHolds()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, missingIn);
        QFETCH(int, status);
        const QString a = Path("a.json");
        const QString b = Path("b.json");
        QVERIFY(WriteFile(a, SettingsJson(from)) && WriteFile(b, SettingsJson(to)));
        const CliRun text = Tolvoctl({"diff", a, b});
        QCOMPARE(text.status, status);
        lines.replaceInStrings(" A,", " " + a + ",").replaceInStrings(" B", " " + b);
        QCOMPARE(text.out.trimmed().split('\n'), lines);
        const CliRun json = Tolvoctl({"diff", a, b, "--json"});
        QCOMPARE(json.status, status);
        QStringList found;
        for (const QJsonValue row : Json(json)["differences"].toArray())
            found << row["missingIn"].toString();
        QCOMPARE(found, missingIn);
    }

    // The names of ordinary serial numbers are kept; others are made
    // distinct where case is ignored, and safe on Windows.
    void serialFileNames_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("name");
        QTest::newRow("ordinary") << SERIAL << SERIAL_FILE;
        QTest::newRow("underscore and dot") << "TS_0042.B"
                                            << "TS_0042.B.json";
        QTest::newRow("small letters") << "ts-0042"
                                       << "%74%73-0042.json";
        QTest::newRow("CON") << "CON"
                             << "%43ON.json";
        QTest::newRow("CON with an extension") << "CON.json"
                                               << "%43ON.%6A%73%6F%6E.json";
        QTest::newRow("COM1") << "COM1"
                              << "%43OM1.json";
        QTest::newRow("not reserved") << "CONSOLE"
                                      << "CONSOLE.json";
        QTest::newRow("a path") << "../X"
                                << "%2E.%2FX.json";
        QTest::newRow("an option") << "-X"
                                   << "%2DX.json";
        QTest::newRow("beyond ASCII") << "\u00c9T\u00c9"
                                      << "%C3%89T%C3%89.json";
        QTest::newRow("none") << ""
                              << "%.json";
    }

    void serialFileNames()
    {
        QFETCH(QString, serial);
        QFETCH(QString, name);
        QCOMPARE(cli::SerialFileName(serial), name);
    }

    // With --force or --history, each device keeps a file of its own, also
    // where file names ignore case or some names are devices (Windows).
    void eachDeviceKeepsAFileOfItsOwn_data()
    {
        QTest::addColumn<QStringList>("serials");
        QTest::addColumn<QString>("mode");
        for (const QString& mode : {QStringLiteral("--force"), QStringLiteral("--history")}) {
            QTest::addRow("differing in case only, %s", qPrintable(mode))
                << QStringList{"ts-240117-0042", SERIAL} << mode;
            QTest::addRow("devices' names, %s", qPrintable(mode))
                << QStringList{"CON", "nul"} << mode;
            QTest::addRow("devices' names with extensions, %s", qPrintable(mode))
                << QStringList{"COM1.json", "LPT1"} << mode;
        }
    }

    void eachDeviceKeepsAFileOfItsOwn()
    {
        QFETCH(QStringList, serials);
        QFETCH(QString, mode);
        SimProcess first({"--set", "SERIALN=" + serials[0]}, "127.0.24.30", DEVICE_COMMAND_PORT);
        SimProcess second({"--set", "SERIALN=" + serials[1]}, "127.0.24.31", DEVICE_COMMAND_PORT);
        QVERIFY(first.Start() && second.Start());
        const QString dir = NewFolder();
        const QStringList backup{"backup", "127.0.24.30", "127.0.24.31", "-o", dir, mode};
        for (int run = 0; run < 2; ++run) {
            const CliRun backed = Tolvoctl(backup);
            QVERIFY2(backed.status == 0, qPrintable(backed.out + backed.err));
            QCOMPARE(backed.out.count(": saved 23 settings to "), 2);
        }
        static const QRegularExpression reserved("^(CON|PRN|AUX|NUL|COM[0-9]|LPT[0-9])$",
                                                 QRegularExpression::CaseInsensitiveOption);
        QStringList held;
        QSet<QString> folded;
        for (const QString& name : QDir(dir).entryList({"*.json"}, QDir::Files)) {
            QVERIFY2(!reserved.match(name.section('.', 0, 0)).hasMatch(), qPrintable(name));
            folded.insert(name.toLower());
            held << QJsonDocument::fromJson(ReadAll(dir + "/" + name))["device"]["serialNumber"]
                        .toString();
        }
        QCOMPARE(folded.size(), 2);
        held.sort();
        serials.sort();
        QCOMPARE(held, serials);
        if (mode == "--history")
            for (const QString& serial : serials)
                QCOMPARE(Tolvoctl({"history", dir, serial}).status, 0);
    }

    // A file of the folder that holds another device's backup (named so by
    // an earlier version, or one name where case is ignored) stays as it is.
    void anotherDevicesFileIsNeverReplaced_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("--force") << "--force";
        QTest::newRow("--history") << "--history";
    }

    void anotherDevicesFileIsNeverReplaced()
    {
        QFETCH(QString, mode);
        SimProcess other({"--set", "SERIALN=ts-240117-0042"}, "127.0.24.40", DEVICE_COMMAND_PORT);
        SimProcess device({}, "127.0.24.41", DEVICE_COMMAND_PORT);
        QVERIFY(other.Start() && device.Start());
        const QString dir = NewFolder();
        QVERIFY(QDir().mkpath(dir));
        const QString path = dir + "/" + SERIAL_FILE;
        QCOMPARE(Tolvoctl({"backup", "127.0.24.40", "-o", path}).status, 0);
        const QByteArray theirs = ReadAll(path);
        const CliRun run = Tolvoctl({"backup", "127.0.24.40", "127.0.24.41", "-o", dir, mode});
        QCOMPARE(run.status, 3);
        QVERIFY2(run.out.contains(
                     "holds the backup of another device (serial number \"ts-240117-0042\")"),
                 qPrintable(run.out));
        QCOMPARE(ReadAll(path), theirs);
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "test_history.moc"
