#!/usr/bin/env bash
# Regenerates resources/words/english.txt from Debian's SCOWL word files.
#
# The derived list is committed, so a build never depends on the SCOWL version
# installed on the machine; run this only to refresh the list on purpose, then
# review the diff. Needs the Debian package `scowl`.
#
# Kept: the English, American and British "words" files up to size 50, lines of
# 3 to 10 lower-case letters a to z (which drops proper names, abbreviations,
# contractions and accented words), minus resources/words/exclusions.txt.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
scowl=${SCOWL_DIR:-/usr/share/dict/scowl}
out=$top/resources/words/english.txt
exclusions=$top/resources/words/exclusions.txt

if [ ! -d "$scowl" ]; then
  echo "derive-from-scowl: $scowl not found; install the Debian package 'scowl'" >&2
  exit 1
fi

files=()
for variety in english american british; do
  for size in 10 20 35 40 50; do
    f=$scowl/$variety-words.$size
    [ -f "$f" ] || { echo "derive-from-scowl: missing $f" >&2; exit 1; }
    files+=("$f")
  done
done

export LC_ALL=C
grep -v '^#' "$exclusions" | grep -E '^[a-z]+$' | sort -u > "$out.exclusions.tmp"
cat "${files[@]}" | grep -E '^[a-z]{3,10}$' | sort -u \
  | comm -23 - "$out.exclusions.tmp" > "$out.tmp"
rm -f "$out.exclusions.tmp"
mv "$out.tmp" "$out"
echo "derive-from-scowl: wrote $(wc -l < "$out") words to $out"
