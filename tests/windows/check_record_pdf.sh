#!/usr/bin/env bash
# The Windows build's record PDF as a person reads it: the window program,
# run by the emulator (Wine), makes the PDF of a sample record, and this
# machine's pdftotext (poppler-utils) reads it back. Every text must be
# there, drawn with the fonts Windows' Qt embeds: the SHA-256 of the JSON,
# the device, its settings named as the pages name them, the note.
# Usage: check_record_pdf.sh EMULATOR PROGRAM RECORD.json
set -euo pipefail
emulator=$1 program=$2 sample=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$sample" "$work/record.json"
(cd "$work" && "$emulator" "$program" --record-pdf record.json record.pdf)
text=$(pdftotext -enc UTF-8 "$work/record.pdf" -)
sha=$(sha256sum "$work/record.json" | cut -d' ' -f1)
status=0
for expected in "Commissioning Record" "SHA-256 of record.json:" "$sha" "Devices in this record" \
  "Device 1 of 1: 127.0.90.1" "TS-240117-0042" "Hall A 7" "Wi-Fi channel" "set, not shown" \
  "0 (DHCP Disabled)" "What this run changed" "Halle A – Schrank 3, übergeben"; do
  if ! grep -qF -- "$expected" <<<"$text"; then
    echo "not in the PDF's text: $expected"
    status=1
  fi
done
[ "$status" -eq 0 ] || printf '%s\n' "$text"
exit "$status"
