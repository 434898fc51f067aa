#!/usr/bin/env bash
# Builds the Windows programs and their tests with MinGW-w64 against Qt for
# Windows (built once by scripts/windows-qt.sh and cached outside the clone),
# then the installers and the zips. Everything lands in build-windows/:
#   tolvo-s-config-1.0.0.1-win64.exe           the installer
#   tolvo-s-config-1.0.0.1-win64.msi           the same as an MSI (scripts/windows-msi.sh)
#   tolvo-s-config-1.0.0.1-win64-portable.zip  the programs, ready to run
#   tolvo-sim-1.0.0.1-win64.zip                the simulator (development, demos)
#   BUILD_TESTING=OFF  leaves out the tests
#   TOLVO_VERSION=1.0.0.0 builds that version instead of the release's (the
#                         installer test upgrades from an older build)
#   BUILD_DIR=FOLDER      builds there instead of build-windows/ (another version)
#   PACKAGE_DIR=FOLDER    puts the installer and the zips there instead
# With a certificate given (scripts/windows-sign.sh names the variables),
# every program and DLL in the installer and the zips, the uninstaller and
# the installer are signed; without one, nothing is.
set -euo pipefail
cd "$(dirname "$0")/.."

# Wine: its copies of Windows' DLLs tell those from missing ones when the
# programs' DLLs are gathered, and it runs the tests (the cross-compiling
# emulator).
bash scripts/deps.sh g++-mingw-w64-x86-64-posix ninja-build nsis zip qt6-translations-l10n wine64 \
  wixl osslsigncode
source scripts/windows-sign.sh
qt_dir=$(bash scripts/windows-qt.sh)
build_dir=${BUILD_DIR:-build-windows}
tools_dir=${build_dir}-tools

# The build-time tools run on this machine: built with its own Qt.
cmake -S . -B "$tools_dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$tools_dir" --target render_icon resource_texts pseudo_catalogue -j"$(nproc)" >/dev/null

# Qt's toolchain file finds Qt for Windows and the host's Qt tools; it loads
# the project's MinGW toolchain file.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt_dir/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64 \
  -DTOLVO_HOST_TOOLS="$PWD/$tools_dir/tools" -DTOLVO_WERROR=ON \
  -DBUILD_TESTING="${BUILD_TESTING:-ON}" -DTOLVO_VERSION="${TOLVO_VERSION:-}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"

# The packages. cpack signs the programs, DLLs and the uninstaller as it
# packs them (packaging/windows/SignStaged.cmake, installer.nsh); the
# installers are signed here, each with sign_windows_file.
package_dir=$(realpath -m "${PACKAGE_DIR:-$build_dir}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
(cd "$build_dir" && cpack -G NSIS -B "$package_dir" >/dev/null && cpack -G ZIP -B "$package_dir" >/dev/null)
sign_windows_file "$package_dir/tolvo-s-config-$version-win64.exe"
# The MSI holds the installer's files, signed as cpack signs them, staged
# beside the packages: a signed build's files stay apart from an unsigned one's.
msi_files=$package_dir/msi-files
rm -rf "$msi_files"
cmake --install "$build_dir" --component config --prefix "$msi_files" >/dev/null
while IFS= read -r -d '' file; do
  sign_windows_file "$file"
done < <(find "$msi_files" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
BUILD_DIR=$build_dir MSI_DIR=$package_dir bash scripts/windows-msi.sh "$version" "$msi_files" >/dev/null
sign_windows_file "$package_dir/tolvo-s-config-$version-win64.msi"
ls -l "$package_dir"/*.exe "$package_dir"/*.msi "$package_dir"/*.zip
