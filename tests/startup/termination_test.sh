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
# wait_bound PID: until the program has bound its engine (its handlers are
# in place long before).
wait_bound() {
  for _ in $(seq 200); do
    grep -q libwordcore "/proc/$1/maps" 2>/dev/null && break
    sleep 0.05
  done
}
# ended_within SECONDS PID...: whether every one of them ended in time.
ended_within() {
  local tenths=$(($1 * 10)) pid
  shift
  for _ in $(seq "$tenths"); do
    local running=0
    for pid in "$@"; do kill -0 "$pid" 2>/dev/null && running=1; done
    [ "$running" = 0 ] && return 0
    sleep 0.1
  done
  return 1
}

# Started under nohup, the game outlives the terminal's hang-up.
config=$(mktemp -d)
(trap '' HUP; XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen exec "$program") >/dev/null 2>&1 &
pid=$!
wait_bound "$pid"
kill -s HUP "$pid"
sleep 1
kill -0 "$pid" 2>/dev/null || fail "a hang-up ended a game that was started to ignore it (nohup)"
kill -s TERM "$pid"
ended_within 30 "$pid" || { kill -9 "$pid"; fail "SIGTERM did not end the game started under nohup"; }
rm -rf "$config"

# A store that keeps another program's long value (5 MB over 65,000 lines)
# once took minutes to read, and a second copy started meanwhile waited on
# its knock and then behind a message box: both signalled together end at
# once, and the value is kept.
config=$(mktemp -d)
mkdir -p "$config/arcade-vorpex"
store=$config/arcade-vorpex/registry.reg
{
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Another Program]\r\n"BLOB"=hex:00,\\\r\n'
  yes '  00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,17,\' | head -n 65000 | sed 's/$/\r/'
  printf '  ff\r\n\r\n'
} > "$store"
XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$program" >/dev/null 2>&1 &
first=$!
wait_bound "$first"
XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$program" >/dev/null 2>&1 &
second=$!
sleep 0.5
kill -s TERM "$first" "$second" 2>/dev/null
if ! ended_within 30 "$first" "$second"; then
  kill -9 "$first" "$second" 2>/dev/null
  fail "two copies on a store with a long value, signalled together, did not both end"
fi
wait "$first" || fail "the first copy on the long store ended with status $?"
# Written back in lines of its own width: counted with the breaks taken out.
runs=$(tr -d ' \\\r\n' < "$store" | grep -o '16,17,' | wc -l)
[ "$runs" -eq 65000 ] || fail "the long value was not kept whole: $runs of 65000 runs"
grep -q '"SOLVINGDATA"=' "$store" || fail "the first copy on the long store wrote no settings"
rm -rf "$config"

# A terminal closed under the game once ended it with status 129, losing
# the settings; a broken display connection lost them with status 1.
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "the three signals ended the program normally; the lost display was not tried (no xvfb-run)"
  exit 0
fi
config=$(mktemp -d)
mkdir -p "$config/arcade-vorpex"
cp "$stored_game" "$config/arcade-vorpex/registry.reg"
# On a display of xvfb-run's, whose server is then ended under the game
# (its pid is in the display's lock file); xvfb-run's own status then
# speaks of that server, so the outcome is written to a file.
export program config
xvfb-run -a -n 300 -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_CONFIG_HOME=$config "$program" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 200); do grep -q libwordcore "/proc/$pid/maps" 2>/dev/null && break; sleep 0.05; done
  sleep 1
  kill "$(tr -d " " < "/tmp/.X${DISPLAY#:}-lock")"
  for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || { echo ended > "$config/outcome"; exit 0; }; sleep 0.1; done
  kill -9 "$pid"' >/dev/null 2>&1
[ -f "$config/outcome" ] || fail "the program outlived its display"
# The stored file has no ZOOM value; only the settings written at the end have one.
grep -q '"ZOOM"=' "$config/arcade-vorpex/registry.reg" || fail "a lost display lost the settings"
grep -q '"ISSTORED"=hex:01' "$config/arcade-vorpex/registry.reg" || fail "a lost display lost the stored game"
rm -rf "$config"
echo "the three signals and a lost display ended the program keeping the settings, on the menu and at the start-up question"
