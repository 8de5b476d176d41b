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
echo "without a display both say so and exit with status 1"
