#!/usr/bin/env bash
# The sprite sheet, the icon and the sounds, made again, are byte for byte those of the build.
set -u
sprites=$1 sounds=$2 app=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
QT_QPA_PLATFORM=offscreen "$sprites" "$dir/ALLPICDATA.BMP" || { echo "FAIL: the painter failed"; exit 1; }
for times in 2 3; do
  QT_QPA_PLATFORM=offscreen "$sprites" --scale $times "$dir/ALLPICDATA@${times}x.BMP" || { echo "FAIL: the ${times}x painter failed"; exit 1; }
done
QT_QPA_PLATFORM=offscreen "$sprites" --icon "$dir/arcade-vorpex.png" || { echo "FAIL: the icon painter failed"; exit 1; }
"$sounds" "$dir" || { echo "FAIL: the synthesiser failed"; exit 1; }
for f in ALLPICDATA.BMP ALLPICDATA@2x.BMP ALLPICDATA@3x.BMP arcade-vorpex.png CLICK.wav UNCLICK.wav BEEP.wav BEEPS.wav RIGHT.wav CLAP.wav; do
  cmp -s "$dir/$f" "$app/$f" || { echo "FAIL: $f differs between runs"; exit 1; }
done
echo "data files are reproducible"
