// The per-user profile: integers and texts kept by section and entry between runs,
// in the platform's native settings store (the registry on Windows).
#pragma once

#include <QString>

#include <cstdint>

// <windows.h> names its own INI-file functions so, as macros; where it came
// first, these declarations and their callers keep their own names.
#undef GetProfileInt
#undef WriteProfileInt

// Roots the profile under key and the executable's base name. Until then
// nothing is read or written.
void SetRegistryKey(const QString& key);
bool ProfileRooted();

// The writes store the entry at once and say whether the store took it: false
// when it could not be written (a full disk, a folder or file that cannot be
// written), the earlier profile then staying as it was.
int32_t GetProfileInt(const QString& section, const QString& entry, int32_t defaultValue);
bool WriteProfileInt(const QString& section, const QString& entry, int32_t value);
QString GetProfileString(const QString& section, const QString& entry, const QString& defaultValue);
bool WriteProfileString(const QString& section, const QString& entry, const QString& value);
// Where the profile is kept, as a person would look for it: its file, or on
// Windows its registry key.
QString ProfileLocation();

// Forgets the root (for tests that start the program anew).
void ResetProfileRoot();
