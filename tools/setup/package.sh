#!/usr/bin/env bash
# Packages of the game, into build/packages/.
#
#   tools/setup/package.sh [deb]
#       the Debian package arcade-vorpex_<version>_amd64.deb, built from a
#       Release build with the system's own tools (dpkg-deb, dpkg-shlibdeps)
#       and checked by lintian, which must report no error.
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
  local build=$top/build/deb stage=$out/deb/root arch
  arch=$(dpkg --print-architecture)
  echo "== Debian package: building the game (Release)" >&2
  # The program folder in /usr/lib/arcade-vorpex: one folder of its own for
  # the program, its libraries and its data, as it runs from.
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_LIBDIR=lib \
    -DVORPEX_BENCH=OFF >/dev/null
  cmake --build "$build" --target arcade-vorpex vorpex-dict game_data >&2
  echo "== Debian package: laying it out" >&2
  rm -rf "$out/deb"
  DESTDIR=$stage cmake --install "$build" >/dev/null
  # Debian keeps a game's commands in /usr/games (the dictionary tool is one
  # of the game's); the menu entry names the game there, and the tool finds
  # the engine from there as it did from bin.
  mkdir -p "$stage/usr/games"
  mv "$stage/usr/bin/arcade-vorpex" "$stage/usr/bin/vorpex-dict" "$stage/usr/games/"
  rmdir "$stage/usr/bin"
  sed -i 's|^Exec=.*|Exec=/usr/games/arcade-vorpex|' "$stage/usr/share/applications/"*.desktop
  # The manual pages compressed, the licence in Debian's copyright form
  # (the same MIT text, so not again as LICENSE), and a changelog.
  gzip -9n "$stage/usr/share/man/man6/arcade-vorpex.6" "$stage/usr/share/man/man1/vorpex-dict.1"
  local doc=$stage/usr/share/doc/arcade-vorpex
  rm -f "$doc/LICENSE"
  cp "$top/resources/debian/copyright" "$doc/copyright"
  gzip -9nc "$top/resources/debian/changelog" > "$doc/changelog.gz"
  find "$stage" -type d -exec chmod 755 {} +
  find "$stage" -type f -exec chmod 644 {} +
  chmod 755 "$stage/usr/games/arcade-vorpex" "$stage/usr/games/vorpex-dict" "$stage/usr/lib/arcade-vorpex/arcade-vorpex"
  chmod 644 "$stage/usr/lib/arcade-vorpex/"*.so
  # What the programs need, as the system's own tool finds it.
  local shlibs work
  work=$(mktemp -d)
  mkdir -p "$work/debian"
  printf 'Source: arcade-vorpex\n\nPackage: arcade-vorpex\nArchitecture: any\n' > "$work/debian/control"
  shlibs=$(cd "$work" && dpkg-shlibdeps -O -l"$stage/usr/lib/arcade-vorpex" \
             "$stage/usr/lib/arcade-vorpex/arcade-vorpex" "$stage/usr/lib/arcade-vorpex/"*.so \
             "$stage/usr/games/vorpex-dict" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
  rm -rf "$work"
  mkdir -p "$stage/DEBIAN"
  cat > "$stage/DEBIAN/control" <<CONTROL
Package: arcade-vorpex
Version: $version
Architecture: $arch
Maintainer: The Arcade Vorpex developers <arcade-vorpex@example.org>
Installed-Size: $(du -sk --exclude=DEBIAN "$stage" | cut -f1)
Depends: $shlibs, fonts-liberation
Recommends: qt6-wayland
Section: games
Priority: optional
Description: word game: spell every word hidden in a rack of letters
 Arcade Vorpex deals a rack of five to eight letters taken from one
 dictionary word. Click the tiles to spell every word of three letters or
 more hidden in it; each new word scores by its length. Four levels grow
 from five letters to eight, in a relaxed mode and a timed one, with a Hall
 of Fame for each and games saved and resumed.
 .
 Beyond the classic game: the keyboard may pick the tiles, a word's
 meanings show as you point at it, a high-contrast palette, and the window
 at any size or full screen.
CONTROL
  (cd "$stage" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum > DEBIAN/md5sums)
  local package=$out/arcade-vorpex_${version}_$arch.deb
  rm -f "$package"
  dpkg-deb --root-owner-group -Zxz --build "$stage" "$package" >/dev/null
  echo "== Debian package: lintian" >&2
  lintian --fail-on error --suppress-tags-from-file "$top/resources/debian/lintian-explained" "$package" >&2
  echo "$package"
}

case "$kind" in
  ""|deb) deb ;;
  windows) windows ;;
  *) echo "usage: tools/setup/package.sh [deb|windows]" >&2; exit 2 ;;
esac
