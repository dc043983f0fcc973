#!/usr/bin/env bash
# The 32-bit installer package, read with msiinfo (this machine cannot run 32-bit
# programs): a package for 32-bit Windows, in Japanese, that installs the 32-bit program
# into the 32-bit program files folder.
#   check-tables.sh PACKAGE.msi OBJDUMP
set -euo pipefail
msi=$(realpath "$1") objdump=$2
failures=0
expect() { # what, expected, actual
  [ "$2" = "$3" ] || { echo "check-tables: $1: expected '$2', found '$3'" >&2; failures=$((failures + 1)); }
}
table() { msiinfo export "$msi" "$1" | tail -n +4 | tr -d '\r'; }

expect template 'Intel;1041' "$(msiinfo suminfo "$msi" | sed -n 's/^Template: //p')"
expect folder $'INSTALLDIR\tProgramFilesFolder\tSwitchboard' "$(table Directory | grep '^INSTALLDIR')"
expect files 'README-ja.txt kvswbd.chm kvswbd.exe' "$(table File | cut -f3 | sort | xargs)"
for attributes in $(table Component | cut -f4); do
  expect 'a component marked 64-bit' 0 $((attributes & 256))
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
msiextract -C "$scratch" "$msi" >/dev/null
program=$(find "$scratch" -name kvswbd.exe)
expect program pei-i386 "$("$objdump" -f "$program" | sed -n 's/.*file format //p')"
[ "$failures" -eq 0 ] && echo "check-tables: $msi is the 32-bit package"
