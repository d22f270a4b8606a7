#!/usr/bin/env bash
# Installs what is missing, checks the formatting and the shell scripts,
# builds, and runs every test; closes with the five slowest tests, so that a
# test drifting towards its time-out is seen before it fails.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${PARLAMO_BUILD_DIR:-$here/build}"
"$here/scripts/install-deps.sh"
"$here/scripts/check-format.sh"
"$here/scripts/check-shell.sh"
"$here/scripts/build.sh"
cd "$build"
log="$build/Testing/ctest-output.log"
mkdir -p "$build/Testing"
rc=0
# pipefail: rc is ctest's status
ctest -j2 --output-on-failure 2>&1 | tee "$log" || rc=$?
# ctest's own timing lines: "  1/62 Test  #7: name ......   Passed   12.34 sec"
echo
echo "The five slowest tests:"
sed -nE 's/^.*Test +#[0-9]+: ([^ ]+) \.*[^0-9]*([0-9]+\.[0-9]+) sec$/\2 \1/p' "$log" |
    sort -rn | head -n 5 | awk '{ printf "  %8.2f s  %s\n", $1, $2 }'
exit "$rc"
