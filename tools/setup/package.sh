#!/usr/bin/env bash
# Packages of the game, into build/packages/.
#
#   tools/setup/package.sh windows
#       the game cross-built for 64-bit Windows (Qt for Windows built once
#       first, tools/setup/qt-windows.sh), as an installer made with NSIS,
#       ArcadeVorpex-<version>-setup.exe, and a portable zip of the program
#       folder, ArcadeVorpex-<version>-windows-x86_64.zip.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
kind=${1:-}
version=$(sed -n 's/^project(ArcadeVorpex VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
out=$top/build/packages
mkdir -p "$out"

windows() {
  "$top/tools/setup/ensure-packages.sh" "$top/tools/setup/windows-packages.txt"
  local qt build stage
  qt=$("$top/tools/setup/qt-windows.sh" | tail -1)
  # The data files come from the native build's tools, so both builds ship the same bytes.
  [ -f "$top/build/app/ALLPICDATA@3x.BMP" ] || "$top/tools/setup/configure.sh"
  build=$top/build/windows-game
  echo "== Windows package: building the game" >&2
  "$top/tools/setup/configure-windows-game.sh" "$qt" >&2
  stage=$out/windows/ArcadeVorpex
  echo "== Windows package: laying out the program folder" >&2
  rm -rf "$out/windows"
  mkdir -p "$stage"
  cp -r "$build/app/." "$stage/"
  # Only the game: the tests' Qt library and platform stay out.
  rm -f "$stage/Qt6Test.dll" "$stage/platforms/qoffscreen.dll"
  find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
  cp "$top/LICENSE" "$stage/LICENSE.txt"
  cp "$top/THIRD-PARTY-NOTICES.md" "$stage/THIRD-PARTY-NOTICES.md"
  local zip=$out/ArcadeVorpex-$version-windows-x86_64.zip setup=$out/ArcadeVorpex-$version-setup.exe
  rm -f "$zip" "$setup"
  echo "== Windows package: the zip" >&2
  (cd "$out/windows" && find ArcadeVorpex | LC_ALL=C sort | TZ=UTC zip -qX "$zip" -@)
  echo "== Windows package: the installer" >&2
  makensis -V2 -DVERSION="$version" -DSOURCE="$stage" -DOUTFILE="$setup" -DLICENSE="$top/LICENSE" \
    "$top/resources/windows/installer.nsi" >&2
  echo "$setup"
  echo "$zip"
}

case "$kind" in
  windows) windows ;;
  *) echo "usage: tools/setup/package.sh windows" >&2; exit 2 ;;
esac
