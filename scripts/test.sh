#!/usr/bin/env bash
# The test command: installs what is missing, builds both builds and runs every test, the native
# unit tests and the end-to-end tests of the real morvane.exe under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native 2>&1 | tee build/native-ctest.log

echo "== fuzzing, a short bounded run"
bash scripts/fuzz.sh 15

echo "== win32 build"
cmake --preset win32 >/dev/null
cmake --build --preset win32
bash scripts/check-exe.sh build/win32/morvane.exe
bash scripts/size-report.sh build/win32/morvane.exe

echo "== end-to-end tests under Wine"
export MORVANE_BUILD=$PWD/build/win32
source scripts/wine-env.sh
# A display of our own, so the tests' pointer and keys never reach the user's desktop, and a new
# prefix, so no earlier run leaves files or settings behind.
morvane_start_xvfb :87
trap 'wineserver -k >/dev/null 2>&1 || true; kill $(jobs -p) >/dev/null 2>&1 || true' EXIT
# A test that stopped half-way may have left the fonts folder immutable.
chattr -R -i "$MORVANE_BUILD/wineprefix-test" 2>/dev/null || true
rm -rf "$MORVANE_BUILD/wineprefix-test"
morvane_prefix "$MORVANE_BUILD/wineprefix-test"
# The recording fake takes the place of the system's shutdown.exe: nothing is ever shut down.
cp "$MORVANE_BUILD/fake_shutdown.exe" "$WINEPREFIX/drive_c/windows/system32/shutdown.exe"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;shutdown.exe=n"
set +e
(cd "$MORVANE_BUILD" && wine morvane_e2e.exe --gtest_color=no) 2>&1 | tee build/e2e.log
e2e_status=${PIPESTATUS[0]}
set -e

unit_passed=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\2 \1/p' build/native-ctest.log)
unit_total=${unit_passed% *}
unit_failed=${unit_passed#* }
e2e_passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' build/e2e.log | tail -1)
e2e_failed=$(sed -n 's/^ *\([0-9]*\) FAILED TESTS\{0,1\}$/\1/p' build/e2e.log | tail -1)
passed=$(( unit_total - unit_failed + ${e2e_passed:-0} ))
failed=$(( unit_failed + ${e2e_failed:-0} ))
if [ "$e2e_status" -ne 0 ] && [ "${e2e_failed:-0}" -eq 0 ]; then failed=$((failed + 1)); fi
echo
echo "total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
