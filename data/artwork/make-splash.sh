#!/bin/sh
# Draws the start-up screen's picture (240x240) with ImageMagick. The lower
# band stays light for the status line and the progress bar; the version
# text is drawn in white over the dark part just above it.
set -eu
out="${1:-$(dirname "$0")/splash.png}"
convert -size 240x172 gradient:'#0b3d6e'-'#1f78b4' \
  \( -size 240x68 xc:'#f4f6f8' \) -append \
  -fill '#ffffff' -stroke none \
  -draw "roundrectangle 40,28 150,92 14,14" \
  -draw "polygon 62,90 80,90 58,110" \
  -fill '#ffcf40' \
  -draw "roundrectangle 104,58 204,116 14,14" \
  -draw "polygon 182,114 166,114 190,132" \
  -fill '#0b3d6e' -font DejaVu-Sans-Bold -pointsize 26 \
  -draw "text 70,71 'Aa'" \
  -fill '#5a3b00' -draw "text 130,98 'Ññ'" \
  -fill '#ffffff' -font DejaVu-Sans-Bold -pointsize 22 \
  -draw "text 16,150 'Parlamo'" \
  -fill '#c8d8e8' -stroke none -draw "rectangle 0,171 240,172" \
  -depth 8 -strip -define png:exclude-chunks=date,time "$out"
