# Sourced by the scripts that run the Windows programs under Wine, after they
# have installed what they need:
#   wine_prefix=FOLDER; source scripts/wine-env.sh
# Re-runs the calling script in a loopback-only network namespace where the
# machine allows it, so that nothing it starts can reach another address.
# Then readies a Wine prefix of its own in FOLDER, whose server starts
# inside that namespace (Wine's server makes the programs' sockets: one
# started outside would put their traffic outside), and an X display (Xvfb)
# for the programs that open windows. Both are stopped when the script ends.

if [ -z "${TOLVO_ISOLATED:-}" ] && [ "$(id -u)" -eq 0 ] && unshare -n true 2>/dev/null &&
  command -v ip >/dev/null; then
  TOLVO_ISOLATED=1 exec unshare -n bash "$0" "$@"
fi
if [ -n "${TOLVO_ISOLATED:-}" ]; then
  ip link set lo up
  echo "Running in a loopback-only network namespace"
else
  echo "notice: no loopback-only network namespace here; the programs use loopback addresses only"
fi

export WINE=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX=$wine_prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=" # no offer to install Mono or Gecko
mkdir -p "$WINEPREFIX"
"$WINESERVER" -k 2>/dev/null || true
"$WINE" wineboot --init >/dev/null 2>&1
"$WINESERVER" -w

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display

stop_wine() {
  "$WINESERVER" -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap stop_wine EXIT

# A Linux path as Wine's Windows programs see it (drive Z: is the root).
windows_path() {
  printf 'Z:%s' "${1//\//\\}"
}

# Puts the DLLs that the programs of a build folder need on Wine's search
# path: Qt's (the folder the build used) and the MinGW compiler's runtime.
use_build_dlls() { # build folder
  local qt_dir gcc_runtime pthread_runtime
  qt_dir=$(sed -n 's|^Qt6_DIR:PATH=\(.*\)/lib/cmake/Qt6$|\1|p' "$1/CMakeCache.txt")
  gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
  pthread_runtime=$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")
  WINEPATH="$(windows_path "$qt_dir/bin");$(windows_path "$gcc_runtime");$(windows_path "$pthread_runtime")"
  export WINEPATH
}
