#!/usr/bin/env bash
# Builds the Windows programs and their tests with MinGW-w64 against Qt for
# Windows (built once by scripts/windows-qt.sh and cached outside the clone),
# then the installer and the zips. Everything lands in build-windows/:
#   tolvo-s-config-1.0.0.1-win64.exe           the installer
#   tolvo-s-config-1.0.0.1-win64-portable.zip  the programs, ready to run
#   tolvo-sim-1.0.0.1-win64.zip                the simulator (development, demos)
#   BUILD_TESTING=OFF  leaves out the tests
#   TOLVO_VERSION=1.0.0.0 builds that version instead of the release's (the
#                         installer test upgrades from an older build)
set -euo pipefail
cd "$(dirname "$0")/.."

# Wine: its copies of Windows' DLLs tell those from missing ones when the
# programs' DLLs are gathered, and it runs the tests (the cross-compiling
# emulator).
bash scripts/deps.sh g++-mingw-w64-x86-64-posix ninja-build nsis zip qt6-translations-l10n wine64
qt_dir=$(bash scripts/windows-qt.sh)
build_dir=${BUILD_DIR:-build-windows}
tools_dir=${build_dir}-tools

# The build-time tools run on this machine: built with its own Qt.
cmake -S . -B "$tools_dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$tools_dir" --target render_icon resource_texts -j"$(nproc)" >/dev/null

# Qt's toolchain file finds Qt for Windows and the host's Qt tools; it loads
# the project's MinGW toolchain file.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt_dir/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64 \
  -DTOLVO_HOST_TOOLS="$PWD/$tools_dir/tools" -DTOLVO_WERROR=ON \
  -DBUILD_TESTING="${BUILD_TESTING:-ON}" -DTOLVO_VERSION="${TOLVO_VERSION:-}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
(cd "$build_dir" && cpack -G NSIS >/dev/null && cpack -G ZIP >/dev/null)
ls -l "$build_dir"/*.exe "$build_dir"/*.zip
