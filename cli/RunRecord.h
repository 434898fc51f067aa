// A run's commissioning record (--record FILE, --note TEXT): one file for
// the whole run, whatever the number of devices, written once every device
// is done.
#pragma once

#include "CommissioningRecord.h"
#include "Invocation.h"

#include <vector>

namespace cli {

// Whether the run writes a record.
inline bool Records(const Invocation& run)
{
    return run.Given("record");
}

// The options of the record that make no sense as given (a note without a
// record, a record at a file the command reads or writes: a backup's -o, a
// hosts or plan file, restore's FILE), or a path where the record may not go
// (RecordPathProblem); empty when none.
QString RecordOptionProblem(const Invocation& run);

// Writes the record of a run of kind with the devices' entries, when
// --record was given; says where and its SHA-256 on stdout, or with --json
// adds "record" to extra. A record that could not be written, or whose path
// is one of the files the run wrote (runFiles), is said on stderr, and raises
// the exit status to EXIT_DEVICE_ERROR; the devices' results stand. The exit
// status.
int WriteRunRecord(const Invocation& run, RecordKind kind, std::vector<RecordDevice> devices,
                   int status, QJsonObject& extra, const QStringList& runFiles = {});

} // namespace cli
