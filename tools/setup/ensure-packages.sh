#!/usr/bin/env bash
# Installs the Debian packages of tools/setup/debian-packages.txt (and any
# further lists named as arguments) that are not installed yet. Uses sudo when
# not run as root. Does nothing when everything is there.
#
# It prints one line a step; apt-get's own output goes to build/setup.log,
# which a failure names and shows the end of.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
lists=("$here/debian-packages.txt" "$@")

wanted=()
for list in "${lists[@]}"; do
  while read -r name _; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    wanted+=("$name")
  done < "$list"
done

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "setup: these packages are missing and apt-get is not available: ${missing[*]}" >&2
  exit 1
fi
# apt-get runs with no questions; through sudo, whose own prompt (if any) comes first.
as_root=(env DEBIAN_FRONTEND=noninteractive)
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || { echo "setup: not root and no sudo; install: ${missing[*]}" >&2; exit 1; }
  echo "setup: installing packages needs root; sudo may ask for your password"
  sudo -v
  as_root=(sudo "${as_root[@]}")
fi

mkdir -p "$top/build"
log=$top/build/setup.log
: > "$log"
# step DESCRIPTION COMMAND...: one line on the terminal, the command's output in the log.
step() {
  local what=$1; shift
  echo "setup: $what"
  echo "== $what: $*" >> "$log"
  if ! "$@" >> "$log" 2>&1 < /dev/null; then
    echo "setup: that failed; the last lines of its output follow, all of it is in $log" >&2
    tail -n 15 "$log" >&2
    exit 1
  fi
}
echo "setup: ${#missing[@]} Debian packages to install: ${missing[*]}"
step "reading the package lists (apt-get update)" "${as_root[@]}" apt-get update
step "downloading and installing them (a few minutes the first time)" \
  "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
echo "setup: packages installed"
