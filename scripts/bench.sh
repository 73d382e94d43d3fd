#!/usr/bin/env bash
# The start-up benchmark: builds morvane.exe and the floor program and times them under Wine on a
# virtual display, interleaved, RUNS times each (default 15). Prints medians, spreads and ratios.
#   scripts/bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 >/dev/null
export MORVANE_BUILD=$PWD/build/win32
source scripts/wine-env.sh
morvane_start_xvfb :89
trap 'wineserver -k >/dev/null 2>&1 || true; kill $(jobs -p) >/dev/null 2>&1 || true' EXIT
morvane_prefix "$MORVANE_BUILD/wineprefix-bench"
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version)"
(cd "$MORVANE_BUILD" && wine startup_bench.exe "${1:-15}")
