// A device's entry in a commissioning record, from the task that read,
// wrote or checked it: the one way tolvoctl and the window make it.
#pragma once

#include "CommissioningRecord.h"
#include "DeviceTask.h"
#include "VerifiedWrite.h"

#include <vector>

// What the attempts of one run sent to a device: the settings read before
// the first push, and each row's value as last pushed.
struct RunSends {
    bool pushed = false;
    DeviceSettings before;
    DeviceSettings sent;
    // Takes in a finished attempt (one that pushed nothing adds nothing).
    void Add(const DeviceTask& task);
};

// Every row of the table, in table order: what a task reads when its
// device's entry is to hold every setting (AddVerifiedWrite's alsoRead, or
// ConnectAndRead's only, which reads them all when given none).
std::vector<ParamRow> RecordRows();

// The entry of a finished task, as the run of kind took it:
// - load and backup: the settings read (task.before), outcome read;
// - check: the settings read, compared with wanted: matches, or differs
//   with each difference;
// - save, send, restore and set: the settings read back after the apply
//   (task.after), each sent one verified or not, what changed from
//   task.before, outcome verified; matches where nothing was sent since the
//   device held every value; failed where a setting sent was not kept or
//   the apply changed one that was not sent (error names them), or the read-
//   back did not end.
// A task that failed gives its error; its settings only where nothing was
// sent (what it still holds, as far as it was read). The password's value
// is masked in every member.
// The entry holds every setting only where the task read them all: a write
// given RecordRows() as AddVerifiedWrite's alsoRead, a save after a load
// (AddWriteAfterLoad: task.before is the load's, which must be of this
// device; a save to another device has no "before" of its own, and its
// serial number and changes would be the loaded device's).
// A device sent to again in one run (a retry) passes run, which holds this
// task too: what changed is then taken from the read before the run's first
// send, and each value the run sent is verified, so what an earlier attempt
// changed stays in the entry.
RecordDevice RecordDeviceOf(const DeviceTask& task, RecordKind kind,
                            const SettingValues& wanted = {}, const RunSends* run = nullptr);
