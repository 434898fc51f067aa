#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own source of the host's Qt, once,
# and prints the folder it is installed in. The folder lives outside the clone
# ($TOLVO_CACHE, default /var/cache/tolvo-s), named by Qt's version and a hash
# of the build options; when it is already there the script does nothing else.
# A build that stops half-way leaves no such folder: Qt is installed into a
# temporary one that is renamed only once the install is complete.
#   qt_dir=$(bash scripts/windows-qt.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

bash scripts/deps.sh g++-mingw-w64-x86-64-posix dpkg-dev ninja-build >&2

cache=${TOLVO_CACHE:-/var/cache/tolvo-s}
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
qt_version=${source_version%%+*}
toolchain=$repo/cmake/mingw-w64-x86_64.cmake

# Everything the programs do not use is left out. The Windows platform plug-in
# needs tablet events off (Debian's source has no Wintab header), dynamic
# OpenGL off once OpenGL is, and without Direct2D the DirectWrite font
# database off (the plug-in would link to it, but Qt builds it only with
# Direct2D; the default GDI font database is used either way).
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF
  -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF -DFEATURE_jpeg=OFF
)
hash=$( (echo "$source_version" && printf '%s\n' "${options[@]}" && cat "$toolchain") |
  sha256sum | cut -c1-12)
qt_dir=$cache/qt-$qt_version-mingw64-$hash
if [ -f "$qt_dir/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
  echo "$qt_dir"
  exit 0
fi

work=$cache/work-$hash
rm -rf "$work"
mkdir -p "$work/apt/sources.list.d" "$work/apt/lists/partial"

# A source entry for the archive the machine already uses, in an apt
# configuration of this script's own: the machine's sources are left alone.
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
  sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
    >"$work/apt/sources.list.d/debian-src.sources"
else
  cat >"$work/apt/sources.list.d/debian-src.sources" <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
fi
apt_options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
  -o "Dir::State::Lists=$work/apt/lists")
echo "Fetching the source of Qt $source_version" >&2
apt-get "${apt_options[@]}" update -qq >&2
# apt checks every file against the checksums of the archive's signed index.
(cd "$work" && apt-get "${apt_options[@]}" source -qq "qt6-base=$source_version" >&2)
src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -1)

echo "Building Qt $qt_version for Windows (about half an hour on two cores)" >&2
staging=$cache/.qt-$qt_version-mingw64-$hash.partial
rm -rf "$staging"
cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$staging" "${options[@]}" >"$work/configure.log" 2>&1 ||
  {
    tail -40 "$work/configure.log" >&2
    exit 1
  }
cmake --build "$work/build" -j"$(nproc)" >"$work/build.log" 2>&1 || {
  tail -40 "$work/build.log" >&2
  exit 1
}
cmake --install "$work/build" >/dev/null
cp -r "$src/LICENSES" "$staging/licenses" # shipped beside the DLLs
mv "$staging" "$qt_dir"
rm -rf "$work"
echo "$qt_dir"
