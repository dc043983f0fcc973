#!/usr/bin/env bash
# Builds kvswbd.chm into a temporary folder and checks it:
# - every topic, the style sheet and the contents and index files of help/ are
#   inside the help file (read back from its directory with enum_chmLib);
# - every topic appears in the contents;
# - every link of the contents, the index and the topics points to a file that
#   the help file holds;
# - the contents file inside is Shift_JIS, the code page the viewer reads it
#   in for a Japanese help file (UTF-8 shows as garbage in the tree);
# - no topic shows an access-key marker such as "(&S)" in its text.
set -uo pipefail

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
help_dir="$repo_root/help"
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

for tool in enum_chmLib extract_chmLib; do
  if ! command -v "$tool" >/dev/null; then
    echo "FAIL: $tool not found (Debian package libchm-bin)"
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! "$repo_root/scripts/build-help.sh" "$work/out" >"$work/build.log" 2>&1; then
  cat "$work/build.log"
  echo "FAIL: the help file does not build"
  exit 1
fi
chm="$work/out/kvswbd.chm"

# Names stored in the help file, without the leading slash.
enum_chmLib "$chm" | awk '$NF ~ /^\/[^#$:]/ && $NF !~ /\/$/ {print substr($NF, 2)}' |
  sort >"$work/stored"
if [ ! -s "$work/stored" ]; then
  fail "enum_chmLib lists no files in $chm"
fi

# 1. Every source file except the project file is stored.
for src in "$help_dir"/*; do
  name=$(basename "$src")
  [ "$name" = kvswbd.hhp ] && continue
  grep -qxF "$name" "$work/stored" || fail "$name is not in kvswbd.chm"
done

# 2. Every topic is reachable from the contents.
locals() {
  grep -o '<param name="Local" value="[^"]*"' "$1" | sed 's/.*value="//; s/"$//'
}
for topic in "$help_dir"/*.html; do
  name=$(basename "$topic")
  locals "$help_dir/kvswbd.hhc" | grep -qxF "$name" || fail "$name is missing from the contents"
done

# 3. Every link points to a stored file.
for file in kvswbd.hhc kvswbd.hhk; do
  while IFS= read -r target; do
    grep -qxF "$target" "$work/stored" || fail "$file links to $target, which is not in kvswbd.chm"
  done < <(locals "$help_dir/$file")
done
for topic in "$help_dir"/*.html; do
  name=$(basename "$topic")
  while IFS= read -r target; do
    target=${target%%#*}
    [ -z "$target" ] && continue
    grep -qxF "$target" "$work/stored" || fail "$name links to $target, which is not in kvswbd.chm"
  done < <(grep -oE '(href|src)="[^"]*"' "$topic" | sed -E 's/^(href|src)="//; s/"$//' | grep -v '^[a-z]*:')
done

# 4. The stored contents file is Shift_JIS and declares it.
if extract_chmLib "$chm" "$work/extracted" >/dev/null 2>&1 && [ -f "$work/extracted/kvswbd.hhc" ]; then
  if ! iconv -f CP932 -t UTF-8 "$work/extracted/kvswbd.hhc" >"$work/hhc.utf8" 2>/dev/null; then
    fail "the stored contents file is not Shift_JIS"
  elif ! grep -qF 'value="メッセージ一覧"' "$work/hhc.utf8"; then
    fail "the stored contents file does not read back as the Japanese source"
  fi
  grep -qF 'charset=Shift_JIS' "$work/extracted/index.html" ||
    fail "the stored topics do not declare Shift_JIS"
else
  fail "could not extract kvswbd.hhc from kvswbd.chm"
fi

# 5. Labels are written without their access-key markers.
if grep -nE '[(（]&[A-Za-z0-9][)）]' "$help_dir"/*.html; then
  fail "access-key markers in the topics (lines above)"
fi

topics=$(ls "$help_dir"/*.html | wc -l)
if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "kvswbd.chm holds all $topics topics; contents, index and links are complete"
