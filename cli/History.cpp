#include "History.h"

#include "Messages.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace cli {
namespace {

constexpr int GIT_TIMEOUT_MS = 60000;

QJsonObject Settings(const QByteArray& text)
{
    return QJsonDocument::fromJson(text).object().value("settings").toObject();
}

QJsonObject Device(const QByteArray& text)
{
    return QJsonDocument::fromJson(text).object().value("device").toObject();
}

} // namespace

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

std::optional<QByteArray> HistoryFolder::Git(const QStringList& arguments, QString& error) const
{
    QProcess git;
    git.setProcessChannelMode(QProcess::SeparateChannels);
    git.start("git", QStringList{"-C", m_folder} + arguments);
    if (!git.waitForStarted()) {
        error = Tr(MSG_NO_GIT);
        return std::nullopt;
    }
    git.closeWriteChannel();
    if (!git.waitForFinished(GIT_TIMEOUT_MS) || git.exitStatus() != QProcess::NormalExit ||
        git.exitCode() != 0) {
        error = Tr(MSG_GIT_FAILED)
                    .arg(arguments.first(),
                         QString::fromLocal8Bit(git.readAllStandardError()).trimmed());
        return std::nullopt;
    }
    return git.readAllStandardOutput();
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

std::optional<QString> HistoryFolder::Commit(const QStringList& files, const QString& message,
                                             QString& error)
{
    error.clear();
    if (files.isEmpty() || !Git(QStringList{"add", "--"} + files, error))
        return std::nullopt;
    QString unused;
    if (Git({"diff", "--cached", "--quiet"}, unused))
        return std::nullopt; // nothing staged differs
    // A commit needs a name; where the user has set none, tolvoctl's own.
    QStringList identity;
    if (Git({"config", "user.email"}, unused).value_or(QByteArray()).trimmed().isEmpty())
        identity = {"-c", "user.name=tolvoctl", "-c", "user.email=tolvoctl@localhost"};
    if (!Git(identity + QStringList{"commit", "-q", "-m", message}, error))
        return std::nullopt;
    const auto id = Git({"rev-parse", "--short", "HEAD"}, error);
    return id ? std::optional(QString::fromLatin1(id->trimmed())) : std::nullopt;
}

std::optional<QByteArray> HistoryFolder::Show(const QString& version, const QString& file,
                                              QString& error)
{
    return Git({"show", version + ":" + file}, error);
}

std::optional<QList<FileVersion>> HistoryFolder::Versions(const QString& file, QString& error)
{
    const auto log = Git({"log", "--reverse", "--format=%h%x09%cI", "--", file}, error);
    if (!log)
        return std::nullopt;
    QList<FileVersion> versions;
    QByteArray previous;
    for (const QByteArray& line : log->split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 2)
            continue;
        const QString commit = QString::fromLatin1(fields[0]);
        const auto text = Show(commit, file, error);
        if (!text)
            return std::nullopt;
        versions.prepend({commit, QString::fromLatin1(fields[1]), ChangedKeys(previous, *text),
                          previous.isEmpty()});
        previous = *text;
    }
    return versions;
}

} // namespace cli
