#!/usr/bin/env bash
# Builds the help file kvswbd.chm from the sources in help/ and puts it into
# OUTPUT_DIR.
# Usage: build-help.sh OUTPUT_DIR
#
# The sources are kept in UTF-8. HTML Help reads the project, contents and
# index files in the ANSI code page of the help file's language, so for
# Japanese (0x411) everything is converted to Shift_JIS (CP932) in a staging
# folder first and the charset declarations are changed to match.
# chmcmd reports many problems only as text while still exiting with 0, so any
# warning, error or exception in its output fails the build.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 OUTPUT_DIR" >&2
  exit 2
fi

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
help_dir="$repo_root/help"
project=kvswbd.hhp
output_dir=$1

fail() {
  echo "build-help: $*" >&2
  exit 1
}

command -v chmcmd >/dev/null || fail "chmcmd not found (Debian package fp-utils)"
command -v iconv >/dev/null || fail "iconv not found"
[ -f "$help_dir/$project" ] || fail "missing $help_dir/$project"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

for src in "$help_dir"/*; do
  [ -f "$src" ] || continue
  name=$(basename "$src")
  case "$name" in
    *.html | *.hhc | *.hhk | *.hhp | *.css)
      iconv -f UTF-8 -t CP932 "$src" >"$stage/$name.sjis" ||
        fail "$name holds characters that Shift_JIS cannot represent"
      sed 's/charset=UTF-8/charset=Shift_JIS/' "$stage/$name.sjis" >"$stage/$name"
      rm "$stage/$name.sjis"
      ;;
    *)
      cp "$src" "$stage/$name"
      ;;
  esac
done

# Every file named in [FILES] must exist: chmcmd would otherwise only warn.
while IFS= read -r listed; do
  [ -f "$stage/$listed" ] || fail "$project lists $listed, which does not exist in help/"
done < <(sed -n '/^\[FILES\]/,/^\[/{/^\[/d;s/\r$//;/^[[:space:]]*$/d;p}' "$help_dir/$project")

log="$stage/chmcmd.log"
if ! (cd "$stage" && chmcmd "$project") >"$log" 2>&1; then
  cat "$log" >&2
  fail "chmcmd failed"
fi
if grep -Eiq 'warning|error|exception|can.t' "$log"; then
  cat "$log" >&2
  fail "chmcmd reported a problem"
fi
[ -s "$stage/kvswbd.chm" ] || fail "chmcmd produced no kvswbd.chm"

mkdir -p "$output_dir"
cp "$stage/kvswbd.chm" "$output_dir/kvswbd.chm.tmp"
mv -f "$output_dir/kvswbd.chm.tmp" "$output_dir/kvswbd.chm"
echo "build-help: wrote $output_dir/kvswbd.chm"
