#!/usr/bin/env bash
# Where the start-up question opens under a real window manager: starts
# Xvfb with openbox, the game over a store holding a saved game, reads the
# main window's and the question's geometry, prints both centres and takes
# a screenshot (PNG path as the first argument, default
# build/dialog-placement.png). Reports; never fails on the figures.
#
#   bench/dialog_placement.sh [PNG]          (after a build in build/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
shot=${1:-$top/build/dialog-placement.png}
. "$top/bench/virtual_display.sh"
start_virtual_display 1280x1024
openbox >/dev/null 2>&1 &
bench_pids+=($!)

mkdir -p "$scratch/arcade-vorpex"
cp "$top/tests/startup/stored-game.reg" "$scratch/arcade-vorpex/registry.reg"
XDG_CONFIG_HOME=$scratch "$program" >/dev/null 2>&1 &
pid=$!
centre() {  # window-name pattern
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$((X + WIDTH / 2)),$((Y + HEIGHT / 2)) (window at $X,$Y, $WIDTH x $HEIGHT)"
}
echo "main window centre:  $(centre '^Arcade Vorpex$')"
echo "question centre:     $(centre '^Do you want to exit$')"
sleep 0.5
import -window root "$shot"
echo "screenshot: $shot"
kill "$pid"; wait "$pid" || true
