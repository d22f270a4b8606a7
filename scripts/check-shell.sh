#!/usr/bin/env bash
# Runs shellcheck (settings in .shellcheckrc) over every shell script.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
command -v shellcheck >/dev/null || { echo "check-shell: shellcheck is missing (scripts/install-deps.sh)" >&2; exit 1; }

files=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.sh' .ci/run data/package/postinst data/package/prerm \
        data/package/postrm)
else
    mapfile -t files < <(find . -name '*.sh' -not -path './build*' | sort; echo .ci/run
        printf 'data/package/%s\n' postinst prerm postrm)
fi
[ "${#files[@]}" -gt 0 ] || { echo "check-shell: no scripts found" >&2; exit 1; }

shellcheck "${files[@]}"
echo "check-shell: ${#files[@]} scripts pass shellcheck"
