#!/usr/bin/env bash
# Packages of the game, into build/packages/.
#
#   tools/setup/package.sh [deb]
#       the Debian package arcade-vorpex_<version>_amd64.deb, built from
#       debian/ with debhelper (dpkg-buildpackage -b) and checked by
#       lintian, which must report no error.
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
  # The word lists' and definitions' notices, as the Debian package carries them.
  mkdir -p "$stage/LICENSES"
  cp "$top"/resources/words/{SCOWL-COPYRIGHT,WORDNET-LICENSE,NAUGHTY-WORDS-LICENSE}.txt "$stage/LICENSES/"
  for notice in "$top"/resources/words/*/COPYRIGHT.txt; do
    language=$(basename "$(dirname "$notice")")
    cp "$notice" "$stage/LICENSES/words-$language-COPYRIGHT.txt"
  done
  local zip=$out/ArcadeVorpex-$version-windows-x86_64.zip setup=$out/ArcadeVorpex-$version-setup.exe
  rm -f "$zip" "$setup"
  echo "== Windows package: the zip" >&2
  (cd "$out/windows" && find ArcadeVorpex | LC_ALL=C sort | TZ=UTC zip -qX "$zip" -@)
  echo "== Windows package: the installer" >&2
  # What the uninstaller removes: exactly the files laid out here, then
  # their folders, deepest first, each only once it is empty.
  local removal=$out/windows/uninstall-list.nsh
  {
    (cd "$stage" && find . -type f | LC_ALL=C sort) | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
    (cd "$stage" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
  } > "$removal"
  makensis -V2 -DVERSION="$version" -DSOURCE="$stage" -DOUTFILE="$setup" -DLICENSE="$top/LICENSE" \
    -DREMOVAL="$removal" "$top/resources/windows/installer.nsi" >&2
  echo "$setup"
  echo "$zip"
}

deb() {
  "$top/tools/setup/ensure-packages.sh" "$top/tools/setup/package-packages.txt"
  # Built from the debian/ folder with debhelper, on a copy of the tree
  # (dpkg-buildpackage leaves the package beside the tree it builds, and
  # the build folder inside it): so the package lands in build/packages.
  local work=$top/build/deb arch src logged
  arch=$(dpkg --print-architecture)
  # One version: the CMake project's, which the changelog's top entry must give.
  logged=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version)
  if [ "$logged" != "$version" ]; then
    echo "package.sh: debian/changelog's top entry is $logged, the project is $version: add an entry" >&2
    exit 1
  fi
  src=$work/arcade-vorpex-$version
  echo "== Debian package: building it with debhelper" >&2
  rm -rf "$work"
  mkdir -p "$src"
  (cd "$top" && tar --exclude=./build --exclude=./.git -cf - .) | tar -xf - -C "$src"
  # dpkg-shlibdeps and lintian say what they find on standard error.
  (cd "$src" && dpkg-buildpackage -b -us -uc -j"$(nproc)" >&2)
  local package=$out/arcade-vorpex_${version}_$arch.deb
  mv "$work/arcade-vorpex_${version}_$arch.deb" "$package"
  echo "== Debian package: lintian" >&2
  lintian --fail-on error "$package" >&2
  echo "$package"
}

case "$kind" in
  ""|deb) deb ;;
  windows) windows ;;
  *) echo "usage: tools/setup/package.sh [deb|windows]" >&2; exit 2 ;;
esac
