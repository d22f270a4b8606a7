#!/usr/bin/env bash
# Runs Parlamo against the local demo services: installs what is missing,
# builds the two programs it runs, starts Apertium APy (reusing one that
# already answers on 2737) and the reference service on 127.0.0.1 port
# $PARLAMO_SERVER_PORT (default 8780), runs the client against it, and stops
# what it started when the client exits. Arguments go to the client
# (/startup, /debug).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${PARLAMO_RUN_BUILD_DIR:-$here/build-run}"
port="${PARLAMO_SERVER_PORT:-8780}"
case "$port" in
    '' | *[!0-9]*) echo "run.sh: PARLAMO_SERVER_PORT must be a port number, not '$port'" >&2; exit 2 ;;
esac
if [ "$port" -lt 1 ] || [ "$port" -gt 65535 ]; then
    echo "run.sh: PARLAMO_SERVER_PORT must be from 1 to 65535" >&2
    exit 2
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display (DISPLAY is not set). On a machine without a desktop try:" >&2
    echo "  xvfb-run -a ./scripts/run.sh" >&2
    exit 1
fi

"$here/scripts/install-deps.sh"
# Only the client and the reference service, in a folder of their own: a
# Release build with no tests or benchmarks configured, compiled as unity
# builds (a library's sources as one file) over the precompiled Qt headers,
# which is the quickest first build; ccache, where installed, makes later
# ones quicker still. The tests' build (scripts/test.sh) keeps build/.
if [ ! -f "$build/build.ninja" ]; then
    launcher=()
    if command -v ccache >/dev/null 2>&1; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DPARLAMO_PCH_WITH_LAUNCHER=ON)
    fi
    # -O2, as Debian builds its packages, rather than CMake's -O3: less to
    # compile, for a program that waits on its user and the network.
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON \
        "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
        -DPARLAMO_BUILD_TESTS=OFF -DPARLAMO_BUILD_BENCH=OFF "${launcher[@]}"
fi
cmake --build "$build" --target RaDudezozad parlamo-server

# shellcheck source=services.sh
. "$here/scripts/services.sh"

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

if parlamo_port_busy "$port"; then
    echo "run.sh: port $port is already in use; stop what runs there first," >&2
    echo "  or choose another one: PARLAMO_SERVER_PORT=8781 ./scripts/run.sh" >&2
    exit 1
fi
echo "run.sh: starting parlamo-server on 127.0.0.1:$port"
parlamo_start_server "$build/server/src/parlamo-server" "$here/data/demo/config.xml" "$port" \
    "$state/cache" "$state/server.log"
started+=("$PARLAMO_SERVER_PID")

echo "run.sh: starting Parlamo"
rc=0
PARLAMO_CONFIG_HOST="127.0.0.1:$port" "$build/RaDudezozad" "$@" || rc=$?
exit "$rc"
