#!/usr/bin/env bash
# Without a graphical session the program and ./play say so in one sentence
# and exit with status 1, rather than Qt aborting.
set -u
program=$1 play=$2
fail() { echo "FAIL: $*"; exit 1; }
for command in "$program" "$play"; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$command" 2>&1 < /dev/null)
  status=$?
  [ "$status" -eq 1 ] || fail "$command exited with $status: $out"
  grep -q "needs a graphical session" <<<"$out" || fail "$command did not say why: $out"
  [ "$(wc -l <<<"$out")" -eq 1 ] || fail "$command said more than one line: $out"
done
# The program's own options answer without a display.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version 2>&1) || fail "--version failed: $out"
grep -q '^arcade-vorpex [0-9][0-9.]*$' <<<"$out" || fail "--version: $out"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help 2>&1) || fail "--help failed: $out"
grep -q '^usage: arcade-vorpex ' <<<"$out" || fail "--help: $out"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --bogus 2>&1)
[ $? -eq 2 ] || fail "an unknown option did not end with status 2"
grep -q 'unknown option --bogus' <<<"$out" && grep -q '^usage: ' <<<"$out" || fail "an unknown option: $out"
echo "without a display both say so and exit with status 1; --help, --version and a refusal need none"
