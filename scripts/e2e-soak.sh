#!/usr/bin/env bash
# Runs the Wine test layers (the in-process Windows tests and the end-to-end
# tests) N times in a row on an existing Windows build, to find tests that pass
# or fail by timing. One line per run, then "N runs, F failed" and the failing
# tests with how often each failed. With --load every core is kept busy by a
# separate niced process during the runs, which exposes races an idle machine
# hides. The output of each run is kept in build/e2e-soak/.
#   scripts/e2e-soak.sh N [--load]
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { echo "usage: scripts/e2e-soak.sh N [--load]" >&2; exit 2; }
[ $# -ge 1 ] && [[ "$1" =~ ^[1-9][0-9]*$ ]] || usage
runs=$1
load=false
[ $# -ge 2 ] && { [ "$2" = --load ] && load=true || usage; }
[ -f build/windows/e2e_tests.exe ] || { echo "no Windows build: run scripts/test.sh first" >&2; exit 2; }

source scripts/wine-env.sh
export WINEPREFIX="$PWD/build/windows/wine"
logs=build/e2e-soak
rm -rf "$logs"
mkdir -p "$logs"
load_pids=()
finish() {
  for pid in "${load_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wineserver -k 2>/dev/null || true
}
trap finish EXIT

if $load; then
  # One busy loop per core at the lowest priority, ended by the trap or at the
  # latest after an hour per run.
  for _ in $(seq "$(nproc)"); do
    nice -n 19 timeout $((runs * 3600)) bash -c 'while :; do :; done' &
    load_pids+=($!)
  done
fi

failed=0
for run in $(seq "$runs"); do
  log="$logs/run-$run.log"
  start=$SECONDS
  if xvfb-run -a -s '-screen 0 1024x768x24' \
       ctest --preset windows -R '^(win_tests|e2e_tests)$' --output-on-failure >"$log" 2>&1; then
    echo "run $run: passed in $((SECONDS - start)) s"
  else
    failed=$((failed + 1))
    names=$(grep -oE '^\[  FAILED  \] [A-Za-z0-9_./]+ \(' "$log" | sed -E 's/^\[  FAILED  \] //; s/ \($//' | sort -u)
    [ -n "$names" ] || names="(no test named: see the layer's output)"
    echo "run $run: failed in $((SECONDS - start)) s: $(echo $names)"
    printf '%s\n' "$names" >>"$logs/failures"
  fi
done

echo "$runs runs, $failed failed"
if [ -s "$logs/failures" ]; then
  sort "$logs/failures" | uniq -c | sort -rn | sed -E 's/^ *([0-9]+) (.*)/  \2: \1/'
fi
[ "$failed" -eq 0 ]
