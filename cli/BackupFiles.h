// The files of one backup. Each is staged as soon as its device is read, and
// settled in the order the devices were given, as soon as every device
// before it is done: committed, or refused when an earlier device took its
// path or a file is there already that may not be replaced. So what is written
// never depends on which device answered first, and the disk works while
// other devices are still being read.
#pragma once

#include "StagedFile.h"

#include <QString>
#include <QThreadPool>

#include <memory>
#include <set>
#include <vector>

class BackupFiles {
public:
    // What a file already at a device's path may be replaced by.
    enum class Replace {
        Nothing,
        SameDevice, // only a backup of the device whose serial number it holds
        Anything,
    };

    BackupFiles(std::size_t devices, Replace replace);
    ~BackupFiles() { m_writers.waitForDone(); }
    BackupFiles(const BackupFiles&) = delete;
    BackupFiles& operator=(const BackupFiles&) = delete;

    // Device i was read: its file goes to path.
    void Read(std::size_t i, const QString& path, const QString& serialNumber, QByteArray bytes);
    // Device i failed: it has no file.
    void Failed(std::size_t i);
    // Waits for every write, then gives each device's problem with its file
    // (a sentence without its full stop), empty when it was written.
    std::vector<QString> Finish();

private:
    struct Entry {
        std::unique_ptr<StagedFile> file;
        QString path;
        QString serialNumber;
        bool done = false;
        bool stagedEarly = false;
        bool unchanged = false; // the file at path holds these bytes already
        QString problem;
    };
    void SettleReady();
    void Settle(Entry& entry);
    // Why the file at entry's path may not be replaced; empty when it may.
    QString KeptFile(const Entry& entry) const;

    std::vector<Entry> m_entries;
    std::size_t m_settled = 0; // every device before this one is settled
    std::size_t m_staging = 0; // files staged and not yet settled
    std::set<QString> m_taken;
    Replace m_replace;
    QThreadPool m_writers;
};
