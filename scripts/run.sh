#!/usr/bin/env bash
# Runs Parlamo against the local demo services: installs what is missing,
# builds, starts Apertium APy (reusing one that already answers on 2737) and
# the reference service on 127.0.0.1:8780, runs the client, and stops what it
# started when the client exits. Arguments go to the client (/startup, /debug).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${PARLAMO_BUILD_DIR:-$here/build}"

"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"

# shellcheck source=services.sh
. "$here/scripts/services.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display (DISPLAY is not set). On a machine without a desktop try:" >&2
    echo "  xvfb-run -a ./scripts/run.sh" >&2
    exit 1
fi

state="$(mktemp -d "${TMPDIR:-/tmp}/parlamo-run.XXXXXX")"
started=()
cleanup() {
    local pid
    for pid in "${started[@]}"; do parlamo_stop_pid "$pid"; done
    rm -rf "$state"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

if parlamo_apy_answers 2737; then
    echo "run.sh: using the APy that answers on 127.0.0.1:2737"
else
    if parlamo_port_busy 2737; then
        echo "run.sh: port 2737 is taken by something that is not a working APy" >&2
        exit 1
    fi
    echo "run.sh: starting APy on 2737"
    parlamo_start_apy 2737 "$state/apy.log"
    started+=("$PARLAMO_APY_PID")
fi

if parlamo_port_busy 8780; then
    echo "run.sh: port 8780 is already in use; stop what runs there first" >&2
    exit 1
fi
echo "run.sh: starting parlamo-server on 127.0.0.1:8780"
parlamo_start_server "$build/server/src/parlamo-server" "$here/data/demo/config.xml" 8780 \
    "$state/cache" "$state/server.log"
started+=("$PARLAMO_SERVER_PID")

echo "run.sh: starting Parlamo"
rc=0
PARLAMO_CONFIG_HOST=127.0.0.1:8780 "$build/RaDudezozad" "$@" || rc=$?
exit "$rc"
