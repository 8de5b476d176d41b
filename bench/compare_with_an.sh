#!/usr/bin/env bash
# The whole process "load the dictionary, build one 8-letter puzzle, print its
# words", ours (vorpex-dict puzzle, through the five exports) against Debian's
# `an -w -m 3 -d WORDS RACK` on the same word list and the same racks, run
# alternately in one session so that both see the same machine load.
# Reports the figures; never fails on them.
#
#   bench/compare_with_an.sh [RUNS]        (after a build in build/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-200}
"$top/tools/setup/ensure-packages.sh" "$top/tools/setup/bench-packages.txt"
tool=$top/build/tools/dict/vorpex-dict
dict=$top/build/app/VORPEX.DICT
words=$top/resources/words/english.txt
an=$(command -v an || echo /usr/games/an)
[ -x "$tool" ] && [ -f "$dict" ] || { echo "build first: cmake --build build" >&2; exit 1; }

ours=0 theirs=0
for ((i = 0; i < runs; i++)); do
  number=$(( (i * 7919) % 10001 ))
  rack=$("$tool" puzzle "$dict" 8 "$number" | sed -n 's/^rack \([A-Z]*\).*/\1/p' | tr A-Z a-z)
  # EPOCHREALTIME is read by the shell itself: no clock process in the figures.
  t0=${EPOCHREALTIME/./}; "$tool" puzzle "$dict" 8 "$number" >/dev/null
  t1=${EPOCHREALTIME/./}; "$an" -w -m 3 -d "$words" "$rack" >/dev/null
  t2=${EPOCHREALTIME/./}
  ours=$((ours + t1 - t0)); theirs=$((theirs + t2 - t1))
done
awk -v o="$ours" -v t="$theirs" -v n="$runs" 'BEGIN {
  printf "runs: %d 8-letter puzzles\n", n
  printf "vorpex-dict puzzle: %.2f ms a process\n", o / n / 1e3
  printf "an -w -m 3:         %.2f ms a process\n", t / n / 1e3
  printf "ours is %.2f times faster\n", t / o }'
