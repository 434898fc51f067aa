#include "Console.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>

bool IsConsole(std::FILE* stream)
{
    // Only a console handle has a console mode; _isatty would also accept
    // NUL and other character devices.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

#else
#include <unistd.h>

bool IsConsole(std::FILE* stream)
{
    return isatty(fileno(stream)) != 0;
}

#endif
