#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer into build-fuzz/ (or
# $PARLAMO_FUZZ_BUILD_DIR), replays each seed corpus, then fuzzes each target
# for $PARLAMO_FUZZ_SECONDS seconds (default 20). New inputs go to
# build-fuzz/corpus/<name>, a failing input to build-fuzz/artifacts/.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${PARLAMO_FUZZ_BUILD_DIR:-$here/build-fuzz}"
seconds="${PARLAMO_FUZZ_SECONDS:-20}"
command -v clang++ >/dev/null || { echo "fuzz: clang is missing (scripts/install-deps.sh)" >&2; exit 1; }

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DPARLAMO_FUZZ=ON -DPARLAMO_BUILD_BENCH=OFF
cmake --build "$build" -j2 --target parlamo_fuzz

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$here/tests/sanitizer/lsan.supp:${LSAN_OPTIONS:-}"

mkdir -p "$build/artifacts"
failed=()
for target in "$build"/tests/fuzz/fuzz_*; do
    if [ ! -f "$target" ] || [ ! -x "$target" ]; then continue; fi
    name=${target##*/fuzz_}
    seeds="$here/tests/fuzz/corpus/$name"
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    echo "=== fuzz_$name: replay $(find "$seeds" -type f | wc -l) seeds, then ${seconds}s"
    opts=(-artifact_prefix="$build/artifacts/$name-" -timeout=10 -rss_limit_mb=2048)
    if ! "$target" "${opts[@]}" -runs=0 "$seeds" >"$build/fuzz_$name.log" 2>&1 ||
        ! "$target" "${opts[@]}" -max_total_time="$seconds" -print_final_stats=1 \
            "$corpus" "$seeds" >>"$build/fuzz_$name.log" 2>&1; then
        tail -n 60 "$build/fuzz_$name.log"
        failed+=("$name")
        continue
    fi
    grep -E '^stat::number_of_executed_units|^Done ' "$build/fuzz_$name.log" | tail -n 2
done

if [ "${#failed[@]}" -gt 0 ]; then
    echo "fuzz: failed: ${failed[*]} (inputs in $build/artifacts/)" >&2
    exit 1
fi
echo "fuzz: every target replayed its seeds and ran ${seconds}s without a finding"
