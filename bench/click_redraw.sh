#!/usr/bin/env bash
# A click on a tile to the screen, at 100 % in a window and full screen on
# a 3840 x 2160 screen at desktop scale 2, each under openbox on Xvfb, in
# one run: the medians, the largest, and the ratio of the 4K median to the
# 100 % one, with only the changed part sent (the game) and with the whole
# window sent on every click (as before). "in" is when the press reached
# the board, "drawn" when the board was drawn. Reports; never fails on them.
#
#   bench/click_redraw.sh        (after a build in build/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/bench/virtual_display.sh"
bench=$top/build/bench/click_redraw
[ -x "$bench" ] || { echo "build first: cmake --build build --target click_redraw" >&2; exit 1; }

run() {  # WIDTHxHEIGHT scale args...
  local size=$1 scale=$2; shift 2
  ( start_virtual_display "$size"
    openbox >/dev/null 2>&1 & sleep 0.5
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$bench" "$top/build/app" "$@"
    kill $! 2>/dev/null )
}

for mode in changed whole; do
  extra=(); [ "$mode" = whole ] && extra=(--whole)
  read -r small small_max small_size small_draw small_in < <(run 1024x768 1 "${extra[@]}")
  read -r large large_max large_size large_draw large_in < <(run 3840x2160 2 --full-screen "${extra[@]}")
  printf '%-8s 100%% %s: median %5.2f ms (in %.2f, drawn %.2f), max %5.2f | 4K full screen %s: median %5.2f ms (in %.2f, drawn %.2f), max %5.2f | ratio %.1f\n' \
    "$mode" "$small_size" "$small" "$small_in" "$small_draw" "$small_max" "$large_size" "$large" "$large_in" \
    "$large_draw" "$large_max" "$(echo "$large / $small" | bc -l)"
done
