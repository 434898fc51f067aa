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

int32_t GetProfileInt(const QString& section, const QString& entry, int32_t defaultValue);
void WriteProfileInt(const QString& section, const QString& entry, int32_t value);
QString GetProfileString(const QString& section, const QString& entry, const QString& defaultValue);
void WriteProfileString(const QString& section, const QString& entry, const QString& value);

// Forgets the root (for tests that start the program anew).
void ResetProfileRoot();
