#!/usr/bin/env bash
# Creates the private Wine prefix (once) with the Japanese font replacements
# that the dialogs need, and the spooler settings that the printers use.
# Usage: wine-prefix.sh  (WINEPREFIX may be set to use another folder)
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

if [ -f "$WINEPREFIX/.switchboard-ready" ]; then
  exit 0
fi

mkdir -p "$WINEPREFIX"
run_x() {
  if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a "$@"; fi
}
run_x wineboot -i >/dev/null 2>&1
run_x wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null

# Map the dialog faces to the IPA fonts, or every control text is empty boxes.
for face in 'ＭＳ Ｐゴシック' 'MS PGothic' 'MS UI Gothic' 'MS Shell Dlg' 'MS Shell Dlg 2'; do
  run_x wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAPGothic /f >/dev/null
done
for face in 'ＭＳ ゴシック' 'MS Gothic'; do
  run_x wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAGothic /f >/dev/null
done
for face in 'ＭＳ 明朝' 'MS Mincho'; do
  run_x wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAMincho /f >/dev/null
done
# The spooler maps ports to Unix files under this key; tests and the demo add
# their own ports and printers.
run_x wine reg add 'HKCU\Software\Wine\Printing\Spooler' /f >/dev/null
wineserver -w
touch "$WINEPREFIX/.switchboard-ready"
