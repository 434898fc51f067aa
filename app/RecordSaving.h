// Saving a commissioning record from the window: the note asked for, the
// PDF's name chosen (its JSON document goes beside it), both files written,
// and a box that says where and gives the SHA-256, or why nothing was
// written.
#pragma once

#include "CommissioningRecord.h"

#include <vector>

class QWidget;

// The program and version a record of the window names.
CommissioningRecord WindowRecord(RecordKind kind, const QString& note);

// Asks over owner and saves the record of devices; false when the user
// cancelled or the files were not written.
bool SaveRecordAsked(QWidget* owner, RecordKind kind, std::vector<RecordDevice> devices);
