#!/usr/bin/env bash
# Checks that morvane.exe is one self-contained 32-bit Windows GUI program: PE32 for i386, GUI
# subsystem, importing only DLLs that every Windows installation has.
set -euo pipefail
exe=${1:?usage: check-exe.sh path/to/morvane.exe}
headers=$(i686-w64-mingw32-objdump -p "$exe")
fail() { echo "check-exe: $*" >&2; exit 1; }

grep -q 'Magic[[:space:]]*010b[[:space:]]*(PE32)' <<<"$headers" || fail "not a PE32 image"
i686-w64-mingw32-objdump -f "$exe" | grep -q 'file format pei-i386' || fail "not an i386 image"
grep -q 'Subsystem[[:space:]]*00000002[[:space:]]*(Windows GUI)' <<<"$headers" || fail "not a GUI program"

system_dlls='^(kernel32|user32|gdi32|comctl32|msvcrt|advapi32|shell32|uxtheme)\.dll$'
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
[ -n "$imports" ] || fail "no imports found"
while read -r dll; do
  tr '[:upper:]' '[:lower:]' <<<"$dll" | grep -Eq "$system_dlls" || fail "imports $dll, which Windows does not ship"
done <<<"$imports"
echo "check-exe: $(basename "$exe") is PE32 i386 GUI, $(stat -c %s "$exe") bytes, imports: $(tr '\n' ' ' <<<"$imports")"
