#include "StagedFile.h"

#include "Messages.h"

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

bool StagedFile::Stage(const QString& path, const QByteArray& bytes)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly) || m_file.write(bytes) != bytes.size() ||
        !m_file.flush())
        return Fail();
#ifndef Q_OS_WIN
    // The commit syncs the file to the disk; done now, that wait is over
    // before the commit, which is then quick. (Windows: left to the commit.)
    ::fdatasync(m_file.handle());
#endif
    return true;
}

bool StagedFile::Commit()
{
    if (m_file.isOpen() && m_file.commit())
        return true;
    if (m_error.isEmpty()) // a failed Stage has said why already
        Fail();
    return false;
}

bool StagedFile::Fail()
{
    m_error = Tr(MSG_CANNOT_WRITE).arg(m_file.fileName(), m_file.errorString());
    m_file.cancelWriting();
    return false;
}

bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString& error)
{
    StagedFile file;
    if (file.Stage(path, bytes) && file.Commit())
        return true;
    error = file.error();
    return false;
}
