#!/usr/bin/env bash
# The run command: builds morvane.exe and starts it under Wine. On a desktop it opens on the user's
# display; without one it runs on a virtual display and writes screenshots of its views to
# build/win32/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32
export MORVANE_BUILD=$PWD/build/win32
source scripts/wine-env.sh

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  morvane_prefix
  echo "Starting Morvane on $DISPLAY (build/win32/morvane.exe)"
  exec wine "$MORVANE_BUILD/morvane.exe"
fi

echo "No display: running Morvane on a virtual one and taking screenshots."
morvane_start_xvfb :88
trap 'wineserver -k >/dev/null 2>&1 || true; kill $(jobs -p) >/dev/null 2>&1 || true' EXIT
morvane_prefix
shots=$MORVANE_BUILD/screenshots
mkdir -p "$shots"
rm -f "$shots"/*.bmp
MORVANE_SCREENSHOTS=$(winepath -w "$shots") \
  wine "$MORVANE_BUILD/morvane_e2e.exe" --gtest_also_run_disabled_tests \
  --gtest_filter='Screenshots.*' --gtest_color=no | grep -E '^\[ *(OK|FAILED) *\]'
for bmp in "$shots"/*.bmp; do
  convert "$bmp" -alpha off "${bmp%.bmp}.png" && rm "$bmp"
done
ls -1 "$shots"/*.png
