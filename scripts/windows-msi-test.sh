#!/usr/bin/env bash
# Tries the MSI (made by scripts/windows.sh) as an administrator's tools use
# it, under Wine with an X display, in a Wine prefix made anew: installs an
# earlier release silently (the same files with a lower version, one file
# changed and one more), starts the program from its Start-menu entry and
# types an address into it (the user's profile), upgrades to this build
# silently (one entry in Apps & features, of this version, this build's
# files, the profile kept), starts the program from its entry again,
# upgrades to a later release (the next third part), sees this build refused
# over it, and removes it silently: nothing of it left. Prints msiexec's exit
# codes.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-windows}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt" 2>/dev/null || true)
msi=$build_dir/tolvo-s-config-$version-win64.msi
if [ -z "$version" ] || [ ! -f "$msi" ] || [ ! -d "$build_dir/msi-files" ]; then
  echo "No MSI in $build_dir/: make it first with bash scripts/windows.sh" >&2
  exit 2
fi

bash scripts/deps.sh wine64 xvfb xdotool iproute2 procps liblnk-utils wixl
wine_prefix=$PWD/$build_dir/wine-msi
[ -n "${TOLVO_ISOLATED:-}" ] || rm -rf "$wine_prefix"
source scripts/wine-env.sh
source scripts/checks.sh

# The earlier release: the version with its last part above zero lowered by
# one (1.0.0.1 gives 1.0.0.0, which Windows Installer counts as the same
# version: the harder case), its licence text changed and a file more.
earlier_version() {
  local parts i
  IFS=. read -ra parts <<<"$1"
  for ((i = ${#parts[@]} - 1; i >= 0; i--)); do
    if [ "${parts[i]}" -gt 0 ]; then
      parts[i]=$((parts[i] - 1))
      break
    fi
  done
  (IFS=. && echo "${parts[*]}")
}
earlier=$(earlier_version "$version")
work=$build_dir/msi-test
rm -rf "$work"
mkdir -p "$work"
cp -r "$build_dir/msi-files" "$work/earlier-files"
echo "An earlier release." >>"$work/earlier-files/license.txt"
echo "Only in the earlier release." >"$work/earlier-files/earlier-release.txt"
earlier_msi=$(MSI_DIR=$work bash scripts/windows-msi.sh "$earlier" "$work/earlier-files" | tail -1)
# The later release: the same files, the next third part.
IFS=. read -r major minor build _ <<<"$version"
later=$major.$minor.$((build + 1)).0
later_msi=$(MSI_DIR=$work bash scripts/windows-msi.sh "$later" "$build_dir/msi-files" | tail -1)

installed="$WINEPREFIX/drive_c/Program Files/Tolvo-S Configuration"
profile_key='HKCU\Software\Local AppWizard-Generated Applications\TolvoSConfig\TOLVO_IPADDRESS'
uninstall_keys='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
product_name='Tolvo-S Configuration Utility'

# msiexec with a verbose log in the work folder; its exit code in $status
# (under Wine, the low byte of Windows' code: 1603 comes as 67).
run_msiexec() { # log name, msiexec's arguments...
  local log=$1 start=$SECONDS
  shift
  status=0
  "$WINE" msiexec "$@" /l*v "$(windows_path "$PWD/$work/$log.log")" || status=$?
  echo "msiexec $* exited $status after $((SECONDS - start)) s"
}
# The subkeys of KEY whose value NAME is the product's name: one line each,
# with the values asked for, separated by |.
registered() { # key, name, value...
  local key=$1 name=$2
  shift 2
  "$WINE" reg query "$key" /s 2>/dev/null | tr -d '\r' |
    awk -v product="$product_name" -v name="$name" -v wanted="$*" '
      function flush() {
        if (v[name] == product) {
          n = split(wanted, f, " ")
          line = v[f[1]]
          for (i = 2; i <= n; i++) line = line "|" v[f[i]]
          print line
        }
        delete v
      }
      /^HKEY_/ { flush(); next }
      match($0, /^ +[^ ]+ +REG_[A-Z_]+ +/) { split($0, w, " "); v[w[1]] = substr($0, RLENGTH + 1) }
      END { flush() }'
}
entries() { # value...: of the Apps & features entries
  registered "$uninstall_keys" DisplayName "$@"
}
matches() { # pattern, text: a line of the text matches (case aside)
  grep -Eiq "$1" <<<"$2"
}
same_files() { # folder, folder: the same files with the same contents
  diff -r "$1" "$2" >/dev/null
}
windows_to_unix() { # C:\x\y in the prefix
  local path=${1//\\//}
  printf '%s/drive_c/%s' "$WINEPREFIX" "${path#C:/}"
}

desktop=TolvoMsi
source scripts/windows-program.sh
lnk_target() {
  lnkinfo "$shortcut" 2>/dev/null | sed -n 's/^\s*Local path\s*: //p'
}
lnk_items() { # the shell's own list of the target's parts
  lnkinfo "$shortcut" 2>/dev/null | sed -n 's/^\s*Name\s*: //p' | paste -sd '\\'
}

# The earlier release, silently.
run_msiexec install-earlier /i "$(windows_path "$PWD/$earlier_msi")" /qn
check "msiexec /i of the earlier release ($earlier) exits 0 (it exited $status)" test "$status" -eq 0
check "the earlier release's files are in Program Files" same_files "$work/earlier-files" "$installed"
check_catalogues "the installed program" "$(find "$installed" -type f)"
# The Start-menu folder where Windows Installer put it: All Users' for a
# per-machine package on Windows; Wine takes the user's.
programs=$(sed -n 's/^Property(S): ProgramMenuFolder = //p' "$work/install-earlier.log" | tr -d '\r' | tail -1)
echo "Windows Installer's ProgramMenuFolder: $programs"
start_menu="$(windows_to_unix "$programs")Tolvo-S Configuration Utility"
shortcut="$start_menu/Tolvo-S Configuration.lnk"
check "the Start-menu entry points at the installed program (it points at $(lnk_target))" \
  test "$(lnk_target)" = 'C:\Program Files\Tolvo-S Configuration\TolvoSConfig.exe'
check "the entry's list of path parts names the installed program (it names $(lnk_items))" \
  test "$(lnk_items)" = 'Program Files\Tolvo-S Configuration\TolvoSConfig.exe'
check "the earlier release is in Apps & features ($(entries DisplayVersion))" \
  test "$(entries DisplayVersion)" = "$earlier"

# The user's profile, as the program keeps it: the address typed and Escape.
check "the earlier release starts from its Start-menu entry and shows its window" start_program
xdotool key --delay 150 Tab # from Exit to the address, whose fields a dot ends
xdotool type --delay 150 "127.0.0.1"
sleep 0.5
xdotool key Escape
check "Escape closes the program" program_ended
profile_kept() {
  "$WINE" reg query "$profile_key" /v IPaddress | tr -d '\r' | grep -Eq 'IPaddress\s+REG_DWORD\s+0x7f000001'
}
check "the program kept the address in the user's profile" profile_kept

# This build over it, silently: the earlier one is removed first.
run_msiexec upgrade /i "$(windows_path "$PWD/$msi")" /qn
check "msiexec /i of this build ($version) over the earlier one exits 0 (it exited $status)" \
  test "$status" -eq 0
check "one entry in Apps & features, of this version ($(entries DisplayVersion | paste -sd ' '))" \
  test "$(entries DisplayVersion)" = "$version"
check "the entry's publisher is Halvane ($(entries Publisher))" test "$(entries Publisher)" = Halvane
for link in URLInfoAbout HelpLink; do
  check "the entry's $link is a web address ($(entries $link))" matches '^https://.' "$(entries $link)"
done
location=$(entries InstallLocation)
check "the entry's folder is the installed one ($location)" \
  test "${location%\\}" = 'C:\Program Files\Tolvo-S Configuration'
uninstall=$(entries UninstallString)
check "the entry uninstalls with msiexec ($uninstall)" matches '^msiexec\.exe /[ix]\{' "$uninstall"
# Apps & features shows the icon that Windows Installer keeps for the
# product (Wine writes no DisplayIcon into the entry itself).
icon=$(registered 'HKLM\Software\Classes\Installer\Products' ProductName ProductIcon)
check "the product's icon is there ($icon)" test -n "$icon" -a -s "$(windows_to_unix "$icon")"
check "this build's files replaced the earlier ones, and only those are there" \
  same_files "$build_dir/msi-files" "$installed"
check "the user's profile is kept" profile_kept
check "this build starts from its Start-menu entry and shows its window" start_program
xdotool key Escape
check "Escape closes the program" program_ended

# A later release replaces this one; this one does not replace it.
run_msiexec upgrade-later /i "$(windows_path "$PWD/$later_msi")" /qn
check "msiexec /i of the later release ($later) exits 0 (it exited $status)" test "$status" -eq 0
check "one entry in Apps & features, of the later release ($(entries DisplayVersion | paste -sd ' '))" \
  test "$(entries DisplayVersion)" = "$later"
run_msiexec downgrade /i "$(windows_path "$PWD/$msi")" /qn
# 1603, a failed install; a Linux exit status keeps its low byte only.
check "msiexec /i of this build over the later release fails with 1603 (it exited $status)" \
  test "$status" -eq $((1603 % 256))
check "its launch condition stopped it, the later release found" \
  grep -q '^Property(S): NEWER_VERSION_FOUND = {' "$work/downgrade.log"
check "the later release stays, alone ($(entries DisplayVersion | paste -sd ' '))" \
  test "$(entries DisplayVersion)" = "$later"
check "and its files" same_files "$build_dir/msi-files" "$installed"

# Silent removal, by the package as a management tool does it.
run_msiexec uninstall /x "$(windows_path "$PWD/$later_msi")" /qn
check "msiexec /x exits 0 (it exited $status)" test "$status" -eq 0
check "nothing is left in Program Files ($(find "$installed" 2>/dev/null | head -3 | paste -sd ' '))" \
  test ! -e "$installed"
check "the Start-menu folder is gone" test ! -e "$start_menu"
check "no entry is left in Apps & features" test -z "$(entries DisplayName)"
check "the shortcut's registry value is gone" \
  bash -c '! "$WINE" reg query "HKLM\Software\Halvane" >/dev/null 2>&1'
check "the user's profile stays" profile_kept

checks_summary msi
