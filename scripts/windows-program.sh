# Sourced by the installer tests once Wine is ready: the installed window
# program in this test's own Wine prefix (another test on the machine may run
# one of its own), started as a person starts it, from its Start-menu entry.
# Uses the test's variables shortcut (the entry's .lnk) and desktop (the name
# of Wine's virtual desktop it opens in).
program='^C:.Program Files.Tolvo-S Configuration.TolvoSConfig\.exe'
window_title='^Tolvo-S Configuration - Halvane - version: '

program_pids() {
  local pid
  for pid in $(pgrep -f "$program"); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
  return 0
}

start_program() { # true once the program started from the entry shows its window
  "$WINE" explorer /desktop="$desktop",900x640 start /unix "$shortcut" &
  for _ in $(seq 150); do
    [ -n "$(program_pids)" ] && xdotool search --onlyvisible --name "$window_title" >/dev/null &&
      sleep 1 && return 0 # and it takes keys
    sleep 0.2
  done
  return 1
}

program_ended() { # waits up to 30 s; false if it had to be stopped
  for _ in $(seq 150); do
    [ -n "$(program_pids)" ] || return 0
    sleep 0.2
  done
  kill $(program_pids) 2>/dev/null || true
  return 1
}
