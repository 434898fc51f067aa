#include "StagedFile.h"

#include "CoreMessages.h"

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
    // Owner only: a settings file holds the Wi-Fi password. (On Windows the
    // user's profile is private already; there this sets no more than it can.)
    if (m_file.open(QIODevice::WriteOnly) &&
        m_file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
        m_file.write(m_bytes) == m_bytes.size())
        return;
    Fail();
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
        Fail();
}

void StagedFile::Fail()
{
    m_error = Tr(MSG_CANNOT_WRITE).arg(m_file.fileName(), m_file.errorString());
}

bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString& error)
{
    StagedFile file(path, bytes);
    file.Settle(true);
    error = file.error();
    return error.isEmpty();
}
