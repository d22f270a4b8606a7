#!/usr/bin/env bash
# Renders the application icon (two speech bubbles on a blue tile) from
# parlamo.svg into the PNG sizes the desktop and the window use. The 16 px
# one is drawn pixel by pixel instead: scaled down, the text lines in the
# bubbles turn to mud. Needs rsvg-convert (librsvg2-bin) and ImageMagick;
# run from anywhere.
set -euo pipefail
cd "$(dirname "$0")"
IM=/usr/bin/convert
[ -x "$IM" ] || IM=convert

for size in 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" parlamo.svg -o "parlamo-$size.png"
done

"$IM" -size 16x16 xc:none \
  -fill '#1f5fae' -draw 'roundrectangle 0,0 15,15 3,3' \
  -fill white -draw 'roundrectangle 2,2 10,8 2,2' -draw 'polygon 3,8 3,11 6,8' \
  -fill '#f59a23' -draw 'roundrectangle 6,7 14,13 2,2' -draw 'polygon 12,13 12,15 9,13' \
  PNG8:parlamo-16.png
