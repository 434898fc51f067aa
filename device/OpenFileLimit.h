// This computer's limit on the files and connections that one process may
// hold open at once (RLIMIT_NOFILE on POSIX systems; Windows has no such
// limit on sockets), and how many device connections fit beside what is
// open already.
#pragma once

// Descriptors kept free beside the device connections: a backup's staged
// files (at most 64 at once), the threads that write them, git's pipes and
// the event loop's own (each thread's wake-up pipe).
constexpr int DESCRIPTORS_KEPT_FREE = 128;

// Raises the limit to the most that the system allows this process (the
// soft limit to the hard one). Called once at start.
void RaiseOpenFileLimit();
// The limit on open descriptors; 0 where there is none.
long OpenFileLimit();
// How many of wanted connections can be open at once beside the
// descriptors open now and those kept free: at least 1.
int ConnectionsThatFit(int wanted);
