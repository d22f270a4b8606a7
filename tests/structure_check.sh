#!/bin/bash
# Fails when folders under src/ include each other in a cycle (a includes b,
# and b, directly or through others, includes a). Each folder is a room with
# its own concerns; a cycle would tie them into one.
# Usage: structure_check.sh SOURCE_DIR
set -euo pipefail
src="${1:?usage: structure_check.sh SOURCE_DIR}/src"

edges=$(
    for dir in "$src"/*/; do
        from=$(basename "$dir")
        echo "$from $from"
        grep -rhoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[A-Za-z0-9_]+/' "$dir" |
            sed -E 's/.*"([A-Za-z0-9_]+)\/$/\1/' | sort -u |
            while read -r to; do
                [ -d "$src/$to" ] && echo "$from $to"
            done
    done
)

if ! order=$(tsort <<<"$edges" 2>&1 >/dev/null) || [ -n "$order" ]; then
    echo "include cycle between src/ folders:" >&2
    echo "$order" | sed -n 's/^tsort: //p' >&2
    echo "folder includes:" >&2
    awk '$1 != $2' <<<"$edges" | sort >&2
    exit 1
fi
folders=("$src"/*/)
echo "no include cycle between the ${#folders[@]} folders of src/"
