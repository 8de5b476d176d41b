#!/usr/bin/env bash
# Whether every sound the rules play is heard: runs the game on Xvfb with
# its sound going to a PulseAudio null sink, starts a Classic game, clicks
# one tile CLICKS times 150 ms apart (pick, put back, pick, ...; each click
# plays CLICK.wav or UNCLICK.wav), records the sink and counts the sounds
# in the recording with count_onsets.py. Repeats RUNS times. Reports the
# counts; never fails on them.
#
#   bench/sound_onsets.sh [CLICKS [RUNS]]      (after a build in build/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
clicks=${1:-8}
runs=${2:-3}
. "$top/bench/virtual_display.sh"
start_virtual_display 1024x768
# A private sound server with one null sink, reached through its own socket.
pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no \
  --load="module-null-sink sink_name=vorpex_sink" \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$scratch/pulse.sock" >/dev/null 2>&1 &
bench_pids+=($!)
export PULSE_SERVER=unix:$scratch/pulse.sock
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
pactl set-default-sink vorpex_sink

# The fifth tile of a five-letter rack: its box's corner is (383, 286).
tile_x=405 tile_y=308
for ((run = 1; run <= runs; run++)); do
  rm -rf "$scratch/config" "$scratch/take.wav"
  XDG_CONFIG_HOME=$scratch/config "$program" >/dev/null 2>&1 &
  pid=$!
  until win=$(xdotool search --onlyvisible --name '^Arcade Vorpex$' 2>/dev/null | head -1) && [ -n "$win" ]; do sleep 0.05; done
  xdotool windowmove "$win" 0 0
  sleep 0.5
  xdotool mousemove 350 160 click 1       # CLASSIC ARCADE
  sleep 1
  parec --latency-msec=20 -d vorpex_sink.monitor --file-format=wav "$scratch/take.wav" &
  recorder=$!
  # Recording for real once the file grows past its header.
  until [ "$(stat -c %s "$scratch/take.wav" 2>/dev/null || echo 0)" -gt 20000 ]; do sleep 0.05; done
  xdotool mousemove "$tile_x" "$tile_y"
  for ((i = 0; i < clicks; i++)); do xdotool click 1; sleep "${VORPEX_CLICK_GAP:-0.15}"; done
  sleep 1
  kill -INT "$recorder"; wait "$recorder" 2>/dev/null || true
  kill "$pid"; wait "$pid" || true
  [ -n "${VORPEX_KEEP_TAKE:-}" ] && cp "$scratch/take.wav" "$VORPEX_KEEP_TAKE-$run.wav"
  heard=$(python3 "$top/bench/count_onsets.py" "$scratch/take.wav" | cut -d' ' -f1)
  echo "run $run: $heard of $clicks clicks heard"
done
