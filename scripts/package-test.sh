#!/usr/bin/env bash
# Tests the packages that scripts/package.sh made: lintian reports no
# error, the metainfo and desktop files validate, and each package installs
# with dpkg -i (onto this machine: no scratch root or container is at hand),
# works, and leaves nothing behind when it is purged.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-pkg}

bash scripts/deps.sh lintian appstream desktop-file-utils
config_deb=$(ls "$build_dir"/tolvo-s-config_*.deb)
sim_deb=$(ls "$build_dir"/tolvo-sim_*.deb)
source scripts/checks.sh

lintian_out=$(lintian --tag-display-limit 0 "$config_deb" "$sim_deb" 2>&1 | grep -v "root privileges" || true)
[ -n "$lintian_out" ] && printf '%s\n' "$lintian_out"
check "lintian reports no error" bash -c '! grep -q "^E:" <<<"$1"' _ "$lintian_out"

dpkg -i "$config_deb" "$sim_deb" >/dev/null
check "tolvoctl --version" bash -c '[ "$(tolvoctl --version)" = "tolvoctl 1.0.0.1" ]'
check "tolvo-sim --version" bash -c 'tolvo-sim --version | grep -q "1.0.0.1"'
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' /usr/share/applications/tolvo-config.desktop)
check "the desktop file's Exec ($exec_name) is an installed program" \
  bash -c '[ "$(command -v "$1")" = "/usr/bin/$1" ] && dpkg -S "/usr/bin/$1" >/dev/null' _ "$exec_name"
check "desktop-file-validate" desktop-file-validate /usr/share/applications/tolvo-config.desktop
check "appstreamcli validate" appstreamcli validate --no-net /usr/share/metainfo/tolvo-config.metainfo.xml
check "the man pages are installed" test -f /usr/share/man/man1/tolvoctl.1.gz -a -f /usr/share/man/man1/tolvo-sim.1.gz

check_catalogues "the package" "$(dpkg -L tolvo-s-config)"
check "the installed tolvoctl speaks the user's language (LANG=de_DE.UTF-8)" \
  bash -c 'LANG=de_DE.UTF-8 tolvoctl get 2>&1 | grep -q "Keine Geräteadresse"'
files=$( (dpkg -L tolvo-s-config; dpkg -L tolvo-sim) | sort -u)
dpkg --purge tolvo-s-config tolvo-sim >/dev/null
left=$(while read -r path; do
  [ -f "$path" ] || [ -L "$path" ] && echo "$path"
done <<<"$files" || true)
check "purging leaves none of the packages' files behind" test -z "$left"
[ -n "$left" ] && printf 'left: %s\n' $left

checks_summary package
