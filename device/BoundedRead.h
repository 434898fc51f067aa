// Reading a file that a person names, with a bound on its size: a file past
// the bound is refused before it fills the memory, and /dev/zero or a pipe
// that never ends is read no further than the bound.
#pragma once

#include <QByteArray>
#include <QFile>

#include <optional>

// The most a settings file may hold: one of every setting is about 1 KiB.
constexpr qint64 MAX_SETTINGS_FILE_BYTES = 64 * 1024;
// The most a list of addresses (--hosts, the window's Add from File) may hold.
constexpr qint64 MAX_HOSTS_FILE_BYTES = 1024 * 1024;

// What the open file holds from where it is, when that is at most limit
// bytes. Nothing when there is more (tooLarge; limit + 1 bytes were read)
// or a read failed (the file's errorString() says why).
std::optional<QByteArray> ReadAtMost(QFile& file, qint64 limit, bool& tooLarge);
