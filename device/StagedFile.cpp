#include "StagedFile.h"

#include "CoreMessages.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <unistd.h>
#endif

namespace {

// Asks the system to put the file's bytes on the disk and waits for it: a
// disk that is full or failing may say so only here. The system's reason
// when it did not.
QString SyncToDisk(QFileDevice& file)
{
#ifdef Q_OS_WIN
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle))
        return {};
    return qt_error_string(int(GetLastError()));
#else
    int status = 0;
    do
        status = ::fsync(file.handle());
    while (status != 0 && errno == EINTR);
    return status == 0 ? QString() : qt_error_string(errno);
#endif
}

// Writes every byte, going on after a short write: a disk that fills up
// part way takes some bytes and fails only at the next write, which gives
// the system's reason ("No space left on device") where a short write has none.
bool WriteAll(QFileDevice& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

StagedFile::StagedFile(const QString& path, QByteArray bytes)
    : m_file(path), m_bytes(std::move(bytes))
{}

void StagedFile::Stage()
{
    const QMutexLocker lock(&m_mutex);
    WriteTemporary();
    m_staged = true;
    if (m_settle)
        Apply(*m_settle);
}

void StagedFile::Settle(bool keep)
{
    const QMutexLocker lock(&m_mutex);
    if (m_stageExpected && !m_staged) {
        m_settle = keep; // the staging does it when it ends
        return;
    }
    if (!m_stageExpected && keep)
        WriteTemporary();
    Apply(keep);
}

void StagedFile::WriteTemporary()
{
    // Only a regular file is replaced: a device or a pipe at the path
    // (/dev/null, to a user who may replace it) would become a file.
    if (const QFileInfo existing(m_file.fileName()); existing.exists() && !existing.isFile()) {
        Fail(Tr(MSG_NOT_A_REGULAR_FILE));
        return;
    }
    // Owner only: a settings file holds the Wi-Fi password. (On Windows the
    // user's profile is private already; there this sets no more than it can.)
    // Unbuffered, so that the write itself says when the disk is full: an
    // error of a buffer's flush is lost before commit(), which would then
    // put an empty or short file in the place of the old one.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !m_file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        !WriteAll(m_file, m_bytes)) {
        Fail(m_file.errorString());
    } else if (const QString reason = SyncToDisk(m_file); !reason.isEmpty()) {
        Fail(reason);
    } else {
        return;
    }
    m_file.cancelWriting();
}

void StagedFile::Apply(bool keep)
{
    if (!keep) {
        m_error.clear(); // not written, as asked
        m_file.cancelWriting();
        return;
    }
    if (m_error.isEmpty() && !m_file.commit()) // a failed staging has cancelled already
        Fail(m_file.errorString());
}

void StagedFile::Fail(const QString& reason)
{
    m_error = Tr(MSG_CANNOT_WRITE).arg(m_file.fileName(), reason);
}

bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString& error)
{
    StagedFile file(path, bytes);
    file.Settle(true);
    error = file.error();
    return error.isEmpty();
}

bool NamesSameFile(const QString& first, const QString& second)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity CASE = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity CASE = Qt::CaseSensitive;
#endif
    const QFileInfo one(first);
    const QFileInfo other(second);
    if (QDir::cleanPath(one.absoluteFilePath())
            .compare(QDir::cleanPath(other.absoluteFilePath()), CASE) == 0)
        return true;
    const QString canonical = one.canonicalFilePath();
    return !canonical.isEmpty() && canonical.compare(other.canonicalFilePath(), CASE) == 0;
}
