#!/usr/bin/env bash
# From the selection shortcut to the popup's translation shown, on a
# private X display: bench_popup with Qt's xcb platform while another
# program (xclip) holds the primary selection, against a loopback engine.
# Reports the time beyond the engine's own (goal <= 150 ms).
#   bench/e2e/popup_latency.sh [BUILD_DIR]
set -uo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-${PARLAMO_BUILD_DIR:-$here/build}}"
. "$here/tests/e2e/lib.sh"
bench="$build/bench/ui/bench_popup"
e2e_init popup_latency "$build/RaDudezozad" "$build/server/src/parlamo-server"
[ -x "$bench" ] || e2e_abort "not built: $bench (PARLAMO_BUILD_BENCH=ON and the tests)"
e2e_start_x
printf 'The house is very old' | xclip -quiet -selection primary -i >/dev/null 2>&1 &
e2e_track $!
primary_held() { [ -n "$(xclip -o -selection primary 2>/dev/null)" ]; }
parlamo_wait_until 5 primary_held ||
    e2e_abort "xclip does not hold the selection"
QT_QPA_PLATFORM=xcb "$bench" --benchmark_counters_tabular=true 2>"$E2E_ROOT/bench.err" |
    tee "$E2E_ROOT/bench.out"
# Columns: ... beyond_engine_ms engine_ms popup_ms.
beyond=$(awk '/^BM_/ && !/ERROR/ {print $(NF - 2)}' "$E2E_ROOT/bench.out" | sort -n | tail -n1)
e2e_check "the shortcut's way adds at most 150 ms to the engine's time (worst: ${beyond:-?} ms)" \
    awk -v b="${beyond:-9999}" 'BEGIN { exit !(b + 0 <= 150) }'
e2e_finish
