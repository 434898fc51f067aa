#include "BackupFiles.h"

#include "Messages.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The disk is slow: several files are written at once.
constexpr int FILE_WRITERS = 4;
// Files kept open while their turn comes; the rest are written in one go
// when it does, so that a long list of devices never runs out of handles.
constexpr std::size_t MAX_STAGED_FILES = 64;

// The serial number that the settings file at path says it holds; empty when
// it says none, or is no settings file.
QString HeldSerialNumber(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject settings = QJsonDocument::fromJson(file.readAll()).object();
    return settings.value("device").toObject().value("serialNumber").toString();
}

// Whether the file at path holds exactly bytes: it is then left untouched
// (a history's unchanged device keeps its file, time stamp and all).
bool FileHolds(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

} // namespace

BackupFiles::BackupFiles(std::size_t devices, Replace replace)
    : m_entries(devices), m_replace(replace)
{
    m_writers.setMaxThreadCount(FILE_WRITERS);
}

void BackupFiles::Read(std::size_t i, const QString& path, const QString& serialNumber,
                       QByteArray bytes)
{
    Entry& entry = m_entries[i];
    entry.unchanged = FileHolds(path, bytes);
    entry.file = std::make_unique<StagedFile>(path, std::move(bytes));
    entry.path = path;
    entry.serialNumber = serialNumber;
    entry.done = true;
    if (!entry.unchanged && m_staging < MAX_STAGED_FILES) {
        ++m_staging;
        entry.stagedEarly = true;
        entry.file->ExpectStage();
        m_writers.start([file = entry.file.get()] { file->Stage(); });
    }
    SettleReady();
}

void BackupFiles::Failed(std::size_t i)
{
    m_entries[i].done = true;
    SettleReady();
}

void BackupFiles::SettleReady()
{
    for (; m_settled < m_entries.size() && m_entries[m_settled].done; ++m_settled)
        Settle(m_entries[m_settled]);
}

void BackupFiles::Settle(Entry& entry)
{
    if (!entry.file)
        return;
    if (!m_taken.insert(entry.path).second)
        entry.problem = Tr(MSG_SAME_SERIAL).arg(entry.serialNumber, entry.path);
    else
        entry.problem = KeptFile(entry);
    const bool keep = entry.problem.isEmpty() && !entry.unchanged;
    if (entry.stagedEarly)
        --m_staging;
    m_writers.start([file = entry.file.get(), keep] { file->Settle(keep); });
}

QString BackupFiles::KeptFile(const Entry& entry) const
{
    if (m_replace == Replace::Anything || !QFileInfo::exists(entry.path))
        return {};
    if (m_replace == Replace::Nothing)
        return Tr(MSG_NOT_OVERWRITTEN).arg(entry.path);
    // Where names ignore case, or were made by an earlier version, another
    // device's backup may have this name: it stays.
    const QString held = HeldSerialNumber(entry.path);
    if (!held.isEmpty() && held != entry.serialNumber)
        return Tr(MSG_OTHER_DEVICES_FILE).arg(entry.path, held);
    return {};
}

std::vector<QString> BackupFiles::Finish()
{
    m_writers.waitForDone();
    std::vector<QString> problems;
    for (const Entry& entry : m_entries) {
        QString problem = entry.problem;
        if (problem.isEmpty() && entry.file && !entry.file->error().isEmpty())
            problem = entry.file->error().chopped(1);
        problems.push_back(problem);
    }
    return problems;
}
