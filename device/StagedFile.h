// A file written in two steps, so that the slow part of a write can run
// while the program still waits for other things: Stage puts the bytes in a
// temporary file beside the path, and Settle then commits it to the path or
// drops it. The two may run in different threads and in either order; what
// Settle asks is done once the staging is over. A file never committed
// leaves nothing behind, and an earlier file at the path stays as it was.
// The file is readable and writable by its owner only.
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
    void Fail();

    QMutex m_mutex;
    QSaveFile m_file;
    QByteArray m_bytes;
    bool m_stageExpected = false;
    bool m_staged = false;
    std::optional<bool> m_settle;
    QString m_error;
};

// Writes bytes to path so that a failure leaves no file and an earlier file
// as it was.
bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString& error);
