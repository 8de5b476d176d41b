#!/usr/bin/env bash
# Starts the game offscreen, sends it SIGTERM, SIGINT or SIGHUP (a closed
# terminal) and checks that it exits with status 0 having written its
# settings: on the main menu with an empty store, and at the start-up
# question over a stored game, which must stay stored. Then takes its X
# display away (Xvfb, where installed) and checks the same. A program still
# running 30 s after the signal has hung.
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

for signal in TERM INT HUP; do
  end_by "$signal" ""
  rm -rf "$config"
  end_by "$signal" "$stored_game"
  grep -q '"ISSTORED"=hex:01' "$config/arcade-vorpex/registry.reg" ||
    fail "SIG$signal at the start-up question lost the stored game"
  rm -rf "$config"
done
# A terminal closed under the game once ended it with status 129, losing
# the settings; a broken display connection lost them with status 1.
if ! command -v Xvfb >/dev/null 2>&1; then
  echo "the three signals ended the program normally; the lost display was not tried (no Xvfb)"
  exit 0
fi
config=$(mktemp -d)
mkdir -p "$config/arcade-vorpex"
cp "$stored_game" "$config/arcade-vorpex/registry.reg"
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=$display XDG_CONFIG_HOME=$config "$program" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 200); do
  grep -q libwordcore "/proc/$pid/maps" 2>/dev/null && break
  sleep 0.05
done
sleep 1
kill "$xvfb"
for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then kill -9 "$pid"; fail "the program outlived its display"; fi
wait "$xvfb" 2>/dev/null
# The stored file has no ZOOM value; only the settings written at the end have one.
grep -q '"ZOOM"=' "$config/arcade-vorpex/registry.reg" || fail "a lost display lost the settings"
grep -q '"ISSTORED"=hex:01' "$config/arcade-vorpex/registry.reg" || fail "a lost display lost the stored game"
rm -rf "$config"
echo "the three signals and a lost display ended the program keeping the settings, on the menu and at the start-up question"
