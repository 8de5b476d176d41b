#!/usr/bin/env bash
# Installs the Debian packages of tools/setup/debian-packages.txt (and any
# further lists named as arguments) that are not installed yet. Uses sudo when
# not run as root. Does nothing when everything is there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
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
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || { echo "setup: not root and no sudo; install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
