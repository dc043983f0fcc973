#!/usr/bin/env bash
# Builds the installer package of one architecture from package/switchboard.wxs:
#   build-msi.sh x64|x86 PROGRAM HELP OUT.msi
# The read-me goes in as Shift_JIS with CR LF, as in the zip.
#
# wixl stores table strings only in the database's code page, which it leaves
# at 0: a Japanese string comes out empty or crashes it. So wixl gets ASCII
# placeholders, and msibuild then sets the code page to 932 (Japanese) and puts
# the Japanese texts in their places.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ "$1" = x86 ] && template=Intel || template=x64
arch=$1 program=$2 help=$3 out=$4

product='Korrin Vellatype 44QX スイッチボード'
downgrade="より新しいバージョンの $product がインストールされています。このバージョンはインストールできません。"
needs64='このパッケージは 64 ビット版の Windows 専用です。32 ビット版の Windows には switchboard-2.000-x86.msi を使ってください。'
typename='SB設定ファイル'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sed 's/$/\r/' "$root/package/README-ja.txt" | iconv -f UTF-8 -t SHIFT_JIS >"$work/README-ja.txt"

cp "$program" "$help" "$root/src/res/kvswbd.ico" "$work/"
# wixl finds the files by their names in the folder it runs in.
(cd "$work" && wixl -a "$arch" -D Arch="$arch" \
  -D ProductName=@PRODUCT@ -D ShortcutName=@SHORTCUT@ -D TypeName=@TYPENAME@ \
  -D DowngradeMessage=@DOWNGRADE@ -D Needs64BitMessage=@NEEDS64@ \
  -o package.msi "$root/package/switchboard.wxs")

printf '\r\n\r\n932\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$work/package.msi" -i "$work/_ForceCodepage.idt" \
  -q "UPDATE Property SET Value='$product' WHERE Value='@PRODUCT@'" \
  -q "UPDATE Shortcut SET Name='KV44QXSB|$product' WHERE Name='@SHORTCUT@'" \
  -q "UPDATE Registry SET Value='$typename' WHERE Value='@TYPENAME@'" \
  -q "UPDATE LaunchCondition SET Description='$downgrade' WHERE Description='@DOWNGRADE@'"
if [ "$arch" = x64 ]; then
  msibuild "$work/package.msi" \
    -q "UPDATE LaunchCondition SET Description='$needs64' WHERE Description='@NEEDS64@'"
fi
# The summary's language: Japanese (wixl writes 1033).
msibuild "$work/package.msi" -s "Switchboard 2.000 ($arch)" Korrin "$template;1041"
if msiinfo export "$work/package.msi" Property Shortcut Registry LaunchCondition 2>/dev/null | grep -q @; then
  echo "build-msi: a placeholder was left in $out" >&2
  exit 1
fi
cp "$work/package.msi" "$out"
