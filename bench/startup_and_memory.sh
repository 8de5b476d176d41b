#!/usr/bin/env bash
# Two figures of the whole program on a real X server (Xvfb):
#  - the time from starting the program to its main window mapped on screen,
#    and to its first frame (the menu drawn in it), over RUNS starts on the
#    store an earlier start left and RUNS first starts on no store (median,
#    min, max), alternating with starts of a bare Qt Widgets
#    window of the same size (bench/bare_window.cpp), and the ratios of the
#    medians, all timed by bench/map_timer.cpp. With dbus-run-session at
#    hand the starts run on a session bus of their own, as on a desktop;
#    without one, Qt's accessibility set-up in the bare window first tries
#    to start a bus (libdbus forks to run dbus-launch) before its first
#    frame, which the game does not let it do;
#  - the memory it holds in play: resident set (VmRSS), its peak (VmHWM) and
#    the proportional share (Pss) at the menu, then after starting a Classic
#    game, clicking its tiles and opening the solutions.
# Reports the figures; never fails on them.
#
#   bench/startup_and_memory.sh [RUNS]     (after a build in build/)
#   VORPEX_BENCH_BUS=0 bench/startup_and_memory.sh [RUNS]   (no session bus)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
. "$top/bench/virtual_display.sh"
start_virtual_display 1024x768

window_up() { xdotool search --onlyvisible --name '^Arcade Vorpex$' 2>/dev/null | head -1; }
memory() {  # pid label
  local rss hwm pss
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$1/status")
  hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$1/status")
  pss=$(awk '/^Pss:/ {print $2}' "/proc/$1/smaps_rollup")
  printf '%-28s VmRSS %6.1f MiB  VmHWM %6.1f MiB  Pss %6.1f MiB\n' "$2" \
    "$(echo "$rss / 1024" | bc -l)" "$(echo "$hwm / 1024" | bc -l)" "$(echo "$pss / 1024" | bc -l)"
}

bare=$top/build/bench/bare_window
timer=$top/build/bench/map_timer
for tool in "$bare" "$timer"; do
  [ -x "$tool" ] || { echo "build first: cmake --build build --target bare_window map_timer" >&2; exit 1; }
done
# median LIST...: the middle value of the numbers given.
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }

# map_timer starts each program and reports the X server's map event of its
# window and the first drawing in it, so no polling delay enters the
# figures. The game draws its menu before its window maps.
on_bus=()
# VORPEX_BENCH_BUS=0 measures without one.
if [ "${VORPEX_BENCH_BUS:-1}" != 0 ] && command -v dbus-run-session >/dev/null; then on_bus=(dbus-run-session --); fi
log=${VORPEX_BENCH_LOG:-/dev/null}
# Each round starts the bare window, the game on the store an earlier start
# left (as every start but a player's first), and the game on no store at
# all (a first start, which writes the new store's keys before its first
# frame).
game_map=(); game_frame=(); first_map=(); first_frame=(); bare_map=(); bare_frame=()
rm -rf "$scratch/kept"
XDG_CONFIG_HOME=$scratch/kept "${on_bus[@]}" "$timer" 'Arcade Vorpex' "$program" >/dev/null 2>>"$log"
for ((i = 0; i < runs; i++)); do
  read -r map frame < <("${on_bus[@]}" "$timer" 'Bare Window' "$bare" 2>>"$log")
  bare_map+=("$map"); bare_frame+=("$frame")
  read -r map frame < <(XDG_CONFIG_HOME=$scratch/kept "${on_bus[@]}" "$timer" 'Arcade Vorpex' "$program" 2>>"$log")
  game_map+=("$map"); game_frame+=("$frame")
  rm -rf "$scratch/config"
  read -r map frame < <(XDG_CONFIG_HOME=$scratch/config "${on_bus[@]}" "$timer" 'Arcade Vorpex' "$program" 2>>"$log")
  first_map+=("$map"); first_frame+=("$frame")
done
# report WHAT GAME_TIMES... -- BARE_TIMES...
report() {
  local what=$1; shift
  local game=() bare=()
  while [ "$1" != -- ]; do game+=("$1"); shift; done; shift
  bare=("$@")
  local sorted game_median bare_median
  sorted=$(printf '%s\n' "${game[@]}" | sort -n)
  game_median=$(median "${game[@]}")
  bare_median=$(median "${bare[@]}")
  echo "start to $what, $runs starts: median $game_median ms," \
       "min $(echo "$sorted" | head -1) ms, max $(echo "$sorted" | tail -1) ms;" \
       "a bare Qt window, alternating with those: median $bare_median ms;" \
       "ratio $(echo "scale=2; $game_median / $bare_median" | bc)"
}
if [ ${#on_bus[@]} -gt 0 ]; then echo "on a session bus of their own (dbus-run-session):"; else echo "without a session bus:"; fi
echo "on the store an earlier start left:"
report "main window mapped" "${game_map[@]}" -- "${bare_map[@]}"
report "first frame (the menu) on screen" "${game_frame[@]}" -- "${bare_frame[@]}"
echo "a first start, on no store:"
report "main window mapped" "${first_map[@]}" -- "${bare_map[@]}"
report "first frame (the menu) on screen" "${first_frame[@]}" -- "${bare_frame[@]}"

rm -rf "$scratch/config"
XDG_CONFIG_HOME=$scratch/config "$program" >/dev/null 2>>"${VORPEX_BENCH_LOG:-/dev/null}" &
pid=$!
until [ -n "$(window_up)" ]; do kill -0 "$pid" 2>/dev/null || { echo "the game ended before it showed" >&2; exit 1; }; sleep 0.01; done
# One more start stays up for the memory figures.
sleep 0.5
win=$(window_up)
xdotool windowmove "$win" 0 0
memory "$pid" "at the main menu:"
xdotool mousemove 350 160 click 1       # CLASSIC ARCADE
sleep 0.5
for y in 200 240 280 320 360 400; do for x in 250 300 350 400; do xdotool mousemove $x $y click 1; done; done
xdotool key Return
memory "$pid" "in a Classic game:"
xdotool mousemove 66 381 click 1        # Show Solution
sleep 0.5
memory "$pid" "showing the solutions:"
kill "$pid"; wait "$pid" || true
