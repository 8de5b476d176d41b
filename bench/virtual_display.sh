# Sourced by the whole-program benchmarks after they set $top: installs the
# bench packages, checks the game is built ($program), and gives them
# `start_virtual_display WIDTHxHEIGHT`: a private X server (Xvfb, on a
# display number it picks free itself) as DISPLAY, and a scratch folder
# ($scratch). The server never resets (-noreset): a reset when the last
# client leaves refuses the next connection for a moment. Both go at exit,
# with every pid added to bench_pids.
"$top/tools/setup/ensure-packages.sh" "$top/tools/setup/bench-packages.txt"
program=$top/build/app/arcade-vorpex
[ -x "$program" ] || { echo "build first: tools/setup/configure.sh --game" >&2; exit 1; }
scratch=$(mktemp -d)
bench_pids=()
trap 'kill "${bench_pids[@]}" 2>/dev/null; rm -rf "$scratch"' EXIT

start_virtual_display() {  # WIDTHxHEIGHT
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$scratch/display" >/dev/null 2>&1 &
  bench_pids+=($!)
  for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
  export DISPLAY=:$(head -1 "$scratch/display")
  for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
}
