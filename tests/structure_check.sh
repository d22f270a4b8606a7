#!/bin/bash
# Checks how the folders under src/ include each other. Each folder is one
# library with its own concerns, and includes go one way:
#
#   net, config (on platform) -> service -> translate, history -> speech
#   (which encodes a text as translate does) -> startup -> ui -> app;
#   desktop and sound on config only, cli on translate and history only;
#   language (detection, the pair rule) on translate, used by ui, cli, app
#   ocr (reading text from images) on service, used by ui, cli and app
#
# The table below says which folders each one may include (besides itself);
# an include of any other folder fails, naming the file and the include. A
# folder missing from the table fails too, and so does a cycle (a includes b,
# and b, directly or through others, includes a).
# Usage: structure_check.sh SOURCE_DIR
set -euo pipefail
src="${1:?usage: structure_check.sh SOURCE_DIR}/src"

declare -A may_include=(
    [platform]=""
    [net]=""
    [config]="platform"
    [service]="net config platform"
    [translate]="service net config platform"
    [speech]="translate service net config platform"
    [history]="service net config platform"
    [language]="translate service net config platform"
    [ocr]="service net config platform"
    [desktop]="config platform"
    [sound]="config platform"
    [startup]="service net config platform"
    [ui]="startup language translate speech history ocr service net config platform"
    [cli]="language translate history ocr service net config platform"
    [app]="ui startup cli language desktop translate speech history ocr service net config platform"
)

wrong=0
edges=""
for dir in "$src"/*/; do
    from=$(basename "$dir")
    edges+="$from $from"$'\n'
    if [ -z "${may_include[$from]+set}" ]; then
        echo "src/$from/: a folder the direction table does not know" >&2
        wrong=1
        continue
    fi
    # FILE:LINE:#include "to/..."; the folder is cut out by bash itself, as a
    # process per include line made the check take a minute on a slow machine.
    while IFS=: read -r file number include; do
        [[ $include =~ \"([A-Za-z0-9_]+)/ ]] || continue
        to=${BASH_REMATCH[1]}
        [ "$to" = "$from" ] || [ ! -d "$src/$to" ] && continue
        edges+="$from $to"$'\n'
        if [[ " ${may_include[$from]} " != *" $to "* ]]; then
            echo "src/${file#"$src"/}:$number: $include: $from/ may not include $to/" >&2
            wrong=1
        fi
    done < <(grep -rnoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[A-Za-z0-9_]+/[^"]*"' \
        --include='*.h' --include='*.cpp' "$dir" || true)
done

if ! order=$(sort -u <<<"$edges" | tsort 2>&1 >/dev/null) || [ -n "$order" ]; then
    echo "include cycle between src/ folders:" >&2
    echo "$order" | sed -n 's/^tsort: //p' | grep -v 'input contains a loop' | sort -u >&2
    wrong=1
fi
[ "$wrong" = 0 ] || exit 1
folders=("$src"/*/)
echo "the ${#folders[@]} folders of src/ include each other only the allowed way"
