#!/usr/bin/env bash
# Draws the application icon (two speech bubbles on a blue tile) at 16 and
# 32 pixels as 256-colour PNGs. Needs ImageMagick; run from anywhere.
set -euo pipefail
cd "$(dirname "$0")"
IM=/usr/bin/convert
[ -x "$IM" ] || IM=convert

"$IM" -size 32x32 xc:none \
  -fill '#1f5fae' -stroke '#163f73' -strokewidth 1 -draw 'roundrectangle 0.5,0.5 31.5,31.5 6,6' \
  -stroke none -fill white -draw 'roundrectangle 4,5 21,17 4,4' -draw 'polygon 7,16 7,22 13,16' \
  -fill '#f59a23' -draw 'roundrectangle 11,14 28,26 4,4' -draw 'polygon 24,25 25,30 19,25' \
  -fill '#1f5fae' -draw 'rectangle 15,19 24,20' -draw 'rectangle 15,22 21,23' \
  -fill '#1f5fae' -draw 'rectangle 7,9 17,10' -draw 'rectangle 7,12 11,13' \
  PNG8:parlamo-32.png

"$IM" -size 16x16 xc:none \
  -fill '#1f5fae' -draw 'roundrectangle 0,0 15,15 3,3' \
  -fill white -draw 'roundrectangle 2,2 10,8 2,2' -draw 'polygon 3,8 3,11 6,8' \
  -fill '#f59a23' -draw 'roundrectangle 6,7 14,13 2,2' -draw 'polygon 12,13 12,15 9,13' \
  PNG8:parlamo-16.png
