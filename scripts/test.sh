#!/usr/bin/env bash
# Installs what is missing, checks the formatting and the shell scripts,
# builds, and runs every test.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${PARLAMO_BUILD_DIR:-$here/build}"
"$here/scripts/install-deps.sh"
"$here/scripts/check-format.sh"
"$here/scripts/check-shell.sh"
"$here/scripts/build.sh"
cd "$build"
ctest -j2 --output-on-failure
