#!/usr/bin/env bash
# Checks the import table of a built kvswbd.exe: every DLL it imports must be
# one that Windows always loads from the system folder (a known DLL, or the
# common controls, which the manifest takes from the side-by-side store), so
# that no file beside the program can stand in for one. The manifest must ask
# for the common controls version 6. Other DLLs are loaded from the system
# folder by full path (src/framework/SystemLibrary.h).
# Usage: check-imports.sh OBJDUMP PROGRAM
set -uo pipefail
objdump=$1 program=$2
allowed=" kernel32.dll user32.dll gdi32.dll comdlg32.dll shell32.dll advapi32.dll msvcrt.dll comctl32.dll "
failures=0

imports=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "FAIL: no import table read from $program"; exit 1; }
for dll in $imports; do
  case "$allowed" in
    *" $dll "*) ;;
    *) echo "FAIL: $program imports $dll, which Windows may load from the program's folder"
       failures=$((failures + 1)) ;;
  esac
done

# The manifest is stored as plain text in the resources.
if ! strings -a "$program" | tr -d '\n' |
  grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'; then
  echo "FAIL: the manifest of $program does not ask for the common controls version 6"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "imports of $program: $(echo $imports)"
exit $((failures > 0))
