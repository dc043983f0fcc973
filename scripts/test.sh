#!/usr/bin/env bash
# Builds everything and runs every test layer: the native unit tests, then the
# 32-bit Windows build and its import check, then the Windows tests and the
# end-to-end tests under Wine. Does all set-up on a fresh
# Debian 12 machine (packages, locale, Wine prefix) first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)

echo "== native build and unit tests"
cmake --preset host >/dev/null
cmake --build --preset host -j"$jobs"
ctest --preset host

echo "== native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset host-sanitize >/dev/null
cmake --build --preset host-sanitize -j"$jobs"
ctest --preset host-sanitize

echo "== fuzz targets, a fixed number of inputs each"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
ctest --preset fuzz

echo "== 32-bit Windows build: every program compiled, the checks that run on this machine"
# This machine cannot run 32-bit programs, so its Wine tests run on the 64-bit build only.
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 -j"$jobs"
ctest --preset windows-x86

echo "== Windows build, tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"

source scripts/wine-env.sh
export WINEPREFIX="$PWD/build/windows/wine"
stop_wine() { wineserver -k 2>/dev/null || true; }
trap stop_wine EXIT

# One virtual display for the whole Wine run; the tests open real windows.
xvfb-run -a -s '-screen 0 1024x768x24' ctest --preset windows
