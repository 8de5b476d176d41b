#!/usr/bin/env bash
# Two copies of the game started together on one store and signalled
# together, as a desktop logout does, ROUNDS times: counts the stores left
# whole (one REGEDIT4 header, the settings key once, no temporary file
# beside it) and the copies that did not end within 10 s. Runs offscreen.
# Reports; never fails on the counts.
#
#   bench/two_copies.sh [ROUNDS]         (after a build in build/)
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-100}
program=$top/build/app/arcade-vorpex
[ -x "$program" ] || { echo "build first: tools/setup/configure.sh --game" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

whole=0 blocked=0
for ((round = 1; round <= rounds; round++)); do
  config=$scratch/config-$round
  mkdir -p "$config/arcade-vorpex"
  cp "$top/tests/startup/stored-game.reg" "$config/arcade-vorpex/registry.reg"
  XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$program" >/dev/null 2>&1 &
  a=$!
  XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$program" >/dev/null 2>&1 &
  b=$!
  sleep 0.$((3 + RANDOM % 5))
  kill -TERM "$a" "$b" 2>/dev/null
  for pid in "$a" "$b"; do
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
      blocked=$((blocked + 1))
      kill -9 "$pid"
    fi
    wait "$pid" 2>/dev/null
  done
  store=$config/arcade-vorpex/registry.reg
  if [ "$(grep -c '^REGEDIT4' "$store")" -eq 1 ] &&
     [ "$(grep -c '^\[HKEY_CURRENT_USER\\Software\\Quenta\\Arcade Vorpex\\1.0\]' "$store")" -eq 1 ] &&
     [ -z "$(find "$config/arcade-vorpex" -name '*.tmp*')" ]; then
    whole=$((whole + 1))
  fi
  rm -rf "$config"
done
echo "$rounds rounds of two copies ending together: $whole whole stores, $blocked copies that did not end"
