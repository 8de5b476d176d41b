#!/usr/bin/env bash
# Starts the game offscreen, sends it SIGTERM or SIGINT and checks that it
# exits with status 0 having written its settings: on the main menu with an
# empty store, and at the start-up question over a stored game, which must
# stay stored. A program still running 30 s after the signal has hung.
set -u
program=$1
stored_game=$(dirname "$0")/stored-game.reg
fail() { echo "FAIL: $*"; exit 1; }

# end_by SIGNAL STORE: runs the program over a copy of STORE (empty for
# none), signals it once the engine is bound, and leaves the store behind
# in $config.
end_by() {
  local signal=$1 store=$2
  config=$(mktemp -d)
  mkdir -p "$config/arcade-vorpex"
  [ -n "$store" ] && cp "$store" "$config/arcade-vorpex/registry.reg"
  XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$program" >/dev/null 2>&1 &
  local pid=$!
  # The handler is in place before the engine is bound; wait for the binding.
  for _ in $(seq 200); do
    grep -q libwordcore "/proc/$pid/maps" 2>/dev/null && break
    sleep 0.05
  done
  kill -s "$signal" "$pid"
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -9 "$pid"
    fail "SIG$signal did not end the program${store:+ at the start-up question}"
  fi
  wait "$pid"
  status=$?
  [ "$status" -eq 0 ] || fail "SIG$signal: exit status $status"
  grep -q '"SOLVINGDATA"=' "$config/arcade-vorpex/registry.reg" 2>/dev/null ||
    fail "SIG$signal: no settings written: $(cat "$config/arcade-vorpex/registry.reg" 2>/dev/null || echo missing)"
}

for signal in TERM INT; do
  end_by "$signal" ""
  rm -rf "$config"
  end_by "$signal" "$stored_game"
  grep -q '"ISSTORED"=hex:01' "$config/arcade-vorpex/registry.reg" ||
    fail "SIG$signal at the start-up question lost the stored game"
  rm -rf "$config"
done
echo "both signals ended the program normally, on the menu and at the start-up question"
