// A file written in two steps, so that the slow part of a write can run
// while the program still waits for other things: Stage puts the bytes in a
// temporary file beside the target; only Commit makes it the file at path.
// A staged file that is never committed leaves nothing behind, and an
// earlier file at path stays as it was until the commit.
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

class StagedFile {
public:
    // False, with error() set, when the bytes could not be written.
    bool Stage(const QString& path, const QByteArray& bytes);
    // False, with error() set, when nothing is staged or the file could not
    // take its place.
    bool Commit();
    // Drops what is staged; path is left as it was.
    void Discard() { m_file.cancelWriting(); }
    QString error() const { return m_error; }

private:
    bool Fail();

    QSaveFile m_file;
    QString m_error;
};

// Writes bytes to path so that a failure leaves no file and an earlier file
// as it was.
bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString& error);
