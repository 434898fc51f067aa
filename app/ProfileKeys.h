// The names under which the window program keeps its per-user profile: the
// root, and the entries the windows remember.
#pragma once

#include <QString>

// The registry key the profile is rooted under.
inline const QString PROFILE_ROOT = QStringLiteral("Local AppWizard-Generated Applications");
// The device address of the main window.
inline const QString PROFILE_SECTION = QStringLiteral("TOLVO_IPADDRESS");
inline const QString PROFILE_ENTRY = QStringLiteral("IPaddress");
// The range Find Devices searched last.
inline const QString FIND_PROFILE_SECTION = QStringLiteral("FIND_DEVICES");
inline const QString FIND_PROFILE_ENTRY = QStringLiteral("Range");
// The language the window is shown in; none for the system's.
inline const QString LANGUAGE_PROFILE_SECTION = QStringLiteral("Settings");
inline const QString LANGUAGE_PROFILE_ENTRY = QStringLiteral("Language");
