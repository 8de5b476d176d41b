#!/usr/bin/env bash
# The Debian package: built by tools/setup/package.sh with lintian reporting
# no error; its file list the one the README gives; unpacked with dpkg -x,
# the game answers --version and runs on its own data (started offscreen
# and ended by a signal, as the built one is), and the dictionary tool reads
# the packaged dictionary; the menu entry, the metainfo and the manual
# pages validate.
set -u
top=$1 termination_test=$2
fail() { echo "FAIL: $*"; exit 1; }
package=$("$top/tools/setup/package.sh" deb | tail -1) || fail "the package was not made (lintian or the build failed)"
[ -f "$package" ] || fail "no package at $package"
case "$(basename "$package")" in arcade-vorpex_[0-9]*.[0-9]*.[0-9]*_*.deb) ;; *) fail "badly named: $package" ;; esac

# The file list, as the README gives it.
listed=$(dpkg-deb -c "$package" | awk '{print $6}' | grep -v '/$' | sed 's|^\./|/|' | sort)
expected=$(sed -n '/^<!-- deb files -->$/,/^<!-- end -->$/p' "$top/README.md" | grep '^/' | sort)
[ -n "$expected" ] || fail "the README lists no files"
diff <(echo "$expected") <(echo "$listed") >&2 || fail "the package's files differ from the README's list"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$package" "$root"
"$root/usr/games/arcade-vorpex" --version | grep -q "^arcade-vorpex $(dpkg-deb -f "$package" Version)\$" ||
  fail "the unpacked game does not give the package's version"
"$root/usr/games/vorpex-dict" puzzle "$root/usr/lib/arcade-vorpex/VORPEX.DICT" 6 1 | grep -q '^rack ' ||
  fail "the unpacked dictionary tool does not read the packaged dictionary"
"$termination_test" "$root/usr/games/arcade-vorpex" >/dev/null || fail "the unpacked game did not run on its own data"

desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "the menu entry does not validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null || fail "the metainfo does not validate"
id=$(basename "$root"/usr/share/metainfo/*.metainfo.xml .metainfo.xml)
[ -f "$root/usr/share/applications/$id.desktop" ] || fail "the menu entry is not named by the metainfo's id $id"
for page in "$root"/usr/share/man/man*/*.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done
echo "the Debian package is lintian-clean, complete and runs unpacked"
