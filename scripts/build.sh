#!/usr/bin/env bash
# Configures and builds Parlamo into build/ (or $PARLAMO_BUILD_DIR), with
# warnings as errors: this is the build of the tests and of CI. The
# program's libraries are unity builds, as scripts/run.sh makes them, so that
# two files of one library that clash when joined fail here first.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${PARLAMO_BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARLAMO_WERROR=ON -DCMAKE_UNITY_BUILD=ON "$@"
cmake --build "$build" -j2
