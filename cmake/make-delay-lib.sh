#!/usr/bin/env bash
# Makes a delay-import library for a system DLL from mingw-w64's ordinary
# import library of it, so that the program imports every function of that
# DLL, but loads the DLL only on the first call, through the delay-load hook
# (see src/framework/SystemLibrary.cpp) rather than the loader's search.
# Usage: make-delay-lib.sh TRIPLET DLL-NAME IMPORT-LIBRARY OUTPUT
set -euo pipefail
triplet=$1 dll=$2 import_lib=$3 output=$4

def=$(mktemp)
trap 'rm -f "$def"' EXIT
{
  echo "LIBRARY \"$dll\""
  echo "EXPORTS"
  # Exports as the import library names them: "__imp_Name" on 64-bit,
  # "__imp__Name@N" (stdcall) on 32-bit.
  "$triplet-nm" "$import_lib" | sed -n 's/^[0-9a-f]* I __imp_//p' |
    if [ "${triplet%%-*}" = i686 ]; then sed 's/^_//'; else cat; fi | sort -u
} >"$def"
grep -q . <(sed -n '3p' "$def") || { echo "make-delay-lib: no exports in $import_lib" >&2; exit 1; }
"$triplet-dlltool" --kill-at --input-def "$def" --dllname "$dll" --output-delaylib "$output"
