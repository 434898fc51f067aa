# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads
# variant, which Qt 6 needs). Used for Qt's own build and for the project's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOLVO_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOLVO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOLVO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TOLVO_MINGW}-windres)
set(CMAKE_OBJDUMP ${TOLVO_MINGW}-objdump CACHE FILEPATH "PE reader for runtime dependencies")

# Libraries, headers and packages come from the target's trees only; programs
# (the host's Qt tools among them) from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TOLVO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
