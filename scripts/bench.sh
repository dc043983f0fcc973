#!/usr/bin/env bash
# Benchmarks under Wine, each measured side by side in one run: start-up and
# peak memory of kvswbd.exe against its floor, the skeleton program (the same
# window from the same resources with no settings behind it; the goal is at
# most 1.10 times its start-up), and against a minimal dialog program built
# the same way (for information); where the start-up time of kvswbd.exe and of
# the skeleton goes (phase by phase), the cost of a data check and of loading
# all pages, and the size of kvswbd.exe.
# Usage: scripts/bench.sh [start-up runs, default 11, at least 9]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
if ((runs < 9)); then
  runs=9
fi

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target kvswbd skeleton minimal startup_bench datacheck_bench

source scripts/wine-env.sh
export WINEPREFIX="$PWD/build/windows/bench-wine"
scripts/wine-prefix.sh
trap 'wineserver -k 2>/dev/null || true' EXIT

bench() {
  xvfb-run -a -s '-screen 0 1024x768x24' wine "$@" 2>/dev/null | tr -d '\r'
}
echo "== Switchboard benchmarks ($(date -u +%Y-%m-%d), $(nproc) cores)"
bench build/windows/startup_bench.exe "Z:$PWD/build/windows/kvswbd.exe" \
  "Z:$PWD/build/windows/skeleton.exe" "Z:$PWD/build/windows/minimal.exe" "$runs"
bench build/windows/datacheck_bench.exe 5000
size=$(stat -c %s build/windows/kvswbd.exe)
minimal=$(stat -c %s build/windows/minimal.exe)
awk -v s="$size" -v m="$minimal" 'BEGIN {
  printf "kvswbd.exe size: %.2f MiB (goal < 2 MiB), minimal.exe %.2f MiB, ratio %.2f\n",
         s / 1048576, m / 1048576, s / m }'
