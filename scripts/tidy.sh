#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over the program's own sources in
# src/ and server/, with the compile commands of a configure-only folder,
# build-tidy/ (or $PARLAMO_TIDY_BUILD_DIR): clang cannot read the precompiled
# headers of a GCC build.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${PARLAMO_TIDY_BUILD_DIR:-$here/build-tidy}"
command -v run-clang-tidy >/dev/null || { echo "tidy: clang-tidy is missing (scripts/install-deps.sh)" >&2; exit 1; }

# Configuring is enough: no source of ours includes generated code.
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null

log="$build/clang-tidy.log"
# run-clang-tidy exits 0 even when checks fire; the warnings are counted here.
run-clang-tidy -p "$build" -j 2 -quiet "^$here/(src|server)/" 2>&1 |
    sed 's/\x1b\[[0-9;]*m//g' >"$log" || {
    cat "$log"
    echo "tidy: clang-tidy could not run" >&2
    exit 1
}
if grep -E ': (warning|error): ' "$log"; then
    echo "tidy: the warnings above (full output in $log)" >&2
    exit 1
fi
echo "tidy: src/ and server/ pass clang-tidy"
