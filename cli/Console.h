// Whether an output stream is a console (a terminal) that a person watches,
// and the device through which tolvoctl writes its text to one.
#pragma once

#include <QIODevice>
#include <QStringDecoder>

#include <cstdio>

// True for a terminal, or on Windows a console; false for a file, a pipe or
// the null device (which Windows' _isatty takes for a terminal).
bool IsConsole(std::FILE* stream);

// Writes the UTF-8 text it is given to a C stream. Into a Windows console it
// goes as UTF-16 through WriteConsoleW, so that text beyond ASCII ("Café")
// shows right whatever the console's code page; into anything else (a file,
// a pipe, a terminal) as the UTF-8 bytes it is.
class ConsoleWriter : public QIODevice {
public:
    explicit ConsoleWriter(std::FILE* stream);

    // Why the first write that failed did (a full disk under a redirected
    // stdout, say); empty while none did.
    QString failure() const { return m_failure; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    std::FILE* m_stream;
    void* m_console = nullptr; // the console's handle, when the stream is one
    QString m_failure;
    // Keeps a character that a write cut in two until its rest comes.
    QStringDecoder m_decoder{QStringDecoder::Utf8};
};
