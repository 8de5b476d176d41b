#!/usr/bin/env bash
# Configures and builds the main tree in build/. Warnings are errors under CI.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S "$top" -B "$top/build" -G Ninja -DVORPEX_WERROR=$werror >/dev/null
cmake --build "$top/build"
