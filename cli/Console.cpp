#include "Console.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <windows.h>

namespace {

// The stream's console handle, or nullptr when it is no console. Only a
// console handle has a console mode; _isatty would also accept NUL and
// other character devices.
HANDLE ConsoleHandle(std::FILE* stream)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0 ? handle : nullptr;
}

bool WriteToConsole(HANDLE console, const QString& text)
{
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    for (qsizetype done = 0; done < text.size();) {
        DWORD written = 0;
        if (!WriteConsoleW(console, wide + done, DWORD(text.size() - done), &written, nullptr))
            return false;
        done += written;
    }
    return true;
}

} // namespace

bool IsConsole(std::FILE* stream)
{
    return ConsoleHandle(stream) != nullptr;
}

#else
#include <unistd.h>

bool IsConsole(std::FILE* stream)
{
    return isatty(fileno(stream)) != 0;
}

#endif

ConsoleWriter::ConsoleWriter(std::FILE* stream) : m_stream(stream)
{
#ifdef _WIN32
    m_console = ConsoleHandle(stream);
#endif
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 ConsoleWriter::writeData(const char* data, qint64 size)
{
#ifdef _WIN32
    if (m_console != nullptr)
        return WriteToConsole(m_console, m_decoder.decode(QByteArrayView(data, size))) ? size : -1;
#endif
    // The flush too may fail: a full disk under a redirected stream says so there.
    errno = 0;
    if (std::fwrite(data, 1, std::size_t(size), m_stream) == std::size_t(size) &&
        std::fflush(m_stream) == 0)
        return size;
    if (m_failure.isEmpty())
        m_failure = qt_error_string(errno);
    return -1;
}
