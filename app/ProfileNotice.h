// The profile keeps the device address and the range to search for the next
// start. The address is written at every change of its field, so a failure to
// write is said once, not again until a write has succeeded.
#pragma once

class QWidget;

// Says in a box owned by owner that the profile could not be written, unless
// written or said already since the last write that succeeded.
void NoteProfileWrite(QWidget* owner, bool written);
