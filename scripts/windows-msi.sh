#!/usr/bin/env bash
# Makes the MSI beside the NSIS installer (scripts/windows.sh calls it after
# cpack) with msitools' wixl, from the WiX source in packaging/windows/msi/
# and the files the installer installs (cmake --install, component config):
#   bash scripts/windows-msi.sh [VERSION [FILES]]
# writes build-windows/tolvo-s-config-VERSION-win64.msi. VERSION is the
# project's unless given (a lower one makes an earlier release, for the
# upgrade test); FILES, a folder to package instead of those files.
#   MSI_DIR=FOLDER  where the MSI goes (the build folder)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-windows}
msi_dir=${MSI_DIR:-$build_dir}
bash scripts/deps.sh wixl

version=${1:-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt" 2>/dev/null)}
if [ -z "$version" ]; then
  echo "No Windows build in $build_dir/: make it first with bash scripts/windows.sh" >&2
  exit 2
fi
# Windows Installer's versions: major and minor up to 255, build up to
# 65535; a fourth part is kept but not compared.
IFS=. read -r major minor build _ <<<"$version"
if ! [[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+(\.[0-9]+)?$ ]] ||
  [ "$major" -gt 255 ] || [ "$minor" -gt 255 ] || [ "$build" -ge 65535 ]; then
  echo "The version $version is not one Windows Installer takes (at most 255.255.65534.N)" >&2
  exit 2
fi

files=${2:-$build_dir/msi-files}
# wixl finds the files only by a path relative to the current folder.
files=$(realpath -m --relative-to=. "$files")
if [ -z "${2:-}" ]; then
  rm -rf "$files"
  cmake --install "$build_dir" --component config --prefix "$files" >/dev/null
fi
# One component a file, its GUID made by wixl from the file's path, so it
# stays the same from one build to the next; all of them 64-bit. wixl-heat
# puts the files at the top into folders named "." below INSTALLDIR: those
# go, so that these files' components are in INSTALLDIR itself, and removing
# them removes the folder (Wine's Windows Installer removes only the folders
# of components, and their subfolders).
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$msi_dir"
find "$files" -type f | LC_ALL=C sort |
  wixl-heat --prefix "$files/" --directory-ref INSTALLDIR --component-group ProgramFiles \
    --var var.Files |
  awk '/<Directory / { dot[++depth] = /Name="\."/; if (dot[depth]) next }
       /<\/Directory>/ { if (dot[depth--]) next }
       { sub(/<Component /, "<Component Win64=\"yes\" "); print }' >"$work/files.wxs"

# The entry's links, as the NSIS installer's (packaging/windows/Windows.cmake).
cpack_value() { sed -n "s/^set($1 \"\(.*\)\")$/\1/p" "$build_dir/CPackConfig.cmake"; }
msi=$msi_dir/tolvo-s-config-$version-win64.msi
wixl --arch x64 --output "$msi" -D Version="$version" \
  -D UpgradeBelow="$major.$minor.$((build + 1))" -D Files="$files" \
  -D Icon="$build_dir/res/icons/tolvo-config.ico" -D UrlInfoAbout="$(cpack_value CPACK_NSIS_URL_INFO_ABOUT)" \
  -D HelpLink="$(cpack_value CPACK_NSIS_HELP_LINK)" -D Contact="$(cpack_value CPACK_NSIS_CONTACT)" \
  packaging/windows/msi/tolvo-s-config.wxs "$work/files.wxs"
echo "$msi"
