# Sourced by scripts/windows-installer-test.sh once Wine is ready: reading
# the registry and the programs' version records, and the checks of an
# upgrade while the program runs, of the uninstall entry and of the quiet
# uninstall. Uses the test's variables (installer, installed, install_dir,
# uninstall_key, ...).

# A value's data as reg query shows it (a DWORD as 0x...); empty when absent.
registry_value() { # key, name
  "$WINE" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 \+REG_[A-Z_]\+ \+//p"
}

# How many uninstall entries, in either registry view, carry the program's name.
uninstall_entries() {
  local view
  for view in 'HKLM\Software' 'HKLM\Software\Wow6432Node'; do
    "$WINE" reg query "$view\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null || true
  done | tr -d '\r' | grep -Ec '^\s+DisplayName\s+REG_SZ\s+Tolvo-S Configuration Utility$' || true
}

# The version record and manifest of a file, through check_resources.py;
# prints only what failed.
resources_read_back() { # check_resources.py's arguments
  local report
  report=$(python3 tests/windows/check_resources.py "$@" 2>&1) && return 0
  grep -v '^ok: ' <<<"$report"
  return 1
}
check_version_record() { # what, file, version, check_resources.py options...
  local what=$1 file=$2 expected=$3
  shift 3
  check "$what: version $expected in its version record, and its manifest" \
    resources_read_back "$@" "$file" "$expected"
}


# A fingerprint of the installed files: names and contents.
installed_files() {
  (cd "$installed" && find . -type f -exec md5sum {} + | sort) | md5sum
}

# The installer started as a person starts it, not silent, with Wine's trace
# of its message boxes (their texts) in box_log.
start_installer_by_hand() {
  box_log=$PWD/$build_dir/installer-boxes.log
  WINEDEBUG=-all,+msgbox "$WINE" "$installer" >"$box_log" 2>&1 &
  installer_pid=$!
}
boxes_shown() {
  grep -c 'msgbox:MSGBOX_OnInit' "$box_log" || true
}
box_shown() { # count, text: true once count boxes have shown (up to 60 s), the last with text
  for _ in $(seq 300); do
    if [ "$(boxes_shown)" -ge "$1" ]; then
      grep 'msgbox:MSGBOX_OnInit' "$box_log" | tail -1 | grep -qF "$2"
      return
    fi
    sleep 0.2
  done
  return 1
}
# The exit status of the installer started by hand, once it ends (within 60
# s; else it is stopped, and the status is 124).
installer_status() {
  for _ in $(seq 300); do
    if ! kill -0 "$installer_pid" 2>/dev/null; then
      wait "$installer_pid"
      return
    fi
    sleep 0.2
  done
  kill "$installer_pid"
  wait "$installer_pid" 2>/dev/null
  return 124
}
# Presses a key in the installer's message box: the program's window may
# have the keyboard. The box is traced before it is mapped, and the
# installer's hidden window has the same title: only a mapped window can
# take the focus (else X refuses with BadMatch), so this waits for one.
press_in_box() { # key
  local box
  for _ in $(seq 100); do
    box=$(xdotool search --onlyvisible --name '^Tolvo-S Configuration Utility Setup$' 2>/dev/null | tail -1)
    [ -n "$box" ] && timeout 10 xdotool windowfocus --sync "$box" 2>/dev/null && break
    sleep 0.2
  done
  sleep 0.5 # the box takes keys
  xdotool key "$1"
}

# Runs the registered quiet uninstall command as a deployment tool's script
# would, from a batch file, as it stands: cmd must wait for the uninstaller
# and get its exit status. Returns that status.
quiet_uninstall() {
  printf '@echo off\r\n%s\r\nexit /b %%ERRORLEVEL%%\r\n' "$(registry_value "$uninstall_key" QuietUninstallString)" \
    >"$WINEPREFIX/drive_c/tolvo-uninstall.cmd"
  "$WINE" cmd /c 'C:\tolvo-uninstall.cmd' >/dev/null 2>&1
}

# With the program running: a silent upgrade and a silent uninstall end with
# exit status 3 and change nothing; by hand, the installer asks to close it,
# asks again on Retry while it runs, changes nothing on Cancel, and goes on
# once it has ended. Ends the program.
check_upgrade_while_running() {
  local before status
  before=$(installed_files)
  status=0
  "$WINE" "$installer" /S || status=$?
  check "a silent upgrade while the program runs ends with exit status 3 (got $status)" \
    test "$status" -eq 3
  status=0
  quiet_uninstall || status=$?
  check "a silent uninstall while the program runs ends with exit status 3 (got $status)" \
    test "$status" -eq 3
  check "neither changed a file" test "$(installed_files)" = "$before"
  check "the entry still says $older_version" \
    test "$(registry_value "$uninstall_key" DisplayVersion)" = "$older_version"

  start_installer_by_hand
  check "the installer, started by hand, asks to close the program" \
    box_shown 1 "is running (TolvoSConfig.exe)"
  press_in_box Return # Retry, while it still runs
  check "Retry while it runs asks again" box_shown 2 "is running (TolvoSConfig.exe)"
  press_in_box Escape # Cancel
  status=0
  installer_status || status=$?
  check "Cancel ends the installer with exit status 3 (got $status)" test "$status" -eq 3
  check "and changed no file" test "$(installed_files)" = "$before"

  start_installer_by_hand
  box_shown 1 "is running" || true
  kill $(program_pids) 2>/dev/null || true
  program_ended || true
  press_in_box Return # Retry, now that it has ended
  check "Retry once the program has ended goes on (to CPack's question about the installed version)" \
    box_shown 2 "is already installed"
  press_in_box Escape # Cancel: the installer ends before the wizard
  installer_status || true
  check "and Cancel there changed no file" test "$(installed_files)" = "$before"
}

# The uninstall entry's values for deployment tools.
check_uninstall_entry() {
  local quiet location size files_kib url
  quiet=$(registry_value "$uninstall_key" QuietUninstallString)
  check "QuietUninstallString runs the uninstaller silently in place ($quiet)" \
    test "$quiet" = "\"$install_dir\\Uninstall.exe\" /S /REMOVESELF _?=$install_dir"
  location=$(registry_value "$uninstall_key" InstallLocation)
  check "InstallLocation is the program's folder ($location)" test "$location" = "$install_dir"
  size=$(registry_value "$uninstall_key" EstimatedSize)
  files_kib=$(find "$installed" -type f -printf '%s\n' | awk '{ bytes += $1 } END { print int(bytes / 1024) }')
  check "EstimatedSize is the installed files' size ($((size)) KiB, the files $files_kib KiB)" \
    test $((size * 100 / files_kib)) -ge 98 -a $((size * 100 / files_kib)) -le 102
  for url in URLInfoAbout HelpLink; do
    check "$url is a web address" \
      bash -c '[[ "$1" == https://?* ]]' _ "$(registry_value "$uninstall_key" "$url")"
  done
}

# True once the folder has gone (within 10 s).
installed_folder_gone() {
  for _ in $(seq 50); do
    [ -e "$installed" ] || return 0
    sleep 0.2
  done
  return 1
}

# The quiet uninstall, its exit status, and what it leaves: when it has
# ended, the copy of it that removes its own file does so, and the folder goes.
check_quiet_uninstall() {
  local status
  status=0
  quiet_uninstall || status=$?
  echo "The quiet uninstall command ended with exit status $status"
  check "the quiet uninstall ends with exit status 0 (got $status)" test "$status" -eq 0
  check "it removed every program file before it ended" \
    bash -c '[ -z "$(find "$1" -type f ! -name Uninstall.exe 2>/dev/null)" ]' _ "$installed"
  check "then the folder goes, the uninstaller with it" installed_folder_gone
  check "the Start-menu entry is gone" test ! -e "$start_menu"
  check "the uninstall entry is gone" bash -c '! "$WINE" reg query "$1" >/dev/null 2>&1' _ "$uninstall_key"
  check "no vendor's key is left" bash -c '! "$WINE" reg query "$1" >/dev/null 2>&1' _ 'HKLM\Software\Halvane'
  check "the user's profile stays" \
    bash -c '"$WINE" reg query "$1" /v IPaddress >/dev/null 2>&1' _ "$profile_key"
}
