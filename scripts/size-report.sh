#!/usr/bin/env bash
# Prints what morvane.exe is made of: the data it carries (title font, icon, pointers) and the rest
# (code, tables, version and manifest). Fails when the rest passes its budget of 200 KB.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${1:-build/win32/morvane.exe}
budget=$((200 * 1024))

total=$(stat -c %s "$exe")
font=$(stat -c %s assets/title-font.ttf)
icon=$(stat -c %s assets/morvane.ico)
pointers=$(( $(stat -c %s assets/crosshair.cur) + $(stat -c %s assets/hand.cur) ))
carried=$((font + icon + pointers))
rest=$((total - carried))

printf '%-34s %10d bytes\n' "morvane.exe" "$total"
printf '  %-32s %10d bytes\n' "title font" "$font" "icon (11 images)" "$icon" \
  "pointers (cross-hair, hand)" "$pointers"
printf '  %-32s %10d bytes (%d KB; budget %d KB)\n' "rest" "$rest" $((rest / 1024)) $((budget / 1024))
[ "$rest" -le "$budget" ] || { echo "size-report: the rest is over its budget" >&2; exit 1; }
