#!/bin/sh
# Reading a 1000x300 area with six lines of 14 px text, side by side with the
# tesseract command on the same image saved as PNG: the whole
# `RaDudezozad --read-image` process takes at most the time of `tesseract`
# with its defaults, and misreads no more characters. Both figures are
# printed whether or not they meet the goal. Runs offscreen (no display).
# Usage: bench/ocr/compare-with-tesseract.sh [build-dir]   (default: build)
# Exit status 0 when both goals are met.
set -eu
build=${1:-build}
bench="$build/bench/ocr/bench_ocr"
if [ ! -x "$bench" ]; then
    echo "missing $bench: cmake --build $build --target bench_ocr" >&2
    exit 2
fi
if ! command -v tesseract >/dev/null; then
    echo "missing the tesseract command (package tesseract-ocr)" >&2
    exit 2
fi

counter() {
    printf '%s\n' "$2" | tr ' ' '\n' | sed -n "s/^$1=//p" | head -n 1
}

line=$(QT_QPA_PLATFORM=offscreen "$bench" 2>/dev/null | grep '^BM_SideBySide')
ours=$(counter ours_s "$line")
theirs=$(counter tesseract_s "$line")
ratio=$(counter ratio "$line")
ours_errors=$(counter ours_errors "$line")
theirs_errors=$(counter tesseract_errors "$line")

echo "six lines of 14 px text, 1000x300: RaDudezozad --read-image $ours s, tesseract $theirs s"
echo "  ours / tesseract = $ratio (goal: at most 1.0)"
echo "  misread characters: ours $ours_errors, tesseract $theirs_errors (goal: ours at most theirs)"

awk -v r="$ratio" -v a="$ours_errors" -v b="$theirs_errors" \
    'BEGIN { exit !(r != "" && a != "" && r <= 1.0 && a <= b) }'
