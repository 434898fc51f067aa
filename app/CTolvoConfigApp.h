// The application object: readies the platform, roots the profile, reads
// the program's version and runs the main window.
#pragma once

#include "ProfileKeys.h"

#include <QString>

#include <cstdint>

// The command id of the About item in the main window's system menu.
constexpr unsigned ABOUT_COMMAND_ID = 16;
// The command id of the Language item beside it.
constexpr unsigned LANGUAGE_COMMAND_ID = 32;
// Whether a system command id opens the About box.
constexpr bool IsAboutCommand(unsigned id)
{
    return (id & 0xFFF0) == ABOUT_COMMAND_ID;
}

// "%d.%d.%d.%d" of the four 16-bit halves of a product version, each unsigned.
QString FormatProductVersion(uint32_t versionMS, uint32_t versionLS);

class CTolvoConfigApp {
public:
    virtual ~CTolvoConfigApp() = default;

    // Runs the program; always false (there is no message loop of its own).
    bool InitInstance();
    int ExitInstance() { return 0; }
    void ReadOwnVersion();

    QString m_version;

protected:
    // Starts the socket library; tests replace it to see the failure path.
    virtual bool SocketInit();
};
