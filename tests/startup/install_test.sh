#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the layout a desktop
# needs: the program folder, a launcher that starts the game from anywhere,
# a menu entry naming that launcher, the icon, and the licence and notices. The installed game is then
# started and ended by SIGTERM like the built one.
set -u
build=$1 termination_test=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install failed"; exit 1; }
fail() { echo "FAIL: $*"; exit 1; }
app=$prefix/lib/arcade-vorpex
for f in arcade-vorpex libwordcore.so vorpex-sound.so VORPEX.DICT VORPEX.DEFS ALLPICDATA.BMP ALLPICDATA@2x.BMP ALLPICDATA@3x.BMP TOLMIN.HTM arcade-vorpex.png \
         CLICK.wav UNCLICK.wav BEEP.wav BEEPS.wav RIGHT.wav CLAP.wav; do
  [ -f "$app/$f" ] || fail "$f is missing from the program folder"
done
for f in arcade-vorpex libwordcore.so vorpex-sound.so; do
  readelf -S "$app/$f" | grep -q '\.debug_' && fail "$f is installed with its debug information"
done
[ -x "$prefix/bin/arcade-vorpex" ] || fail "no launcher in bin/"
entry=$prefix/share/applications/net.arcadevorpex.ArcadeVorpex.desktop
grep -qx "Exec=$prefix/bin/arcade-vorpex" "$entry" || fail "the menu entry does not name the launcher: $(grep Exec "$entry")"
grep -qx "Icon=arcade-vorpex" "$entry" || fail "the menu entry names no icon"
for size in 16 22 24 32 48 64 128 256 512; do
  [ "$(file -b "$prefix/share/icons/hicolor/${size}x$size/apps/arcade-vorpex.png" | cut -d, -f2)" = " $size x $size" ] ||
    fail "no icon of $size pixels"
done
[ -s "$prefix/share/metainfo/net.arcadevorpex.ArcadeVorpex.metainfo.xml" ] || fail "no metainfo"
for page in man6/arcade-vorpex.6 man1/vorpex-dict.1; do
  [ -s "$prefix/share/man/$page" ] || fail "no manual page $page"
done
"$prefix/bin/vorpex-dict" --version | grep -q '^vorpex-dict ' || fail "the installed dictionary tool does not answer"
for f in LICENSE THIRD-PARTY-NOTICES.md SCOWL-COPYRIGHT.txt WORDNET-LICENSE.txt; do
  [ -s "$prefix/share/doc/arcade-vorpex/$f" ] || fail "$f is not installed"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "the menu entry is not valid"
fi
# Moved away from its prefix, the tree still runs: nothing points into the build.
moved=$(mktemp -d)
trap 'rm -rf "$prefix" "$moved"' EXIT
cp -a "$prefix/." "$moved/"
"$termination_test" "$moved/bin/arcade-vorpex" || fail "the installed game did not run"
echo "the installed tree is complete and runs"
