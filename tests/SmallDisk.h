// A full disk for a test: a small tmpfs in a mount namespace of the test's
// own (Linux, as root), filled until it takes no more. Where none can be
// made the tests that need one skip, saying why.
#pragma once

#include <QString>

// Gives the process a mount namespace of its own, so that what it mounts is
// seen by it and its children only; why not, where it cannot. It must come
// before any thread starts.
QString OwnMountNamespace();

// Mounts a small tmpfs at folder (made if need be); false where none can be.
bool MountSmallDisk(const QString& folder);
void Unmount(const QString& folder);
// Mounts the disk at folder again, read-only; false where it cannot.
bool MakeReadOnly(const QString& folder);

// Fills the disk at folder until it takes no more, then frees pages of it
// again (a tmpfs counts its room in pages). True when it then has exactly
// that room.
bool FillDisk(const QString& folder, int pages);
