#!/usr/bin/env bash
# Makes docs/record-page1.png, the README's picture of a commissioning
# record: the first page of the record that test_record_pdf saves from the
# window after a Save against tolvo-sim, at 60 dpi. Needs a build (build/ or
# $BUILD_DIR) and pdftoppm (poppler-utils, bash scripts/deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run='QT_QPA_PLATFORM=offscreen TOLVO_KEEP_RECORD="$0/record.pdf" "$1" windowRecordAfterALoadOrASave:save >/dev/null'
if [ "$(id -u)" -eq 0 ] && unshare -n true 2>/dev/null; then
  unshare -n bash -c 'ip link set lo up && '"$run" "$work" "$build_dir/tests/test_record_pdf"
else
  bash -c "$run" "$work" "$build_dir/tests/test_record_pdf"
fi
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$work/record.pdf" docs/record-page1
echo "docs/record-page1.png"
