#!/usr/bin/env bash
# Cross-builds the engine (wordcore.dll), the game's rules and the keyed store
# for 64- and 32-bit Windows with mingw-w64, checks both DLLs' export tables,
# and runs the test programs under Wine against Wine's registry. Needs the
# native build's dictionary (it builds the native tree when that is missing).
# 32-bit programs run only where the kernel can start 32-bit Wine; otherwise
# that part is said to be skipped. Exits non-zero on any failure.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
"$top/tools/setup/ensure-packages.sh" "$top/tools/setup/windows-packages.txt"
[ -f "$top/build/app/VORPEX.DICT" ] || "$top/tools/setup/configure.sh"

werror=OFF
[ -n "${CI:-}" ] && werror=ON
export WINEDEBUG=-all
export WINEPREFIX=$top/build/wine-prefix
# No Mono or Gecko prompts: the tests need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

configure() {  # arch
  cmake -S "$top" -B "$top/build/windows-$1" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchains/$1-w64-mingw32.cmake" \
    -DVORPEX_QT=OFF -DVORPEX_BENCH=OFF -DVORPEX_WERROR=$werror \
    -DVORPEX_HOST_APP_DIR="$top/build/app" >/dev/null
}
run_tests() {  # arch [ctest arguments]
  local arch=$1; shift
  # Test programs find wordcore.dll in the program folder through WINEPATH.
  WINEPATH="Z:$(echo "$top/build/windows-$arch/app" | tr / '\\')" \
    ctest --test-dir "$top/build/windows-$arch" --output-on-failure -j2 "$@"
}

echo "== Windows x86_64: build, then every test under Wine"
configure x86_64
cmake --build "$top/build/windows-x86_64"
[ -d "$WINEPREFIX" ] || /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
run_tests x86_64

echo "== Windows i686: build and the export table"
configure i686
cmake --build "$top/build/windows-i686"
# Directly, not through CTest: CTest would ask Wine to list every test program.
cmake -DLIBRARY="$top/build/windows-i686/app/wordcore.dll" -DOBJDUMP=i686-w64-mingw32-objdump \
  -P "$top/tests/engine/check_dll_exports.cmake"
probe=$top/build/windows-i686/tests/engine/wordcore_unloaded_test.exe
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine "$probe" >/dev/null 2>&1; then
  run_tests i686
else
  echo "== Windows i686: tests under Wine skipped: this machine cannot start 32-bit Wine" \
       "(wine32 missing, or a kernel without 32-bit program support)"
fi
echo "Windows builds and tests passed"
