#!/usr/bin/env bash
# Builds the Windows program and its help file and packs them, with the
# Japanese read-me, into dist/switchboard-<version>.zip for Windows users.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target kvswbd help_file

version=2.000
name="switchboard-$version"
stage="dist/$name"
rm -rf "$stage" "dist/$name.zip"
mkdir -p "$stage"
cp build/windows/kvswbd.exe build/windows/kvswbd.chm "$stage/"
# Windows users read text files in Shift_JIS with CR LF line ends.
sed 's/$/\r/' package/README-ja.txt | iconv -f UTF-8 -t SHIFT_JIS > "$stage/README-ja.txt"
(cd dist && zip -q -r -X "$name.zip" "$name")
echo "dist/$name.zip:"
unzip -l "dist/$name.zip"
