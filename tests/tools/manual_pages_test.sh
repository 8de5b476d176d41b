#!/usr/bin/env bash
# The manual pages, the game's in every language, format without a warning,
# and name the version the programs give.
set -u
man_dir=$1 version=$2
fail() { echo "FAIL: $*"; exit 1; }
for page in "$man_dir/arcade-vorpex.6" "$man_dir/vorpex-dict.1" "$man_dir"/*/arcade-vorpex.6; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
  grep -q "^\.TH .*\"Arcade Vorpex $version\"" "$page" || fail "$page does not name version $version"
done
echo "manual pages format cleanly"
