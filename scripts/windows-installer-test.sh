#!/usr/bin/env bash
# Tries the Windows installer (made by scripts/windows.sh) as a person would,
# under Wine with an X display, in a Wine prefix made anew: installs it
# silently, runs the installed tolvoctl against the simulator from its own
# zip on 127.0.0.1, types that address into the installed program, starts it
# again, presses Load and takes a screenshot ($build_dir/installed-main-window.png),
# then uninstalls and checks that nothing of it is left.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-windows}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")

bash scripts/deps.sh wine64 xvfb xdotool imagemagick unzip iproute2
wine_prefix=$PWD/$build_dir/wine-installer
[ -n "${TOLVO_ISOLATED:-}" ] || rm -rf "$wine_prefix"
source scripts/wine-env.sh

passes=0
failures=0
check() { # description, command...
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    passes=$((passes + 1))
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}
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
"$WINESERVER" -w
check "the programs are in Program Files" \
  test -f "$installed/TolvoSConfig.exe" -a -f "$installed/tolvoctl.exe"
check "the simulator is not installed" test ! -e "$installed/tolvo-sim.exe"
check "a Start-menu entry opens the program" test -f "$start_menu/Tolvo-S Configuration.lnk"
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

# The window program: the address typed, kept in the registry, read back at
# the next start, and Load.
ended() { # waits up to 30 s for a process to end; false if it did not (it is ended then)
  local pid=$1
  for _ in $(seq 150); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.2
  done
  kill "$pid" 2>/dev/null
  return 1
}
window_of() { # waits for the main window; its X window id
  local id=""
  for _ in $(seq 150); do
    id=$(xdotool search --name "Tolvo-S Configuration - Halvane" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.2
  done
  echo "$id"
}
"$WINE" "$installed/TolvoSConfig.exe" &
app_pid=$!
window=$(window_of)
check "the installed program opens its window" test -n "$window"
if [ -n "$window" ]; then
  sleep 1
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  # The focus starts on Exit; Tab reaches the address, whose fields a dot ends.
  xdotool key --delay 100 Tab
  xdotool type --delay 100 "127.0.0.1"
  sleep 0.5
  xdotool key Escape
fi
check "Escape closes the program" ended "$app_pid"
check "the address is a DWORD in the registry" \
  bash -c '"$WINE" reg query "$1" /v IPaddress | tr -d "\r" | grep -Eq "IPaddress\s+REG_DWORD\s+0x7f000001"' \
  _ "$profile_key"

gets_before=$(grep -c "^RECV get " "$sim_log" || true)
"$WINE" "$installed/TolvoSConfig.exe" &
app_pid=$!
window=$(window_of)
if [ -n "$window" ]; then
  sleep 1
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  # Exit, the four address fields, then Load.
  xdotool key --delay 100 Tab Tab Tab Tab Tab space
  for _ in $(seq 50); do
    xdotool search --name "^Success!$" >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 0.5
  import -window root "$build_dir/installed-main-window.png"
  xdotool key Return # the success message
  sleep 0.5
  xdotool key Escape
fi
ended "$app_pid" || true
kill "$sim_pid" 2>/dev/null || true
wait "$sim_pid" 2>/dev/null || true
gets=$(($(grep -c "^RECV get " "$sim_log" || true) - gets_before))
check "Load read the 25 settings from the address read back at the start (got $gets)" test "$gets" -eq 25

# Uninstall, silently, and look for what is left.
"$WINE" "$installed/Uninstall.exe" /S
"$WINESERVER" -w
sleep 1
"$WINESERVER" -w
check "the program's files are gone" test ! -e "$installed/TolvoSConfig.exe" -a ! -e "$installed/tolvoctl.exe"
left=$(find "$installed" -type f 2>/dev/null | head -5 || true)
check "nothing is left in its folder" test -z "$left"
check "the Start-menu entry is gone" test ! -e "$start_menu"
check "the uninstaller is no longer registered" \
  bash -c '! "$WINE" reg query "$1" >/dev/null 2>&1' _ "$uninstall_key"

echo "installer: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
