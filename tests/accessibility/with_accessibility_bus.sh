#!/usr/bin/env bash
# with_accessibility_bus.sh GAME COMMAND...
#
# Runs COMMAND where a screen reader's user runs the game: a virtual X
# display, a session bus of its own with the accessibility bus and its
# registry on it, and a store of its own. COMMAND starts the game (its path
# is ARCADE_VORPEX) once it listens, as a screen reader runs before the
# game it reads; whatever is left running is ended afterwards. COMMAND's
# status is the result.
set -euo pipefail
game=$1
shift
if [ -z "${INSIDE_VIRTUAL_DISPLAY:-}" ]; then
  # Skipped (status 77) without the tools, naming what is missing.
  for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher xdotool orca; do
    if ! command -v "$tool" >/dev/null; then
      echo "skipped: $tool is missing (tools/setup/accessibility-packages.txt lists what these tests need)"
      exit 77
    fi
  done
  if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "skipped: python3-pyatspi is missing (tools/setup/accessibility-packages.txt)"
    exit 77
  fi
  # Debian's xvfb-run finds a display number nobody holds (trying the next
  # if another run took it meanwhile) and ends the display afterwards.
  INSIDE_VIRTUAL_DISPLAY=1 exec xvfb-run -a -n 150 -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$game" "$@"
fi
if [ -z "${INSIDE_ACCESSIBILITY_BUS:-}" ]; then
  # In a process group of its own, so that whatever the bus started (the
  # registry, the accessibility bus) ends with it and holds no output open.
  set -m
  INSIDE_ACCESSIBILITY_BUS=1 dbus-run-session -- "$0" "$game" "$@" &
  inner=$!
  status=0
  wait $inner || status=$?
  kill -- -$inner 2>/dev/null || true
  exit $status
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
# The game asks the session bus for the accessibility bus at start; the
# launcher owns its name once it answers.
for _ in $(seq 1 100); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.1
done
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -m 700 -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
export ARCADE_VORPEX=$game
"$@"
