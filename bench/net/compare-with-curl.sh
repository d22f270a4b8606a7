#!/bin/sh
# The network goals in one run, each measured side by side with curl:
#   - a translation round trip against Apertium APy on loopback takes at most
#     1.05 times curl's own time for the same request;
#   - like for like, Hear It's fetch of a file into the wav folder (the
#     download written as it arrives, then put in place) against "curl -o"
#     into the same folder: 50 MB at least 0.9 of curl's throughput, 40 KB in
#     at most 1.1 times curl's time.
# Every figure is printed, side by side with curl's, whether or not it meets
# its goal.
# Usage: bench/net/compare-with-curl.sh [build-dir]   (default: build)
# Exit status 0 when every goal is met.
set -eu
build=${1:-build}
roundtrip="$build/bench/e2e/bench_roundtrip"
download="$build/bench/net/bench_download"
for program in "$roundtrip" "$download"; do
    if [ ! -x "$program" ]; then
        echo "missing $program: cmake --build $build --target bench_roundtrip bench_download" >&2
        exit 2
    fi
done

# One counter of a benchmark's console line, e.g. counter ratio "$line".
counter() {
    printf '%s\n' "$2" | tr ' ' '\n' | sed -n "s/^$1=//p" | head -n 1
}

trip=$("$roundtrip" --benchmark_filter=SideBySide 2>/dev/null | grep '^BM_RoundTrip_SideBySide')
sides=$("$download" --benchmark_filter=SideBySide 2>/dev/null)
bulk=$(printf '%s\n' "$sides" | grep '^BM_SideBySide/50000000/')
small=$(printf '%s\n' "$sides" | grep '^BM_SideBySide/40000/')

client=$(counter client_ms "$trip")
curl_own=$(counter curl_own_ms "$trip")
curl_process=$(counter curl_ms "$trip")
per_curl=$(counter client_per_curl_own "$trip")
ours=$(counter download_MBps "$bulk")
theirs=$(counter curl_MBps "$bulk")
ratio=$(counter ratio "$bulk")
small_ours=$(counter download_ms "$small")
small_theirs=$(counter curl_ms "$small")
small_ratio=$(counter ratio "$small")
# ratio is curl's time over ours: the 40 KB goal is ours over curl's.
small_per_curl=$(awk -v r="$small_ratio" 'BEGIN { if (r > 0) printf "%.3f", 1 / r }')

echo "translation round trip: client $client ms, curl $curl_own ms (own) / $curl_process ms (process)"
echo "  client / curl = $per_curl (goal: at most 1.05)"
echo "50 MB into the wav folder: client $ours MB/s, curl -o $theirs MB/s"
echo "  client / curl throughput = $ratio (goal: at least 0.9)"
echo "40 KB into the wav folder: client $small_ours ms, curl -o $small_theirs ms"
echo "  client / curl time = $small_per_curl (goal: at most 1.1)"

awk -v a="$per_curl" -v b="$ratio" -v c="$small_per_curl" 'BEGIN {
    exit !(a != "" && b != "" && c != "" && a <= 1.05 && b >= 0.9 && c <= 1.1)
}'
