#!/usr/bin/env bash
# The local services Parlamo talks to: Apertium APy (the translation engine)
# and parlamo-server (configuration document, pronunciation, help pages).
#
# Sourced by run.sh, the end-to-end tests, screenshots.sh and the benchmarks,
# which own the processes they start and stop them by PID. Run directly it
# starts or stops the demo services for a developer:
#
#   scripts/services.sh start    # APy on 2737 (reused when one answers), server on
#                                # $PARLAMO_SERVER_PORT (default 8780)
#   scripts/services.sh stop
#
# Every wait polls with a time limit; nothing here stops a process it did not start.

PARLAMO_APY_MODES="${PARLAMO_APY_MODES:-/usr/share/apertium/modes}"

# True when something accepts connections on 127.0.0.1:PORT.
parlamo_port_busy() {
    (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

# A port on 127.0.0.1 that nothing listens on right now.
parlamo_free_port() {
    local port _
    for _ in $(seq 1 200); do
        # Below the kernel's range of ephemeral ports (32768 and up), so that
        # no outgoing connection of another test takes it before it is bound.
        port=$((20000 + (RANDOM * 32768 + RANDOM) % 12000))
        if ! parlamo_port_busy "$port"; then
            echo "$port"
            return 0
        fi
    done
    echo "parlamo_free_port: no free port found" >&2
    return 1
}

# True when an APy on PORT translates English to Spanish.
parlamo_apy_answers() {
    curl -fsS --max-time 5 "http://127.0.0.1:$1/translate?q=the%20house&langpair=eng%7Cspa" \
        2>/dev/null | grep -q '"translatedText": "La casa"'
}

# parlamo_wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s.
parlamo_wait_until() {
    local limit=$1
    shift
    local end=$((SECONDS + limit))
    while ! "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

# parlamo_start_apy PORT LOGFILE: sets PARLAMO_APY_PID; fails when APy does not
# translate within 30 s. Pipelines start lazily, so the first answer also
# warms the English-Spanish one.
parlamo_start_apy() {
    local port=$1 log=$2
    if ! command -v apertium-apy >/dev/null; then
        echo "apertium-apy is not installed (scripts/install-deps.sh installs it)" >&2
        return 1
    fi
    if [ ! -f "$PARLAMO_APY_MODES/eng-spa.mode" ]; then
        echo "no Apertium modes in $PARLAMO_APY_MODES (apertium-eng-spa missing?)" >&2
        return 1
    fi
    # APy wants a UTF-8 locale; it runs from its log folder so that anything
    # it writes lands there.
    (cd "$(dirname "$log")" && exec env LC_ALL=C.UTF-8 apertium-apy -p "$port" -m 300 \
        "$PARLAMO_APY_MODES" >"$log" 2>&1) &
    PARLAMO_APY_PID=$!
    if ! parlamo_wait_until 30 parlamo_apy_answers "$port"; then
        echo "APy did not answer on port $port within 30 s; its log:" >&2
        tail -n 20 "$log" >&2
        parlamo_stop_pid "$PARLAMO_APY_PID"
        PARLAMO_APY_PID=
        return 1
    fi
}

# True when the reference service on PORT answers the configuration request.
parlamo_server_answers() {
    curl -fsS --max-time 5 -o /dev/null "http://127.0.0.1:$1/translator/3/config.asp" 2>/dev/null
}

# parlamo_start_server SERVER_BIN DOCUMENT PORT CACHE_DIR LOGFILE [ARGS...]:
# sets PARLAMO_SERVER_PID; the request log goes to LOGFILE, messages to
# LOGFILE.err.
parlamo_start_server() {
    local bin=$1 doc=$2 port=$3 cache=$4 log=$5
    shift 5
    if [ ! -x "$bin" ]; then
        echo "parlamo-server not found at $bin (build it first)" >&2
        return 1
    fi
    "$bin" --port "$port" --cache "$cache" --log "$log" "$@" "$doc" 2>"$log.err" &
    PARLAMO_SERVER_PID=$!
    if ! parlamo_wait_until 15 parlamo_server_answers "$port"; then
        echo "parlamo-server did not answer on port $port within 15 s:" >&2
        cat "$log.err" >&2
        parlamo_stop_pid "$PARLAMO_SERVER_PID"
        PARLAMO_SERVER_PID=
        return 1
    fi
}

# parlamo_stop_pid PID...: TERM, up to 5 s of grace, then KILL. Only PIDs
# this shell started are passed here.
parlamo_stop_pid() {
    local pid
    for pid in "$@"; do
        [ -n "$pid" ] || continue
        kill -0 "$pid" 2>/dev/null || continue
        kill -TERM "$pid" 2>/dev/null || true
        local end=$((SECONDS + 5))
        while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$end" ]; do sleep 0.1; done
        kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null || true
    done
}

# The command-line use: demo services for a developer.
parlamo_services_main() {
    set -euo pipefail
    local here state build port
    here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    build="${PARLAMO_BUILD_DIR:-$here/build}"
    port="${PARLAMO_SERVER_PORT:-8780}"
    state="${PARLAMO_SERVICES_DIR:-${XDG_RUNTIME_DIR:-/tmp}/parlamo-services-$(id -u)}"
    case "${1:-}" in
        start)
            mkdir -p "$state"
            if parlamo_apy_answers 2737; then
                echo "APy already answers on 2737: using it"
            else
                # A detached APy: this shell ends right after, so it is not waited for.
                parlamo_start_apy 2737 "$state/apy.log"
                echo "$PARLAMO_APY_PID" >"$state/apy.pid"
                disown "$PARLAMO_APY_PID" 2>/dev/null || true
                echo "APy started on 2737 (PID $PARLAMO_APY_PID)"
            fi
            if parlamo_port_busy "$port"; then
                echo "port $port is already in use; not starting parlamo-server" >&2
                exit 1
            fi
            parlamo_start_server "$build/server/src/parlamo-server" "$here/data/demo/config.xml" \
                "$port" "$state/cache" "$state/server.log"
            echo "$PARLAMO_SERVER_PID" >"$state/server.pid"
            disown "$PARLAMO_SERVER_PID" 2>/dev/null || true
            echo "parlamo-server started on $port (PID $PARLAMO_SERVER_PID), log $state/server.log"
            ;;
        stop)
            local f
            for f in "$state/server.pid" "$state/apy.pid"; do
                [ -f "$f" ] || continue
                parlamo_stop_pid "$(cat "$f")"
                rm -f "$f"
            done
            echo "stopped"
            ;;
        *)
            echo "usage: $0 start|stop" >&2
            exit 2
            ;;
    esac
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    parlamo_services_main "$@"
fi
