#!/usr/bin/env bash
# Configures and builds the whole game for 64-bit Windows in
# build/windows-game, against Qt for Windows at QT_PREFIX (made by
# tools/setup/qt-windows.sh) and the native build's data files.
#
#   tools/setup/configure-windows-game.sh QT_PREFIX
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
qt=$1
werror=OFF
[ -n "${CI:-}" ] && werror=ON
# Qt's DLLs carry the C++ runtime as DLLs; the game shares them rather than
# linking its own copy, as the engine-only programs do.
cmake -S "$top" -B "$top/build/windows-game" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchains/x86_64-w64-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXE_LINKER_FLAGS= -DCMAKE_SHARED_LINKER_FLAGS= -DCMAKE_MODULE_LINKER_FLAGS= \
  -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DVORPEX_QT=ON -DVORPEX_BENCH=OFF -DVORPEX_WERROR=$werror -DVORPEX_HOST_APP_DIR="$top/build/app" >/dev/null
cmake --build "$top/build/windows-game"
