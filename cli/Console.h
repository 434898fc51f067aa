// Whether an output stream is a console (a terminal) that a person watches.
#pragma once

#include <cstdio>

// True for a terminal, or on Windows a console; false for a file, a pipe or
// the null device (which Windows' _isatty takes for a terminal).
bool IsConsole(std::FILE* stream);
