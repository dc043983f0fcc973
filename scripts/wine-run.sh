#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's private prefix. ctest uses
# it as the cross-compiling emulator. Without a display it runs under Xvfb.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
"$(dirname "$0")/wine-prefix.sh"
if [ -n "${DISPLAY:-}" ]; then
  exec wine "$@"
fi
exec xvfb-run -a -s '-screen 0 1024x768x24' wine "$@"
