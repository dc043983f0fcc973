#!/usr/bin/env bash
# Runs the display-scale tests of win_tests at 120, 144 and 192 DPI; the
# normal run of win_tests covers 96. Wine takes the DPI from LogPixels in the
# prefix when its server starts, so each DPI is a new server. The prefix's
# own setting is put back at the end, whatever happens.
# Usage: display-scales.sh WIN_TESTS_EXE
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
win_tests=$1
source "$root/scripts/wine-env.sh"
"$root/scripts/wine-prefix.sh"

key='HKCU\Control Panel\Desktop'
old=$(wine reg query "$key" /v LogPixels 2>/dev/null | awk '/LogPixels/ {print $3}' || true)
restore() {
    if [ -n "$old" ]; then
        wine reg add "$key" /v LogPixels /t REG_DWORD /d "$((old))" /f >/dev/null 2>&1 || true
    else
        wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1 || true
    fi
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}
trap restore EXIT

status=0
for dpi in 120 144 192; do
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    echo "== $dpi DPI"
    SWITCHBOARD_TEST_DPI=$dpi "$root/scripts/wine-run.sh" "$win_tests" --gtest_brief=1 \
        --gtest_filter='DisplayScaleTest.*' || status=1
done
exit $status
