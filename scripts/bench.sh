#!/usr/bin/env bash
# Benchmarks under Wine, each measured side by side in one run: start-up and
# peak memory of kvswbd.exe against its floor, the skeleton program (the same
# window from the same resources with no settings behind it; the goal is at
# most 1.10 times its start-up), and against a minimal dialog program built
# the same way (for information); where the start-up time of kvswbd.exe and of
# the skeleton goes (phase by phase), the cost of a data check and of loading
# all pages, and the size of kvswbd.exe.
#
# Wine's processes (its server and the programs) run on one CPU. Nearly every
# window call of a program under Wine is a round trip to the Wine server, a
# process of its own: creating the seven pages alone makes about 5,000 of them.
# On a virtual machine whose other CPU is idle, each trip can first have to
# wake that CPU, which costs tens of microseconds, so start-up there mostly
# counts round trips times the wake-up, and varies by 10 % from run to run.
# On one CPU a trip is a switch between two processes, and start-up measures
# what the programs do. --all-cpus measures with every CPU, for comparison.
#
# Usage: scripts/bench.sh [start-up runs, default 21, at least 9] [--all-cpus]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=21
cpus=one
for arg in "$@"; do
  case "$arg" in
    --all-cpus) cpus=all ;;
    *) runs=$arg ;;
  esac
done
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
# The Wine server starts with the first program below, on its CPU.
wineserver -k 2>/dev/null || true

if [ "$cpus" = one ]; then
  # The last CPU this script may use ("0-1" gives 1, "0,2,5-7" gives 7).
  cpu=$(taskset -cp $$ | sed 's/.*: //; s/.*[,-]//')
  pin=(taskset -c "$cpu")
  placement="Wine on CPU $cpu only"
else
  pin=()
  placement="Wine on all CPUs"
fi
bench() {
  xvfb-run -a -s '-screen 0 1024x768x24' "${pin[@]}" wine "$@" 2>/dev/null | tr -d '\r'
}
echo "== Switchboard benchmarks ($(date -u +%Y-%m-%d), $(nproc) cores, $placement)"
bench build/windows/startup_bench.exe "Z:$PWD/build/windows/kvswbd.exe" \
  "Z:$PWD/build/windows/skeleton.exe" "Z:$PWD/build/windows/minimal.exe" "$runs"
bench build/windows/datacheck_bench.exe 5000
size=$(stat -c %s build/windows/kvswbd.exe)
minimal=$(stat -c %s build/windows/minimal.exe)
awk -v s="$size" -v m="$minimal" 'BEGIN {
  printf "kvswbd.exe size: %.2f MiB (goal < 2 MiB), minimal.exe %.2f MiB, ratio %.2f\n",
         s / 1048576, m / 1048576, s / m }'
