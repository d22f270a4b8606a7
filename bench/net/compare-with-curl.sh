#!/bin/sh
# The two network goals in one run, each measured side by side with curl:
#   - a translation round trip against Apertium APy on loopback takes at most
#     1.05 times curl's own time for the same request;
#   - a 50 MB download reaches at least 0.9 of curl's throughput.
# Both figures are printed, side by side with curl's, whether or not they
# meet their goal.
# Usage: bench/net/compare-with-curl.sh [build-dir]   (default: build)
# Exit status 0 when both goals are met.
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
bulk=$("$download" --benchmark_filter=SideBySide 2>/dev/null | grep '^BM_SideBySide')

client=$(counter client_ms "$trip")
curl_own=$(counter curl_own_ms "$trip")
curl_process=$(counter curl_ms "$trip")
per_curl=$(counter client_per_curl_own "$trip")
ours=$(counter download_MBps "$bulk")
theirs=$(counter curl_MBps "$bulk")
ratio=$(counter ratio "$bulk")

echo "translation round trip: client $client ms, curl $curl_own ms (own) / $curl_process ms (process)"
echo "  client / curl = $per_curl (goal: at most 1.05)"
echo "download of 50 MB: client $ours MB/s, curl $theirs MB/s"
echo "  client / curl = $ratio (goal: at least 0.9)"

awk -v a="$per_curl" -v b="$ratio" 'BEGIN { exit !(a != "" && b != "" && a <= 1.05 && b >= 0.9) }'
