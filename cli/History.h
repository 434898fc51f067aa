// A backup folder kept as a git repository, through the git program: each
// backup that changed something is a commit, and every earlier version of a
// device's file can be read back.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QLockFile>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>

namespace cli {

// The keys whose values differ between two settings files' texts (JSON),
// in the order of their names, then the device's members that differ
// (address, firmwareVersion); every key of after when before is empty.
QStringList ChangedKeys(const QByteArray& before, const QByteArray& after);
// Whether two settings files hold the same device and settings (their
// times aside).
bool SameSettings(const QByteArray& before, const QByteArray& after);

// The environment git runs in: the inherited one without any variable of
// git's that points it at another repository, work tree, index, object
// store or configuration, or changes how it reads them (GIT_DIR,
// GIT_INDEX_FILE, GIT_CONFIG_GLOBAL, GIT_CEILING_DIRECTORIES and every other
// GIT_ variable, as hooks and CI steps set them); who makes a commit
// (GIT_AUTHOR_*, GIT_COMMITTER_*, EMAIL), HOME, PATH and the locale stay.
QProcessEnvironment GitEnvironment(const QProcessEnvironment& inherited);

struct FileVersion {
    QString commit;
    QString time;            // ISO 8601, the commit's
    QStringList changedKeys; // against the version before; all keys for the first
    bool first = false;      // the first, or the first after the file was removed
};

class HistoryFolder {
public:
    explicit HistoryFolder(QString folder);

    // Makes the folder where missing and takes it for this run against other
    // runs of tolvoctl, waiting at most wait, until the object ends.
    bool Lock(std::chrono::milliseconds wait, QString& error);
    // Whether the last Lock failed because another run holds the folder.
    bool HeldByAnother() const;
    // Makes the folder its owner's only, and its repository where missing.
    bool Prepare(QString& error);
    // Where the repository has no commit yet, commits the settings files
    // already in the folder (backups made before the history was kept): the
    // commit's id, or nothing, with error empty, when there were none.
    std::optional<QString> CommitEarlierFiles(QString& error);
    // The last commit's text of each settings file, by name.
    std::optional<QHash<QString, QByteArray>> CommittedFiles(QString& error);
    // Commits the files (names inside the folder), and nothing else that may
    // be staged, with message: the commit's id, or nothing, with error empty,
    // when no file changed.
    std::optional<QString> Commit(const QStringList& files, const QString& message, QString& error);
    // The versions of one file, newest first.
    std::optional<QList<FileVersion>> Versions(const QString& file, QString& error);
    // The file's text at version: a revision that names a commit (its id,
    // HEAD~1, a tag), never an option.
    std::optional<QByteArray> Show(const QString& version, const QString& file, QString& error);

private:
    // What git prints on stdout: a report, or a file's text, which holds the
    // password and so is never quoted in an error.
    enum class Output { Report, FileText };

    // Runs git in the folder, with input on its stdin: its output, or nothing
    // with error set to the git command and all that git said.
    std::optional<QByteArray> Git(const QStringList& arguments, QString& error,
                                  Output output = Output::Report,
                                  const QByteArray& input = {}) const;
    bool HasCommit() const;
    // Gives a commit tolvoctl's name and address where the user gives none.
    void FillInIdentity();
    std::optional<QByteArray> Blob(const QString& commit, const QString& file, QString& error);

    QString m_folder;
    QProcessEnvironment m_environment;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace cli
