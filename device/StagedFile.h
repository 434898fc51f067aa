// A file written in two steps, so that the slow part of a write can run
// while the program still waits for other things: Stage puts the bytes in a
// temporary file beside the path and waits until the disk holds every one of
// them, and Settle then commits it to the path or drops it. The two may run
// in different threads and in either order; what Settle asks is done once the
// staging is over. Only a file whose bytes all reached the disk replaces
// anything: a full disk or a failed write leaves nothing behind and an
// earlier file at the path as it was, and error() names the file and gives
// the system's reason ("No space left on device"). Every file the programs
// write goes through here. The file is readable and writable by its owner
// only.
#pragma once

#include <QByteArray>
#include <QMutex>
#include <QSaveFile>
#include <QString>

#include <optional>

class StagedFile {
public:
    StagedFile(const QString& path, QByteArray bytes);

    // Says that a Stage will run; call it before starting that, where Settle
    // cannot run yet.
    void ExpectStage() { m_stageExpected = true; }
    void Stage();
    // Commits the file to its path (keep) or drops it. Without an expected
    // Stage, a kept file is written here, in one go.
    void Settle(bool keep);
    // Why the file is not at its path; empty when it was committed or
    // dropped as asked. Read once every Stage and Settle has ended.
    QString error() const { return m_error; }

private:
    void WriteTemporary();
    void Apply(bool keep);
    void Fail(const QString& reason);

    QMutex m_mutex;
    QSaveFile m_file;
    QByteArray m_bytes;
    bool m_stageExpected = false;
    bool m_staged = false;
    std::optional<bool> m_settle;
    QString m_error;
};

// Writes bytes to path so that a failure leaves no file and an earlier file
// as it was; error names the file and why.
bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString& error);

// Whether two paths name one file: the same path once made absolute (on
// Windows, in any case), or one file through a link where both exist.
bool NamesSameFile(const QString& first, const QString& second);
