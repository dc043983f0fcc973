#!/usr/bin/env bash
# Builds the 64-bit and the 32-bit Windows program and the help file and packs
# them, with the help as plain HTML and the Japanese read-me, into
# dist/switchboard-<version>.zip for Windows users:
#
#   switchboard-<version>/kvswbd.exe       64-bit program
#   switchboard-<version>/kvswbd.chm       help file (the program looks for it beside itself)
#   switchboard-<version>/README-ja.txt    read-me, Shift_JIS with CR LF
#   switchboard-<version>/help/            the help as plain HTML pages (index.html first)
#   switchboard-<version>/x86/kvswbd.exe   32-bit program
#   switchboard-<version>/x86/kvswbd.chm   its own copy of the help file
#
# and the installer packages dist/switchboard-<version>-x64.msi and -x86.msi
# (package/switchboard.wxs, scripts/build-msi.sh).
#
# Then it checks the archive it made: lists it, unpacks it into a scratch
# folder and compares every file with what was built, checks each program's
# processor and imports, and fails on a missing, extra or different file.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
for preset in windows windows-x86; do
  cmake --preset "$preset" >/dev/null
done
cmake --build --preset windows -j"$(nproc)" --target kvswbd help_file msi
cmake --build --preset windows-x86 -j"$(nproc)" --target kvswbd msi

version=2.000
name="switchboard-$version"
stage="dist/$name"
zip="dist/$name.zip"
rm -rf "$stage" "$zip"
mkdir -p "$stage/help" "$stage/x86"

# Each file of the archive and where it comes from, "archive-path source".
sources=(
  "kvswbd.exe build/windows/kvswbd.exe"
  "kvswbd.chm build/windows/kvswbd.chm"
  "x86/kvswbd.exe build/windows-x86/kvswbd.exe"
  "x86/kvswbd.chm build/windows/kvswbd.chm"
)
# The help pages are the sources of kvswbd.chm, in UTF-8 as they declare.
for page in help/*.html help/*.css; do
  sources+=("$page $page")
done
for entry in "${sources[@]}"; do
  cp "${entry#* }" "$stage/${entry%% *}"
done
# Windows users read text files in Shift_JIS with CR LF line ends.
readme=$(mktemp)
trap 'rm -f "$readme"' EXIT
sed 's/$/\r/' package/README-ja.txt | iconv -f UTF-8 -t SHIFT_JIS >"$readme"
cp "$readme" "$stage/README-ja.txt"
sources+=("README-ja.txt $readme")

(cd dist && zip -q -r -X "$name.zip" "$name")
echo "$zip:"
unzip -l "$zip"

# --- Check the archive against the build.
scratch=$(mktemp -d)
trap 'rm -f "$readme"; rm -rf "$scratch"' EXIT
unzip -q "$zip" -d "$scratch"
failures=0
fail() {
  echo "package check: $*" >&2
  failures=$((failures + 1))
}

expected=$(for entry in "${sources[@]}"; do echo "$name/${entry%% *}"; done | sort)
listed=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
if [ "$expected" != "$listed" ]; then
  fail "the archive does not hold exactly the expected files:"
  diff <(echo "$expected") <(echo "$listed") >&2 || true
fi
for entry in "${sources[@]}"; do
  cmp -s "${entry#* }" "$scratch/$name/${entry%% *}" ||
    fail "$name/${entry%% *} differs from ${entry#* }"
done

format() { x86_64-w64-mingw32-objdump -f "$1" | sed -n 's/.*file format //p'; }
[ "$(format "$scratch/$name/kvswbd.exe")" = pei-x86-64 ] || fail "kvswbd.exe is not the 64-bit program"
[ "$(format "$scratch/$name/x86/kvswbd.exe")" = pei-i386 ] || fail "x86/kvswbd.exe is not the 32-bit program"
for program in kvswbd.exe x86/kvswbd.exe; do
  tests/imports/check-imports.sh x86_64-w64-mingw32-objdump "$scratch/$name/$program" >/dev/null ||
    fail "$program imports a DLL that may come from the program's folder"
done
iconv -f SHIFT_JIS -t UTF-8 "$scratch/$name/README-ja.txt" >/dev/null ||
  fail "README-ja.txt is not Shift_JIS"
[ -f "$scratch/$name/help/index.html" ] || fail "help/index.html is missing"

if [ "$failures" -gt 0 ]; then
  echo "package check: $failures problem(s) in $zip" >&2
  exit 1
fi
echo "package check: $zip holds the built files ($(echo "$expected" | wc -l) files), unpacked and compared"

# --- The installer packages beside the zip: each checked by its tables and its program.
for arch in x64 x86; do
  [ $arch = x64 ] && build=build/windows || build=build/windows-x86
  cp "$build/$name-$arch.msi" "dist/$name-$arch.msi"
done
tests/msi/check-tables.sh "dist/$name-x86.msi" x86_64-w64-mingw32-objdump
[ "$(msiinfo export "dist/$name-x64.msi" Directory | grep -c ProgramFiles64Folder)" -eq 2 ] ||
  { echo "package check: the x64 package does not install into the 64-bit program files folder" >&2; exit 1; }
echo "package check: dist/$name-x64.msi and dist/$name-x86.msi built (scripts/test.sh installs the x64 one under Wine)"
