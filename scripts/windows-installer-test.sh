#!/usr/bin/env bash
# Tries the Windows installer (made by scripts/windows.sh) as a person would,
# under Wine with an X display, in a Wine prefix made anew: installs it
# silently, runs the installed tolvoctl against the simulator from its own
# zip on 127.0.0.1, starts the installed program from its Start-menu entry,
# types that address into it, starts it again from there, presses Load and
# takes a screenshot (installed-main-window.png), then uninstalls and checks
# that nothing of it is left.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-windows}
if ! ls "$build_dir"/tolvo-s-config-*-win64.exe >/dev/null 2>&1; then
  echo "No installer in $build_dir/: make it first with bash scripts/windows.sh" >&2
  exit 2
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")

bash scripts/deps.sh wine64 xvfb xdotool imagemagick unzip iproute2 procps liblnk-utils
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
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolvo-S Configuration'
installed="$WINEPREFIX/drive_c/Program Files/Tolvo-S Configuration"
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tolvo-S Configuration Utility"

# Install, silently; the installer returns at once, so wait for Wine's processes.
"$WINE" "$build_dir/tolvo-s-config-$version-win64.exe" /S
timeout 120 "$WINESERVER" -w || true
check "the programs are in Program Files" \
  test -f "$installed/TolvoSConfig.exe" -a -f "$installed/tolvoctl.exe"
check "the simulator is not installed" test ! -e "$installed/tolvo-sim.exe"
shortcut="$start_menu/Tolvo-S Configuration.lnk"
check "the Start-menu entry is there" test -f "$shortcut"
target=$(lnkinfo "$shortcut" 2>/dev/null | sed -n 's/^\s*Local path\s*: //p')
check "the Start-menu entry points at the installed program (it points at $target)" \
  test "$target" = 'C:\Program Files\Tolvo-S Configuration\TolvoSConfig.exe'
# The shell's own list of the target's parts, which Windows may go by first.
items=$(lnkinfo "$shortcut" 2>/dev/null | sed -n 's/^\s*Name\s*: //p' | paste -sd '\\')
check "the entry's list of path parts names the installed program (it names $items)" \
  test "$items" = 'Program Files\Tolvo-S Configuration\TolvoSConfig.exe'
check "the uninstaller is registered" \
  bash -c '"$WINE" reg query "$1" /v UninstallString | grep -q Uninstall.exe' _ "$uninstall_key"
check "tolvoctl --version" \
  bash -c '[ "$(run_windows "$1" --version)" = "tolvoctl $2" ]' _ "$installed/tolvoctl.exe" "$version"

# The simulator from its own zip, on 127.0.0.1.
sim_dir=$build_dir/sim-unzipped
rm -rf "$sim_dir"
unzip -q "$build_dir/tolvo-sim-$version-win64.zip" -d "$sim_dir"
sim_exe=$(find "$sim_dir" -name tolvo-sim.exe | head -1)
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

# The window program, started as a person starts it: its Start-menu entry,
# opened by Wine's start as Windows' shell opens it. The address typed, kept
# in the registry, read back at the next start, and Load. It runs in a Wine
# desktop window of its own, so that the screenshot shows its frame, and
# with Qt's FreeType font engine: under Wine, Qt's default (GDI) engine draws
# no text in edit fields (docs/windows.md). The shortcut takes no arguments,
# and Wine passes no QT_ variable from this side: the engine is chosen in the
# user's environment in the registry, as on Windows. Keys go to the program
# as a person's would.
"$WINE" reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d windows:fontengine=freetype /f >/dev/null
program='^C:.Program Files.Tolvo-S Configuration.TolvoSConfig\.exe'
window_title='^Tolvo-S Configuration - Halvane - version: '
start_program() { # true once the installed program runs and its window shows
  "$WINE" explorer /desktop=Tolvo,900x640 start /unix "$shortcut" &
  for _ in $(seq 150); do
    pgrep -f "$program" >/dev/null && xdotool search --onlyvisible --name "$window_title" >/dev/null &&
      sleep 1 && return 0 # and it takes keys
    sleep 0.2
  done
  return 1
}
program_ended() { # waits up to 30 s; false if it had to be stopped
  for _ in $(seq 150); do
    pgrep -f "$program" >/dev/null || return 0
    sleep 0.2
  done
  pkill -f "$program"
  return 1
}
export program
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

# Uninstall, silently, and look for what is left. The uninstaller runs a
# copy of itself and returns at once: wait for Wine's processes to end.
"$WINE" "$installed/Uninstall.exe" /S
timeout 120 "$WINESERVER" -w || true
check "the program's files are gone" test ! -e "$installed/TolvoSConfig.exe" -a ! -e "$installed/tolvoctl.exe"
left=$(find "$installed" -type f 2>/dev/null | head -5 || true)
check "nothing is left in its folder" test -z "$left"
check "the Start-menu entry is gone" test ! -e "$start_menu"
check "the uninstaller is no longer registered" \
  bash -c '! "$WINE" reg query "$1" >/dev/null 2>&1' _ "$uninstall_key"

checks_summary installer
