#!/usr/bin/env bash
# Installs the Debian packages that are missing, configures the main tree in
# build/ and builds it. Warnings are errors under CI.
#
#   tools/setup/configure.sh          everything: the game, tests, tools, benchmarks
#   tools/setup/configure.sh --game   only what playing needs: the program folder build/app
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
target=()
case "${1:-}" in
  --game) target=(--target arcade-vorpex) ;;
  "") ;;
  *) echo "usage: tools/setup/configure.sh [--game]" >&2; exit 2 ;;
esac
"$top/tools/setup/ensure-packages.sh"
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S "$top" -B "$top/build" -G Ninja -DVORPEX_WERROR=$werror >/dev/null
cmake --build "$top/build" "${target[@]}"
