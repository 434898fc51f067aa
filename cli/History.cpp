#include "History.h"

#include "Messages.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

namespace cli {
namespace {

constexpr int GIT_TIMEOUT_MS = 60000;
// Held by the run that backs up into the folder; hidden, and never committed.
const QString LOCK_FILE = QStringLiteral(".tolvoctl.lock");
const QString SETTINGS_FILES = QStringLiteral("*.json");
const QByteArray SETTINGS_FILE_SUFFIX = ".json";
// The message of the commit of the files from before the history (commit
// messages are not translated).
const QString EARLIER_FILES_MESSAGE =
    QStringLiteral("Backup: the files that were in the folder before its history\n\n%1\n");
const QString TOLVOCTL_NAME = QStringLiteral("tolvoctl");
const QString TOLVOCTL_EMAIL = QStringLiteral("tolvoctl@localhost");

QJsonObject Settings(const QByteArray& text)
{
    return QJsonDocument::fromJson(text).object().value("settings").toObject();
}

QJsonObject Device(const QByteArray& text)
{
    return QJsonDocument::fromJson(text).object().value("device").toObject();
}

// The git variables that git is given: who makes a commit, and where git's
// own programs are. (Windows' variable names know no case.)
bool KeptGitVariable(const QString& name)
{
    static const QRegularExpression kept(
        "^(GIT_(AUTHOR|COMMITTER)_(NAME|EMAIL|DATE)|GIT_EXEC_PATH)$",
        QRegularExpression::CaseInsensitiveOption);
    return kept.match(name).hasMatch();
}

} // namespace

QProcessEnvironment GitEnvironment(const QProcessEnvironment& inherited)
{
    QProcessEnvironment environment = inherited;
    for (const QString& name : inherited.keys())
        if (name.startsWith("GIT_", Qt::CaseInsensitive) && !KeptGitVariable(name))
            environment.remove(name);
    return environment;
}

QStringList ChangedKeys(const QByteArray& before, const QByteArray& after)
{
    const QJsonObject old = Settings(before);
    const QJsonObject now = Settings(after);
    QStringList keys;
    for (auto it = now.begin(); it != now.end(); ++it)
        if (old.value(it.key()) != it.value())
            keys << it.key();
    for (auto it = old.begin(); it != old.end(); ++it)
        if (!now.contains(it.key()))
            keys << it.key();
    // And what the file says of the device (its address, its firmware).
    const QJsonObject oldDevice = Device(before);
    const QJsonObject nowDevice = Device(after);
    for (auto it = nowDevice.begin(); it != nowDevice.end(); ++it)
        if (!before.isEmpty() && oldDevice.value(it.key()) != it.value())
            keys << it.key();
    return keys;
}

bool SameSettings(const QByteArray& before, const QByteArray& after)
{
    return !before.isEmpty() && Settings(before) == Settings(after) &&
           Device(before) == Device(after);
}

HistoryFolder::HistoryFolder(QString folder)
    : m_folder(std::move(folder)),
      m_environment(GitEnvironment(QProcessEnvironment::systemEnvironment()))
{
    // File names are names, never patterns.
    m_environment.insert("GIT_LITERAL_PATHSPECS", "1");
}

std::optional<QByteArray> HistoryFolder::Git(const QStringList& arguments, QString& error,
                                             Output output, const QByteArray& input) const
{
    QProcess git;
    git.setProcessEnvironment(m_environment);
    git.start("git", QStringList{"-C", m_folder} + arguments);
    if (!git.waitForStarted()) {
        error = Tr(MSG_NO_GIT);
        return std::nullopt;
    }
    git.write(input);
    git.closeWriteChannel();
    if (!git.waitForFinished(GIT_TIMEOUT_MS)) {
        git.kill();
        git.waitForFinished();
        error = Tr(MSG_GIT_TIMED_OUT).arg(arguments.first()).arg(GIT_TIMEOUT_MS / 1000);
        return std::nullopt;
    }
    const QByteArray printed = git.readAllStandardOutput();
    if (git.exitStatus() == QProcess::NormalExit && git.exitCode() == 0)
        return printed;
    // Git gives its reason on stderr, or for some commands on stdout.
    QByteArray reason = git.readAllStandardError();
    if (output == Output::Report)
        reason += '\n' + printed;
    QString said = QString::fromLocal8Bit(reason).trimmed();
    if (said.isEmpty())
        said = Tr(MSG_GIT_EXIT_STATUS).arg(git.exitCode());
    error = Tr(MSG_GIT_FAILED).arg(arguments.first(), said);
    return std::nullopt;
}

bool HistoryFolder::Lock(std::chrono::milliseconds wait, QString& error)
{
    if (!QDir().mkpath(m_folder)) {
        error = Tr(MSG_CANNOT_MAKE_FOLDER).arg(m_folder);
        return false;
    }
    if (!m_lock) {
        m_lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(LOCK_FILE));
        // A run may take long: only a lock whose process has ended is stale.
        m_lock->setStaleLockTime(0);
    }
    if (m_lock->tryLock(wait))
        return true;
    if (!HeldByAnother()) {
        error = Tr(MSG_CANNOT_LOCK).arg(m_lock->fileName());
        return false;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    m_lock->getLockInfo(&pid, &host, &application);
    error = Tr(MSG_FOLDER_IN_USE).arg(m_folder, Tr(MSG_LOCK_HOLDER).arg(pid).arg(host));
    return false;
}

bool HistoryFolder::HeldByAnother() const
{
    return m_lock && m_lock->error() == QLockFile::LockFailedError;
}

bool HistoryFolder::Prepare(QString& error)
{
    if (!QDir().mkpath(m_folder)) {
        error = Tr(MSG_CANNOT_MAKE_FOLDER).arg(m_folder);
        return false;
    }
    // The files hold the Wi-Fi password: the folder is its owner's only.
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (QDir(m_folder).exists(".git"))
        return true;
    return Git({"init", "-q"}, error).has_value();
}

bool HistoryFolder::HasCommit() const
{
    QString unborn;
    return Git({"rev-parse", "--verify", "--quiet", "HEAD"}, unborn).has_value();
}

std::optional<QString> HistoryFolder::CommitEarlierFiles(QString& error)
{
    error.clear();
    if (HasCommit())
        return std::nullopt;
    const QStringList files = QDir(m_folder).entryList({SETTINGS_FILES}, QDir::Files);
    return Commit(files, EARLIER_FILES_MESSAGE.arg(files.join('\n')), error);
}

std::optional<QHash<QString, QByteArray>> HistoryFolder::CommittedFiles(QString& error)
{
    QHash<QString, QByteArray> files;
    if (!HasCommit())
        return files;
    const auto tree = Git({"ls-tree", "-z", "HEAD"}, error);
    if (!tree)
        return std::nullopt;
    // Each entry "MODE TYPE OBJECT<tab>NAME": the blobs' contents, in one go.
    QStringList names;
    QByteArray objects;
    for (const QByteArray& entry : tree->split('\0')) {
        const qsizetype tab = entry.indexOf('\t');
        const QList<QByteArray> fields = entry.left(tab).split(' ');
        if (tab < 0 || fields.size() != 3 || fields[1] != "blob" ||
            !entry.endsWith(SETTINGS_FILE_SUFFIX))
            continue;
        names << QString::fromUtf8(entry.mid(tab + 1));
        objects += fields[2] + '\n';
    }
    const auto contents = Git({"cat-file", "--batch"}, error, Output::FileText, objects);
    if (!contents)
        return std::nullopt;
    // Each object as "OBJECT TYPE SIZE<newline>CONTENT<newline>".
    qsizetype at = 0;
    for (const QString& name : names) {
        const qsizetype end = contents->indexOf('\n', at);
        const QList<QByteArray> header = contents->mid(at, end - at).split(' ');
        if (end < 0 || header.size() != 3) {
            error = Tr(MSG_GIT_UNREADABLE).arg(QStringLiteral("cat-file"), name);
            return std::nullopt;
        }
        const qsizetype size = header[2].toLongLong();
        files.insert(name, contents->mid(end + 1, size));
        at = end + 1 + size + 1;
    }
    return files;
}

std::optional<QString> HistoryFolder::Commit(const QStringList& files, const QString& message,
                                             QString& error)
{
    error.clear();
    if (files.isEmpty() || !Git(QStringList{"add", "--"} + files, error))
        return std::nullopt;
    QString unused;
    if (Git(QStringList{"diff", "--cached", "--quiet", "--"} + files, unused))
        return std::nullopt; // none of them differs from the last commit
    FillInIdentity();
    // Only these files: whatever else the user has staged stays staged.
    if (!Git(QStringList{"commit", "-q", "--only", "-m", message, "--"} + files, error))
        return std::nullopt;
    const auto id = Git({"rev-parse", "--short", "HEAD"}, error);
    return id ? std::optional(QString::fromLatin1(id->trimmed())) : std::nullopt;
}

void HistoryFolder::FillInIdentity()
{
    // A commit needs a name; where the user has set no address for git,
    // tolvoctl's own, but never in place of what the user's environment or
    // configuration gives.
    QString unused;
    const auto configured = [&](const char* key) {
        // (A braced pair of two char pointers would be taken as an iterator range.)
        const QStringList arguments{QStringLiteral("config"), QString::fromLatin1(key)};
        return !Git(arguments, unused).value_or(QByteArray()).trimmed().isEmpty();
    };
    if (configured("user.email"))
        return;
    const bool name = configured("user.name");
    for (const QString& who : {QStringLiteral("AUTHOR"), QStringLiteral("COMMITTER")}) {
        if (!name && !m_environment.contains("GIT_" + who + "_NAME"))
            m_environment.insert("GIT_" + who + "_NAME", TOLVOCTL_NAME);
        if (!m_environment.contains("EMAIL") && !m_environment.contains("GIT_" + who + "_EMAIL"))
            m_environment.insert("GIT_" + who + "_EMAIL", TOLVOCTL_EMAIL);
    }
}

std::optional<QByteArray> HistoryFolder::Blob(const QString& commit, const QString& file,
                                              QString& error)
{
    return Git({"cat-file", "blob", commit + ":" + file}, error, Output::FileText);
}

std::optional<QByteArray> HistoryFolder::Show(const QString& version, const QString& file,
                                              QString& error)
{
    if (!Git({"rev-parse", "--git-dir"}, error))
        return std::nullopt; // no repository there
    // A version is a revision: one that starts with "-" would be read as an
    // option, so none may, and it must name a commit.
    QString unknown;
    const auto commit =
        version.startsWith('-')
            ? std::nullopt
            : Git({"rev-parse", "--verify", "--quiet", version + "^{commit}"}, unknown);
    if (!commit) {
        error = Tr(MSG_NO_SUCH_VERSION).arg(version, m_folder);
        return std::nullopt;
    }
    return Blob(QString::fromLatin1(commit->trimmed()), file, error);
}

std::optional<QList<FileVersion>> HistoryFolder::Versions(const QString& file, QString& error)
{
    // Each commit that touched the file, oldest first: a line "\1ID<tab>TIME",
    // then its status line ("D<tab>NAME" where the file was removed).
    const auto log = Git(
        {"log", "--reverse", "--no-renames", "--name-status", "--format=%x01%h%x09%cI", "--", file},
        error);
    if (!log)
        return std::nullopt;
    struct Touch {
        QString commit;
        QString time;
        bool removed = false;
    };
    QList<Touch> touches;
    for (const QByteArray& line : log->split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (line.startsWith('\1') && fields.size() == 2)
            touches.append({QString::fromLatin1(fields[0].mid(1)), QString::fromLatin1(fields[1])});
        else if (line.startsWith('D') && !touches.isEmpty())
            touches.last().removed = true;
    }
    QList<FileVersion> versions;
    std::optional<QByteArray> previous; // none before the first, or after a removal
    for (const Touch& touch : touches) {
        if (touch.removed) {
            previous.reset();
            continue;
        }
        const auto text = Blob(touch.commit, file, error);
        if (!text)
            return std::nullopt;
        versions.prepend(
            {touch.commit, touch.time, ChangedKeys(previous.value_or(""), *text), !previous});
        previous = *text;
    }
    return versions;
}

} // namespace cli
