#!/usr/bin/env bash
# Cross-builds the engine (wordcore.dll), the game's rules and the keyed store
# for 64- and 32-bit Windows with mingw-w64, checks both DLLs' export tables,
# and runs the test programs under Wine against Wine's registry. Needs the
# native build's dictionary (it builds the native tree when that is missing).
# 32-bit programs run only where the kernel can start 32-bit Wine; otherwise
# that part is said to be skipped.
#
# Every stage runs even when one before it failed, so one run reports all of
# them; the script exits non-zero when any failed.
#
# One Wine server runs for the whole script, started with its output on
# /dev/null: a Wine program whose output goes to a pipe otherwise returns
# only when the server and its helper processes, which inherit that pipe,
# have exited, seconds later on a busy machine.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
"$top/tools/setup/ensure-packages.sh" "$top/tools/setup/windows-packages.txt" || exit 1
[ -f "$top/build/app/VORPEX.DICT" ] || "$top/tools/setup/configure.sh" || exit 1

werror=OFF
[ -n "${CI:-}" ] && werror=ON
export WINEDEBUG=-all
export WINEPREFIX=$top/build/wine-prefix
# No Mono or Gecko prompts: the tests need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

failed=()
# stage NAME COMMAND...: runs one stage and records it when it fails.
stage() {
  local name=$1; shift
  echo "== Windows $name"
  "$@" || { failed+=("$name"); echo "== Windows $name: FAILED"; }
}

configure_and_build() {  # arch [target...]: everything, or only the targets named
  local arch=$1
  shift
  cmake -S "$top" -B "$top/build/windows-$arch" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchains/$arch-w64-mingw32.cmake" \
    -DVORPEX_QT=OFF -DVORPEX_BENCH=OFF -DVORPEX_WERROR=$werror \
    -DVORPEX_HOST_APP_DIR="$top/build/app" >/dev/null &&
    cmake --build "$top/build/windows-$arch" ${1:+--target "$@"}
}
run_tests() {  # arch
  # Test programs find wordcore.dll in the program folder through WINEPATH.
  WINEPATH="Z:$(echo "$top/build/windows-$1/app" | tr / '\\')" \
    ctest --test-dir "$top/build/windows-$1" --output-on-failure -j2
}
check_i686_exports() {
  # Directly, not through CTest: CTest would ask Wine to list every test program.
  cmake -DLIBRARY="$top/build/windows-i686/app/wordcore.dll" -DOBJDUMP=i686-w64-mingw32-objdump \
    -P "$top/tests/engine/check_dll_exports.cmake"
}

# The server stays up (-p) until the end of the script; wineboot makes or
# updates the prefix and starts Wine's helper processes, all with their
# output away from any pipe.
start_wine() {
  # A server left running on this prefix by an earlier run goes first.
  wineserver -k >/dev/null 2>&1 < /dev/null
  mkdir -p "$WINEPREFIX" && wineserver -p >/dev/null 2>&1 < /dev/null &&
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 < /dev/null
}
stop_wine() { wineserver -k >/dev/null 2>&1 || true; }
trap stop_wine EXIT

stage "x86_64: build" configure_and_build x86_64
if [[ ! " ${failed[*]} " == *" x86_64: build "* ]]; then
  stage "x86_64: Wine server and prefix" start_wine
  stage "x86_64: every test under Wine" run_tests x86_64
fi

# The 32-bit engine and one small test program first: the rest of the
# 32-bit tree is built only where 32-bit Wine can run its tests.
stage "i686: build" configure_and_build i686 wordcore wordcore_unloaded_test
if [[ ! " ${failed[*]} " == *" i686: build "* ]]; then
  stage "i686: the export table" check_i686_exports
  probe=$top/build/windows-i686/tests/engine/wordcore_unloaded_test.exe
  if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine "$probe" >/dev/null 2>&1 < /dev/null; then
    stage "i686: the rest of the build" configure_and_build i686
    stage "i686: every test under Wine" run_tests i686
  else
    echo "== Windows i686: tests under Wine skipped: this machine cannot start 32-bit Wine" \
         "(wine32 missing, or a kernel without 32-bit program support)"
  fi
fi

# The whole game, when Qt for Windows is at hand: built once (15 to 25
# minutes on 2 cores) by ./test windows, or by tools/setup/package.sh
# windows, and reused from the cache by every later run and clone.
qt_prefix=${XDG_CACHE_HOME:-$HOME/.cache}/arcade-vorpex/qt-6.4.2-x86_64-w64-mingw32
# The game's window and program tests, each program run once under Wine on
# a virtual display (Wine's windows need one even for Qt's offscreen
# platform). Left out: what only a POSIX system has (signals, FIFOs and
# symbolic links in place of the lock, a library linked by its Linux name).
windows_skips='*Signal*:ProgramTest.ADictionaryThatCannotMakeEveryLevel*'
game_tests() {
  local app log status=0
  app="Z:$(echo "$top/build/windows-game/app" | tr / '\\')"
  log=$(mktemp)
  for program in tests/ui/ui_test.exe tests/startup/program_test.exe; do
    echo "-- $program"
    # A display of xvfb-run's for each program (-a: one nobody holds).
    WINEPATH="$app" QT_QPA_PLATFORM=offscreen \
      xvfb-run -a -n 400 -s "-screen 0 1024x768x24 -nolisten tcp -noreset" \
      timeout 900 /usr/lib/wine/wine64 "$top/build/windows-game/$program" "--gtest_filter=-$windows_skips" \
      </dev/null >"$log" 2>&1 || status=1
    grep -E '^\[  (PASSED|FAILED) |FAILED TEST|Failure|Expected|Which is|actual' "$log"
  done
  rm -f "$log"
  return $status
}
if [ -n "${VORPEX_BUILD_QT_FOR_WINDOWS:-}" ] || [ -f "$qt_prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]; then
  stage "game: Qt for Windows" "$top/tools/setup/qt-windows.sh"
  if [[ ! " ${failed[*]} " == *" game: Qt for Windows "* ]]; then
    stage "game: the installer and the zip" "$top/tools/setup/package.sh" windows
    stage "game: window and program tests under Wine" game_tests
    version=$(sed -n 's/^project(ArcadeVorpex VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
    stage "game: installed, played, saved, resumed and uninstalled under Wine" \
      "$top/tests/windows/game_under_wine.sh" "$top/build/packages/ArcadeVorpex-$version-setup.exe" \
      "$top/build/app/arcade-vorpex" "$top/build/packages/ArcadeVorpex-$version-windows-x86_64.zip"
  fi
else
  echo "== Windows game: skipped, Qt for Windows is not built yet; ./test windows builds it once" \
       "(15 to 25 minutes on 2 cores) into $qt_prefix"
fi

if [ ${#failed[@]} -gt 0 ]; then
  printf 'Windows stages that failed:\n'
  printf '  %s\n' "${failed[@]}"
  exit 1
fi
echo "Windows builds and tests passed"
