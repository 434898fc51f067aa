// tolvoctl: reads, backs up, checks, compares, restores and sets the
// settings of Tolvo-S devices, many at once, on the window program's core.
#pragma once

#include <QStringList>

// Exit statuses.
constexpr int EXIT_OK = 0;
constexpr int EXIT_DIFFERENT = 1;    // differences found, or a read-back did not match
constexpr int EXIT_USAGE = 2;        // a malformed argument or file; nothing was sent
constexpr int EXIT_DEVICE_ERROR = 3; // a device not read or written; a file or output not written

// Runs the command line (arguments()[0] is the program); the exit status.
int RunTolvoctl(const QStringList& arguments);
