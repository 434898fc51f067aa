// Readies the platform's socket library for the program's connections.
#pragma once

// True when TCP sockets can be used. On Windows this starts Windows Sockets
// 2 for the rest of the run; elsewhere it checks that a TCP socket can be
// made.
bool StartSocketLibrary();
