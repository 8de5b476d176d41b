#!/usr/bin/env bash
# Starts the game offscreen with an empty store, sends it SIGTERM (then, in a
# second run, SIGINT) and checks that it exits with status 0 having written
# its settings.
set -u
program=$1
for signal in TERM INT; do
  config=$(mktemp -d)
  XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$program" >/dev/null 2>&1 &
  pid=$!
  # The handler is in place before the engine is bound; wait for the binding.
  for _ in $(seq 200); do
    grep -q libwordcore "/proc/$pid/maps" 2>/dev/null && break
    sleep 0.05
  done
  kill -s "$signal" "$pid"
  wait "$pid"
  status=$?
  store="$config/arcade-vorpex/registry.reg"
  if [ "$status" -ne 0 ] || ! grep -q '"SOLVINGDATA"=' "$store" 2>/dev/null; then
    echo "SIG$signal: exit status $status; store: $(cat "$store" 2>/dev/null || echo missing)"
    rm -rf "$config"
    exit 1
  fi
  rm -rf "$config"
done
echo "both signals ended the program normally"
