#!/usr/bin/env bash
# Tries the Windows installer (made by scripts/windows.sh) as a person and an
# administrator would, under Wine with an X display, in a Wine prefix made
# anew. Builds an older version first (TOLVO_VERSION, in BUILD_DIR-older/)
# and installs it silently; starts the program from its Start-menu entry and
# types the address 127.0.0.1 into it; while it runs, an upgrade or an
# uninstall, silent or not, changes nothing; then upgrades to this build,
# which keeps the address and leaves one uninstall entry. Runs the installed
# tolvoctl against the simulator from its own zip, starts the program again,
# presses Load and takes a screenshot (installed-main-window.png); reads
# each program's version record back; then uninstalls with the registered
# quiet command and checks its exit status and that nothing of it is left.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-windows}
if ! ls "$build_dir"/tolvo-s-config-*-win64.exe >/dev/null 2>&1; then
  echo "No installer in $build_dir/: make it first with bash scripts/windows.sh" >&2
  exit 2
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
older_version=1.0.0.0
older_dir=$build_dir-older
if [ -z "${TOLVO_ISOLATED:-}" ]; then
  echo "Building version $older_version to upgrade from, in $older_dir/"
  if ! BUILD_DIR=$older_dir TOLVO_VERSION=$older_version BUILD_TESTING=OFF \
    bash scripts/windows.sh >"$build_dir/older-build.log" 2>&1; then
    tail -20 "$build_dir/older-build.log"
    echo "Could not build version $older_version: $build_dir/older-build.log" >&2
    exit 1
  fi
fi

bash scripts/deps.sh wine64 xvfb xdotool imagemagick unzip iproute2 procps liblnk-utils icoutils
wine_prefix=$PWD/$build_dir/wine-installer
[ -n "${TOLVO_ISOLATED:-}" ] || rm -rf "$wine_prefix"
source scripts/wine-env.sh

source scripts/checks.sh
# Runs a Windows console program; its output without CR.
run_windows() {
  "$WINE" "$@" 2>&1 | tr -d '\r'
}
export -f run_windows
profile_key='HKCU\Software\Local AppWizard-Generated Applications\TolvoSConfig\TOLVO_IPADDRESS'
uninstall_root='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
uninstall_key="$uninstall_root\\Tolvo-S Configuration"
install_dir='C:\Program Files\Tolvo-S Configuration'
installed="$WINEPREFIX/drive_c/Program Files/Tolvo-S Configuration"
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tolvo-S Configuration Utility"
installer=$build_dir/tolvo-s-config-$version-win64.exe
older_installer=$older_dir/tolvo-s-config-$older_version-win64.exe
source scripts/windows-installer-checks.sh
source scripts/windows-program.sh

# The older version, silently; the installer's own exit status.
status=0
"$WINE" "$older_installer" /S || status=$?
timeout 120 "$WINESERVER" -w || true
check "version $older_version installs silently (exit status $status)" test "$status" -eq 0
check "its uninstall entry says $older_version" \
  test "$(registry_value "$uninstall_key" DisplayVersion)" = "$older_version"
check_version_record "the installed TolvoSConfig.exe" "$installed/TolvoSConfig.exe" "$older_version" --icon

# The window program, started as a person starts it: its Start-menu entry,
# opened by Wine's start as Windows' shell opens it. The address typed, kept
# in the registry, read back at the next start, and Load. It runs in a Wine
# desktop window of its own, so that the screenshot shows its frame, and
# with Qt's FreeType font engine: under Wine, Qt's default (GDI) engine draws
# no text in edit fields (docs/windows.md). The shortcut takes no arguments,
# and Wine passes no QT_ variable from this side: the engine is chosen in the
# user's environment in the registry, as on Windows. Keys go to the program
# as a person's would.
shortcut="$start_menu/Tolvo-S Configuration.lnk"
"$WINE" reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d windows:fontengine=freetype /f >/dev/null
desktop=Tolvo
check "the installed program starts from its Start-menu entry and shows its window" start_program
# The focus starts on Exit; Tab reaches the address, whose fields a dot ends.
xdotool key --delay 150 Tab
xdotool type --delay 150 "127.0.0.1"
sleep 0.5
xdotool key Escape
check "Escape closes the program" program_ended
check "the address is a DWORD in the registry" \
  bash -c '"$WINE" reg query "$1" /v IPaddress | tr -d "\r" | grep -Eq "IPaddress\s+REG_DWORD\s+0x7f000001"' \
  _ "$profile_key"

# While the program runs, neither an upgrade nor an uninstall changes a file.
check "the program starts again" start_program
check_upgrade_while_running

# The upgrade, silently.
status=0
"$WINE" "$installer" /S || status=$?
timeout 120 "$WINESERVER" -w || true
check "the upgrade to $version succeeds silently (exit status $status)" test "$status" -eq 0
entries=$(uninstall_entries)
check "one uninstall entry is left (found $entries)" test "$entries" -eq 1
check "the entry says $version" test "$(registry_value "$uninstall_key" DisplayVersion)" = "$version"
check "the upgrade kept the address in the user's profile" \
  bash -c '"$WINE" reg query "$1" /v IPaddress | tr -d "\r" | grep -Eq "IPaddress\s+REG_DWORD\s+0x7f000001"' \
  _ "$profile_key"
check_version_record "the installed TolvoSConfig.exe" "$installed/TolvoSConfig.exe" "$version" --icon
check_version_record "the installed tolvoctl.exe" "$installed/tolvoctl.exe" "$version"
check_version_record "the installer" "$installer" "$version" --level requireAdministrator

check "the programs are in Program Files" \
  test -f "$installed/TolvoSConfig.exe" -a -f "$installed/tolvoctl.exe"
check "the simulator is not installed" test ! -e "$installed/tolvo-sim.exe"
check "the Start-menu entry is there" test -f "$shortcut"
target=$(lnkinfo "$shortcut" 2>/dev/null | sed -n 's/^\s*Local path\s*: //p')
check "the Start-menu entry points at the installed program (it points at $target)" \
  test "$target" = "$install_dir\\TolvoSConfig.exe"
# The shell's own list of the target's parts, which Windows may go by first.
items=$(lnkinfo "$shortcut" 2>/dev/null | sed -n 's/^\s*Name\s*: //p' | paste -sd '\\')
check "the entry's list of path parts names the installed program (it names $items)" \
  test "$items" = 'Program Files\Tolvo-S Configuration\TolvoSConfig.exe'
check_uninstall_entry
check "tolvoctl --version" \
  bash -c '[ "$(run_windows "$1" --version)" = "tolvoctl $2" ]' _ "$installed/tolvoctl.exe" "$version"

check_catalogues "the installed program" "$(find "$installed" -type f)"
check_catalogues "the portable zip" "$(unzip -Z1 "$build_dir/tolvo-s-config-$version-win64-portable.zip")"
check "the installed tolvoctl speaks the language asked for (--lang de)" \
  bash -c 'run_windows "$1" --lang de get | grep -q "^tolvoctl: Keine "' _ "$installed/tolvoctl.exe"

# The simulator from its own zip, on 127.0.0.1.
sim_dir=$build_dir/sim-unzipped
rm -rf "$sim_dir"
unzip -q "$build_dir/tolvo-sim-$version-win64.zip" -d "$sim_dir"
sim_exe=$(find "$sim_dir" -name tolvo-sim.exe | head -1)
check_version_record "tolvo-sim.exe from its zip" "$sim_exe" "$version"
sim_log=$PWD/$build_dir/installer-sim.log
"$WINE" "$sim_exe" --address 127.0.0.1 --port 4070 --log "$(windows_path "$sim_log")" \
  >"$build_dir/installer-sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 100); do
  grep -q "listening" "$build_dir/installer-sim.out" && break
  sleep 0.2
done
check "the installed tolvoctl reads the simulator" \
  bash -c 'run_windows "$1" get 127.0.0.1 SERIALN | grep -q "^SERIALN=TS-"' _ "$installed/tolvoctl.exe"

# The upgraded program shows the address the older one kept: Load reads it.
gets_before=$(grep -c "^RECV get " "$sim_log" || true)
start_program || true
xdotool key --delay 150 Tab Tab space # Exit, the address, then Load
for _ in $(seq 50); do
  [ "$(grep -c "^RECV get " "$sim_log")" -ge $((gets_before + 25)) ] && break
  sleep 0.2
done
sleep 2 # the pages fill and the success message shows
xdotool key Return # the success message
sleep 1
import -window root -crop 900x640+0+0 +repage "$build_dir/installed-main-window.png"
xdotool key Escape
program_ended || true
kill "$sim_pid" 2>/dev/null || true
wait "$sim_pid" 2>/dev/null || true
gets=$(($(grep -c "^RECV get " "$sim_log" || true) - gets_before))
check "Load read the 25 settings from the address read back at the start (got $gets)" test "$gets" -eq 25

check_quiet_uninstall
checks_summary installer
