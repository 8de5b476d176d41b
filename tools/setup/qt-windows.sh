#!/usr/bin/env bash
# Qt for 64-bit Windows, built once from Debian's own source of the host's
# Qt (the source version of the installed qt6-base-dev, so that a point
# release that replaces it in the archive is followed) with mingw-w64, into
# a cache outside the clone that every later build and clone reuses:
#   ${XDG_CACHE_HOME:-~/.cache}/arcade-vorpex/qt-6.4.2-x86_64-w64-mingw32
# Prints that folder on its last line. The source comes through apt with a
# configuration of its own (its own deb-src list and state folder), so the
# machine's apt sources stay as they are; apt checks the files against
# Debian's signed index, and dpkg-source checks the uploader's signature
# on the .dsc against Debian's keyring. The modules the game needs: Core, Gui, Widgets, Test and the
# windows and offscreen platform plugins. The first build takes about 15 to
# 25 minutes on 2 cores; later runs return at once.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
"$top/tools/setup/ensure-packages.sh" "$top/tools/setup/windows-packages.txt"
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
version=${source_version%%+*}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/arcade-vorpex
prefix=$cache/qt-$version-x86_64-w64-mingw32
if [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]; then
  echo "== Qt $version for Windows: built before, in $prefix" >&2
  echo "$prefix"
  exit 0
fi
work=$cache/qt-$version-source
mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/apt/etc"
# The installed version may come from the point-release updates or the
# security archive as well as from the release itself.
{
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main"
} > "$work/apt/etc/sources.list"
touch "$work/apt/status"
apt_own=(-o "Dir::Etc::SourceList=$work/apt/etc/sources.list" -o Dir::Etc::SourceParts=/dev/null
         -o "Dir::State::Lists=$work/apt/lists" -o "Dir::State::status=$work/apt/status"
         -o "Dir::Cache=$work/apt/cache" -o "Dir::Cache::archives=$work/apt/archives"
         -o APT::Sandbox::User="$(id -un)" -o Debug::NoLocking=1)
started=$(date +%s)
if [ ! -d "$work/qtbase" ]; then
  echo "== Qt $version for Windows: fetching Debian's qt6-base $source_version source (46 MB)" >&2
  apt-get "${apt_own[@]}" -qq update >&2
  (cd "$work" && apt-get "${apt_own[@]}" -qq source --download-only "qt6-base=$source_version" >&2)
  echo "== Qt $version for Windows: unpacking it with Debian's patches" >&2
  rm -rf "$work/unpacked"
  # The files are checked against the sizes and hashes of the signed index
  # (apt) and of the .dsc, whose OpenPGP signature must be a Debian
  # uploader's (dpkg-source, with the keyrings of debian-keyring).
  (cd "$work" && dpkg-source --require-valid-signature -x "qt6-base_${source_version#*:}.dsc" unpacked >/dev/null)
  mv "$work/unpacked" "$work/qtbase"
fi
echo "== Qt $version for Windows: configuring" >&2
cat > "$work/toolchain.cmake" <<TOOLCHAIN
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN
# Off: what the game does not use. tabletevent: Debian's source leaves out
# the tablet header the windows plugin would include. dynamicgl: without
# OpenGL it cannot build. direct2d stays on: the DirectWrite font database
# the windows plugin links is built only with it.
cmake -S "$work/qtbase" -B "$work/build" -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_direct2d=ON >"$work/configure.log" 2>&1 ||
  { tail -40 "$work/configure.log" >&2; exit 1; }
echo "== Qt $version for Windows: building (the first time takes 15 to 25 minutes on 2 cores)" >&2
cmake --build "$work/build" >"$work/build.log" 2>&1 || { tail -40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >/dev/null
# Where the source came from, for the notices shipped beside the DLLs.
cp "$work/qtbase/LICENSES/LGPL-3.0-only.txt" "$prefix/LGPL-3.0-only.txt" 2>/dev/null ||
  cp "$work/qtbase/LICENSE.LGPL3" "$prefix/LGPL-3.0-only.txt"
printf 'Qt %s (qtbase), built from Debian'"'"'s source package qt6-base %s\n(https://sources.debian.org/src/qt6-base/%s/), unchanged but for Debian'"'"'s patches.\n' \
  "$version" "$source_version" "$source_version" > "$prefix/SOURCE.txt"
echo "== Qt $version for Windows: built in $(( $(date +%s) - started )) s, in $prefix" >&2
echo "$prefix"
