#!/usr/bin/env bash
# Configures and builds Parlamo into build/ (or $PARLAMO_BUILD_DIR), with
# warnings as errors: this is the build of the tests and of CI.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${PARLAMO_BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARLAMO_WERROR=ON "$@"
cmake --build "$build" -j2
