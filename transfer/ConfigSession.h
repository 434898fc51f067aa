// The window's session with its device: the table of the loaded device, the
// address it was loaded from, the rows the pages show otherwise than the
// device holds them, and the transcript of the last Load or Save. Load,
// Save, Import and Export are its operations: each takes the page set, waits
// and asks through a SessionWait, and returns how it went as a value; it
// shows no box itself. Every exchange runs as a one-device task on the
// engine that tolvoctl and sending to many use.
#pragma once

#include "CommissioningRecord.h"
#include "ConfigTable.h"
#include "DeviceTask.h"
#include "PageTable.h"
#include "SettingsFile.h"
#include "Transcript.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class SessionWait;

// A row the pages show otherwise than the device holds it (a number with
// more after it, say): its name and the device's value, escaped.
struct ShownOtherwise {
    QString name;
    QString held;
};

struct LoadOutcome {
    enum class Kind { Loaded, Failed, Cancelled };
    Kind kind = Kind::Cancelled;
    QString failure;                  // why it failed, as a sentence
    std::vector<ShownOtherwise> rows; // of a load
};

struct SaveOutcome {
    enum class Kind {
        TextNotStored,    // a page's text cannot be sent; nothing was
        Saved,            // every setting sent was read back as sent
        NotKept,          // keys: settings sent that read back otherwise
        UnsentChanged,    // keys: settings not sent that the apply changed
        ApplyUnconfirmed, // the apply command was not answered
        ReadBackFailed,   // applied, but not read back
        Cancelled,        // sentSomething tells whether settings went out
        NothingSent,      // failure: a command would be too long
        NotApplied,       // failure: it stopped before the apply
        NotConnected,     // the user chose not to try connecting again
        NotSeen,          // failure: applied settings moved it, and it was not seen since
    };
    Kind kind = Kind::NotConnected;
    bool sentSomething = false;
    QString failure;
    QStringList keys;
    // Names of the settings the device now holds otherwise; none for a save
    // to another device than the loaded one, whose values before are unknown.
    std::optional<QStringList> changed;
    QStringList leftOut;     // lists without a selection
    QStringList kept;        // rows shown otherwise, not edited: the device keeps its value
    uint32_t verifiedAt = 0; // where the settings were read back (saved)
};

struct ImportOutcome {
    bool imported = false;
    QStringList problems; // why the file was refused
    qsizetype count = 0;  // settings taken from the file
    QString fileSerial;   // the file's serial number, when another device's
    QString deviceSerial;
};

// What the last Load or Save read back from its device, for a
// commissioning record.
struct SessionRecord {
    RecordKind kind = RecordKind::Load;
    RecordDevice device;
};

// The pages' settings as a file's values, with the lists left out.
struct PageSettings {
    SettingsFile file;
    QStringList leftOut;
};

class ConfigSession {
public:
    // Reads every setting of the device at address onto the pages.
    LoadOutcome Load(uint32_t address, int timeoutMs, Pages pages, SessionWait& wait);
    // Writes the pages' settings (already checked by the pages) to the
    // device at address, applies them and reads them back.
    SaveOutcome Save(uint32_t address, int timeoutMs, Pages pages, SessionWait& wait);
    // The pages' settings (already checked by the pages) as a file's values;
    // nothing when a text cannot be stored. (Export follows a load: the
    // file names the address loaded from.)
    std::optional<PageSettings> CheckedPages(Pages pages) const;
    // Writes settings to path; the error, or empty.
    static QString Export(const PageSettings& settings, const QString& path);
    // A file's settings onto the pages, checked in full first; the fields of
    // settings the file lacks keep what they show.
    ImportOutcome Import(const QString& path, Pages pages) const;

    // The bound on the wait for a device that a save moves (DeviceMove.h).
    void SetMoveWait(int ms) { m_moveWaitMs = ms; }

    // The address of the last successful load (or where a save moved the
    // device loaded); until one, nothing.
    std::optional<uint32_t> loadedFrom() const { return m_loadedFrom; }
    const DeviceSettings& configTable() const { return m_table; }
    const Transcript& transcript() const { return m_transcript; }
    // The device's entry of the last Load or Save that ran to its end (a
    // failed one too, saying why); nothing before one, after one that was
    // cancelled, and after a save to another device than the one loaded,
    // whose earlier values and serial number are not known.
    const std::optional<SessionRecord>& record() const { return m_record; }
    // The rows that a save leaves out until edited, with what their field
    // showed at the load.
    struct DeviceValueRow {
        ParamRow row;
        QString held;
        QString shownAtLoad;
    };
    const std::vector<DeviceValueRow>& deviceValueRows() const { return m_deviceValueRows; }

private:
    enum class RunEnd { Ended, Cancelled, NotConnected };
    static std::unique_ptr<DeviceTask> NewTask(uint32_t address, int timeoutMs);
    RunEnd Run(DeviceTasks& tasks, const QString& label, SessionWait& wait);
    std::vector<ShownOtherwise> NoteDeviceValues(Pages pages);
    QStringList KeepUneditedDeviceValues(Pages pages, DeviceSettings& push) const;
    SaveOutcome Verified(const DeviceTask& task, Pages pages);

    DeviceSettings m_table;
    std::optional<uint32_t> m_loadedFrom;
    int m_moveWaitMs = MOVE_WAIT_MS;
    Transcript m_transcript;
    std::optional<SessionRecord> m_record;
    std::vector<DeviceValueRow> m_deviceValueRows;
};
