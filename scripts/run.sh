#!/usr/bin/env bash
# Builds kvswbd.exe and starts it under Wine in a demo prefix (build/demo-wine)
# that has one printer of the model, on LPT1: mapped to build/demo-printer.out.
# With a display the program opens on it; without one, it runs in a Wine
# virtual desktop on a private Xvfb display, and build/screenshot.png is saved.
# BUILD_DIR chooses another build folder than build/windows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh

build_dir="${BUILD_DIR:-$root/build/windows}"
cmake --preset windows -B "$build_dir" >/dev/null
cmake --build "$build_dir" -j2 --target kvswbd
exe="$build_dir/kvswbd.exe"

export WINEPREFIX="$root/build/demo-wine"
source scripts/wine-env.sh

xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 130); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
fi

scripts/wine-prefix.sh

# The demo printer: a printer of the model on LPT1:, which the spooler writes
# into a file under build/.
printer='Korrin Vellatype 44QX'
key="HKLM\\System\\CurrentControlSet\\Control\\Print\\Printers\\$printer"
wine reg add "$key" /v Name /d "$printer" /f >/dev/null
wine reg add "$key" /v 'Printer Driver' /d 'Korrin Vellatype 44QX' /f >/dev/null
wine reg add "$key" /v Port /d 'LPT1:' /f >/dev/null
wine reg add "$key" /v Attributes /t REG_DWORD /d 0 /f >/dev/null
wine reg add "$key" /v 'Print Processor' /d winprint /f >/dev/null
wine reg add "$key" /v Datatype /d RAW /f >/dev/null
wine reg add 'HKCU\Software\Wine\Printing\Spooler' /v 'LPT1:' \
  /d "$root/build/demo-printer.out" /f >/dev/null

if [ -z "$xvfb_pid" ]; then
  exec wine "$exe"
fi

wine explorer /desktop=sb,1024x768 "$exe" >/dev/null 2>&1 &
sleep "${SCREENSHOT_DELAY:-10}"
import -window root -display "$DISPLAY" "$root/build/screenshot.png"
echo "screenshot: $root/build/screenshot.png"
