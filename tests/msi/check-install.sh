#!/usr/bin/env bash
# The 64-bit installer package under Wine, in a scratch prefix: a silent install, the
# checks of what it installed (with the program started through the settings files' open
# command), a silent uninstall, and the check that nothing is left.
#   check-install.sh PACKAGE.msi CHECK.exe
set -euo pipefail
msi=$1 check=$2
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
export WINEPREFIX="$(dirname "$check")/msi-wine"
rm -rf "$WINEPREFIX"
source "$scripts/wine-env.sh"
"$scripts/wine-prefix.sh"
trap 'wineserver -k 2>/dev/null || true' EXIT
package=$(winepath -w "$msi")

wine msiexec /i "$package" /qn || { echo "check-install: the silent install failed ($?)" >&2; exit 1; }
wine "$check" --gtest_brief=1 --gtest_filter='Installed.*'
wine msiexec /x "$package" /qn || { echo "check-install: the silent uninstall failed ($?)" >&2; exit 1; }
wine "$check" --gtest_brief=1 --gtest_filter='Removed.*'
