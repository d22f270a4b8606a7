#!/usr/bin/env bash
# Fails when a C++ file differs from what the root .clang-format makes of it.
# Fix with: clang-format -i FILE
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
command -v clang-format >/dev/null || { echo "check-format: clang-format is missing (scripts/install-deps.sh)" >&2; exit 1; }

files=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h' '*.hpp' '*.cc')
else
    mapfile -t files < <(find src server tests bench -name '*.cpp' -o -name '*.h' | sort)
fi
[ "${#files[@]}" -gt 0 ] || { echo "check-format: no C++ files found" >&2; exit 1; }

if clang-format --dry-run --Werror "${files[@]}"; then
    echo "check-format: ${#files[@]} files formatted as .clang-format says"
else
    echo "check-format: the files above differ; run clang-format -i on them" >&2
    exit 1
fi
