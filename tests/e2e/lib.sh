#!/usr/bin/env bash
# Helpers for the whole-program tests: a private X display with a tray host,
# headless PulseAudio, the local services, the client in a program folder of
# its own, and xdotool/ImageMagick to act and look as a user would.
#
# Every process is started here and stopped by its PID when the test ends.
# A facility that is missing fails the test loudly; nothing is skipped.
#
# Variables set here (FROM_Y, E2E_SINK_MONITOR...) are read by the scripts
# that source this file.
# shellcheck disable=SC2034

E2E_HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../scripts/services.sh
. "$E2E_HERE/../../scripts/services.sh"

E2E_PIDS=()
E2E_FAILURES=0
E2E_CHECKS=0

e2e_log() { echo "[e2e ${E2E_NAME:-}] $*"; }

e2e_pass() {
    E2E_CHECKS=$((E2E_CHECKS + 1))
    echo "PASS: $*"
}

e2e_fail() {
    E2E_CHECKS=$((E2E_CHECKS + 1))
    E2E_FAILURES=$((E2E_FAILURES + 1))
    echo "FAIL: $*"
}

# e2e_check DESCRIPTION COMMAND...: one named check.
e2e_check() {
    local what=$1
    shift
    if "$@"; then e2e_pass "$what"; else e2e_fail "$what"; fi
}

# Ends the test at once: a facility is missing or a step that later checks
# depend on failed.
e2e_abort() {
    echo "FAIL: $*"
    E2E_FAILURES=$((E2E_FAILURES + 1))
    exit 1
}

e2e_require() {
    local missing=() c
    for c in "$@"; do command -v "$c" >/dev/null 2>&1 || missing+=("$c"); done
    if [ ${#missing[@]} -gt 0 ]; then
        e2e_abort "missing facility: ${missing[*]} (scripts/install-deps.sh installs them)"
    fi
}

# e2e_track PID: stopped when the test ends, however it ends.
e2e_track() {
    E2E_PIDS+=("$1")
    echo "$1" >>"$E2E_ROOT/pids"
}

e2e_cleanup() {
    local rc=$?
    local i
    rm -f "$E2E_ROOT/pids"
    [ -n "${E2E_WATCHDOG:-}" ] && kill -KILL "$E2E_WATCHDOG" 2>/dev/null
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do parlamo_stop_pid "${E2E_PIDS[$i]}"; done
    # 77: skipped, nothing to look into.
    if { [ "$rc" -ne 0 ] && [ "$rc" -ne 77 ]; } || [ "$E2E_FAILURES" -ne 0 ]; then
        local f
        for f in "$E2E_ROOT"/*.log "$E2E_ROOT"/*.err; do
            [ -s "$f" ] || continue
            echo "---- $(basename "$f") (last lines)"
            tail -n 25 "$f"
        done
        echo "---- files kept in $E2E_ROOT"
    else
        rm -rf "$E2E_ROOT"
    fi
}

e2e_finish() {
    if [ "$E2E_FAILURES" -ne 0 ]; then
        echo "e2e $E2E_NAME: $E2E_FAILURES of $E2E_CHECKS checks FAILED"
        exit 1
    fi
    echo "e2e $E2E_NAME: all $E2E_CHECKS checks passed"
    exit 0
}

# e2e_init NAME CLIENT SERVER: private homes for everything the test starts.
e2e_init() {
    E2E_NAME=$1
    E2E_CLIENT=$2
    E2E_SERVER=$3
    E2E_ROOT="$(mktemp -d "${TMPDIR:-/tmp}/parlamo-e2e-$E2E_NAME.XXXXXX")"
    trap e2e_cleanup EXIT
    # Should this shell be killed outright, a watchdog stops what it started.
    local parent=$$
    (
        trap "" INT TERM
        while kill -0 "$parent" 2>/dev/null; do sleep 1; done
        [ -f "$E2E_ROOT/pids" ] && xargs -r kill -TERM <"$E2E_ROOT/pids" 2>/dev/null
    ) </dev/null >/dev/null 2>&1 &
    E2E_WATCHDOG=$!
    disown "$E2E_WATCHDOG" 2>/dev/null || true
    trap 'exit 130' INT TERM
    [ -x "$E2E_CLIENT" ] || e2e_abort "client not built: $E2E_CLIENT"
    [ -x "$E2E_SERVER" ] || e2e_abort "server not built: $E2E_SERVER"
    e2e_require Xvfb xdotool xwininfo xdpyinfo xclip import convert compare curl
    export HOME="$E2E_ROOT/home"
    export XDG_CONFIG_HOME="$E2E_ROOT/config"
    export XDG_DATA_HOME="$E2E_ROOT/data"
    export XDG_CACHE_HOME="$E2E_ROOT/cache"
    export XDG_RUNTIME_DIR="$E2E_ROOT/run"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY SESSION_MANAGER PULSE_SERVER
    export QT_QPA_PLATFORM=xcb
    # The checks read the program's own texts in English, whatever the
    # language of the desktop that runs the tests.
    export LC_ALL=C.UTF-8
    unset LANGUAGE
    # Opening a help address must not reach a real browser.
    export BROWSER="$E2E_ROOT/browser.sh"
    printf '#!/bin/sh\necho "$@" >> "%s/browser.urls"\n' "$E2E_ROOT" >"$BROWSER"
    chmod +x "$BROWSER"
    E2E_PROGRAM="$E2E_ROOT/program"
    mkdir -p "$E2E_PROGRAM"
}

e2e_start_x() {
    local fdfile="$E2E_ROOT/display"
    : >"$fdfile"
    Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp -noreset 5>"$fdfile" >"$E2E_ROOT/xvfb.log" 2>&1 &
    e2e_track $!
    parlamo_wait_until 15 test -s "$fdfile" || e2e_abort "Xvfb did not start"
    DISPLAY=":$(head -n1 "$fdfile")"
    export DISPLAY
    parlamo_wait_until 15 xdpyinfo >/dev/null 2>&1 || e2e_abort "display $DISPLAY does not answer"
    e2e_log "X display $DISPLAY"
}

# A tray host, started before the client so that its icon can dock.
e2e_start_tray() {
    e2e_require trayer
    E2E_PANEL=""
    # A trayer that quits before its panel shows (it has once found the fresh
    # display unreachable under a heavy load) is started once more.
    local try pid end
    for try in 1 2; do
        trayer --edge top --align right --widthtype request --height 28 \
            >>"$E2E_ROOT/trayer.log" 2>&1 &
        pid=$!
        e2e_track "$pid"
        end=$((SECONDS + 15))
        while [ -z "$E2E_PANEL" ] && [ "$SECONDS" -lt "$end" ] && kill -0 "$pid" 2>/dev/null; do
            E2E_PANEL=$(xdotool search --classname '^panel$' 2>/dev/null | head -n1)
            [ -n "$E2E_PANEL" ] || sleep 0.1
        done
        [ -n "$E2E_PANEL" ] && break
        e2e_log "trayer ended before its panel showed (try $try)"
    done
    [ -n "$E2E_PANEL" ] || e2e_abort "trayer's panel did not appear"
}

# PulseAudio with a null sink; E2E_SINK_MONITOR names what to record from.
e2e_start_audio() {
    e2e_require pulseaudio pactl parecord sox
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
        --load=module-null-sink --load=module-native-protocol-unix \
        --log-target=file:"$E2E_ROOT/pulse.log" >/dev/null 2>&1 &
    e2e_track $!
    parlamo_wait_until 15 pactl info >/dev/null 2>&1 || e2e_abort "PulseAudio did not start"
    local sink
    sink=$(pactl get-default-sink 2>/dev/null)
    [ -n "$sink" ] || e2e_abort "PulseAudio has no default sink"
    E2E_SINK_MONITOR="$sink.monitor"
}

e2e_start_apy() {
    E2E_APY_PORT=$(parlamo_free_port) || e2e_abort "no free port"
    parlamo_start_apy "$E2E_APY_PORT" "$E2E_ROOT/apy.log" || e2e_abort "APy did not start"
    e2e_track "$PARLAMO_APY_PID"
}

# e2e_apy_says PAIR TEXT: the engine's own translation, asked directly.
e2e_apy_says() {
    curl -fsS --get --data-urlencode "q=$2" --data-urlencode "langpair=$1" \
        --data "markUnknown=no" "http://127.0.0.1:$E2E_APY_PORT/translate" |
        python3 -c 'import json, sys; print(json.load(sys.stdin)["responseData"]["translatedText"])'
}

# e2e_make_document OUT [SED_EXPRESSION]: the demo document pointed at this
# test's ports (APy and the reference service).
e2e_make_document() {
    local out=$1 extra=${2:-}
    E2E_SERVER_PORT=${E2E_SERVER_PORT:-$(parlamo_free_port)}
    sed -e "s|127\.0\.0\.1:2737|127.0.0.1:${E2E_APY_PORT:-9}|g" \
        -e "s|127\.0\.0\.1:8780|127.0.0.1:$E2E_SERVER_PORT|g" \
        ${extra:+-e "$extra"} "$E2E_HERE/../../data/demo/config.xml" >"$out"
}

# e2e_start_server DOCUMENT [ARGS...]
e2e_start_server() {
    local doc=$1
    shift
    parlamo_start_server "$E2E_SERVER" "$doc" "$E2E_SERVER_PORT" "$E2E_ROOT/server-cache" \
        "$E2E_ROOT/server.log" --pages "$E2E_HERE/../../data/demo" "$@" ||
        e2e_abort "parlamo-server did not start"
    E2E_SERVER_PID=$PARLAMO_SERVER_PID
    e2e_track "$E2E_SERVER_PID"
}

# A copy of the program, with the sound and language detection libraries it
# loads from beside it, in a folder of its own, so that config.xml and wav/
# land beside it, talking to this test's reference service. Arguments, if any, go to the program.
# shellcheck disable=SC2120
e2e_start_client() {
    cp "$E2E_CLIENT" "$E2E_PROGRAM/RaDudezozad"
    cp "$(dirname "$E2E_CLIENT")/libparlamo_sound.so" "$E2E_PROGRAM/"
    cp "$(dirname "$E2E_CLIENT")/libparlamo_cld2.so" "$E2E_PROGRAM/"
    cp "$(dirname "$E2E_CLIENT")/libparlamo_ocr_tesseract.so" "$E2E_PROGRAM/"
    PARLAMO_CONFIG_HOST="127.0.0.1:$E2E_SERVER_PORT" "$E2E_PROGRAM/RaDudezozad" "$@" \
        >"$E2E_ROOT/client.log" 2>&1 &
    E2E_CLIENT_PID=$!
    e2e_track "$E2E_CLIENT_PID"
}

e2e_client_running() { kill -0 "$E2E_CLIENT_PID" 2>/dev/null; }
e2e_client_gone() { ! e2e_client_running; }

# e2e_find_window TITLE: the first visible top-level window with exactly that
# title, or nothing.
e2e_find_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1
}

# e2e_wait_window TITLE SECONDS: prints the window id, fails after SECONDS.
e2e_wait_window() {
    local title=$1 limit=$2 wid="" end=$((SECONDS + $2))
    while [ "$SECONDS" -lt "$end" ]; do
        wid=$(e2e_find_window "$title")
        [ -n "$wid" ] && break
        e2e_client_running || break
        sleep 0.1
    done
    [ -n "$wid" ] || return 1
    echo "$wid"
}

# e2e_geometry WID: sets GX GY GW GH (position and size on the screen).
e2e_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^X=/GX=/p;s/^Y=/GY=/p;s/^WIDTH=/GW=/p;s/^HEIGHT=/GH=/p')"
}

e2e_screenshot() {  # WID OUT.png
    import -window "$1" "$2" 2>/dev/null
}

# e2e_white_runs PNG X: the vertical runs of pure white (a text box's
# background) in column X, as "top bottom" lines, at least 8 pixels tall.
e2e_white_runs() {
    convert "$1" -crop "1x100000+$2+0" +repage -depth 8 txt:- 2>/dev/null |
        awk -F'[,: ]+' 'NR > 1 {
            y = $2; white = ($0 ~ /#FFFFFF/)
            if (white && start < 0) start = y
            if (!white && start >= 0) { if (y - start >= 8) print start, y - 1; start = -1 }
            last = y
        }
        BEGIN { start = -1 }
        END { if (start >= 0 && last - start + 1 >= 8) print start, last }'
}

# e2e_click WID X Y [BUTTON]: a click at window coordinates.
e2e_click() {
    xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
}

e2e_not() { ! "$@"; }

e2e_clipboard() { xclip -o -selection clipboard 2>/dev/null; }
# e2e_status_reads WID TEXT: the status line (bottom band of the window) shows
# TEXT, drawn exactly as a status-bar label draws it.
e2e_status_reads() {
    local wid=$1 text=$2 shot="$E2E_ROOT/status.png" tmpl="$E2E_ROOT/status-text.png"
    "${E2E_PROBE:?the text probe}" "$text" "$E2E_ROOT/status-probe.png" >/dev/null 2>&1 || return 1
    convert "$E2E_ROOT/status-probe.png" -trim +repage "$tmpl" || return 1
    e2e_geometry "$wid"
    e2e_screenshot "$wid" "$E2E_ROOT/window.png" || return 1
    convert "$E2E_ROOT/window.png" -crop "${GW}x40+0+$((GH - 40))" +repage "$shot" || return 1
    local out differing size
    out=$(compare -metric AE -fuzz 10% -subimage-search "$shot" "$tmpl" null: 2>&1)
    differing=${out%% *}
    [[ "$differing" =~ ^[0-9]+$ ]] || return 1
    size=$(identify -format '%[fx:w*h]' "$tmpl")
    # A few pixels of tolerance for antialiasing against the bar's background.
    [ "$differing" -le $((size / 50)) ]
}

# e2e_text_boxes WID: sets FROM_Y and TO_Y, the middles of the source and the
# target box, found as the white runs in a column near the left edge. A window
# just mapped may not be painted yet (slow under the sanitizers): look again
# for up to ten seconds.
e2e_text_boxes() {
    local runs=() end=$((SECONDS + 10))
    while :; do
        if e2e_screenshot "$1" "$E2E_ROOT/window.png"; then
            mapfile -t runs < <(e2e_white_runs "$E2E_ROOT/window.png" 20)
            [ ${#runs[@]} -ge 2 ] && break
        fi
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.3
    done
    FROM_Y=$(awk '{print int(($1 + $2) / 2)}' <<<"${runs[0]}")
    TO_Y=$(awk '{print int(($1 + $2) / 2)}' <<<"${runs[1]}")
}

# e2e_read_box WID Y: the text of the box at (40, Y), through the clipboard.
e2e_read_box() {
    # xclip stays behind to serve the selection: keep it off our output.
    printf '' | xclip -selection clipboard >/dev/null 2>&1
    e2e_click "$1" 40 "$2"
    xdotool key --delay 50 ctrl+a ctrl+c
    sleep 0.2
    e2e_clipboard
}

# e2e_wait_box_text WID Y TEXT SECONDS
e2e_wait_box_text() {
    local end=$((SECONDS + $4)) got=""
    while [ "$SECONDS" -lt "$end" ]; do
        got=$(e2e_read_box "$1" "$2")
        [ "$got" = "$3" ] && return 0
        sleep 0.5
    done
    echo "  the box reads: '$got'"
    return 1
}

# e2e_tray_icon: the program's icon docked in trayer's panel, or nothing.
e2e_tray_icon() {
    xwininfo -id "$E2E_PANEL" -tree 2>/dev/null | awk '$2 ~ /RaDudezozad/ {print $1; exit}'
}

e2e_wait_tray_icon() {  # SECONDS
    local icon="" end=$((SECONDS + $1))
    while [ -z "$icon" ] && [ "$SECONDS" -lt "$end" ] && e2e_client_running; do
        icon=$(e2e_tray_icon)
        [ -n "$icon" ] || sleep 0.1
    done
    [ -n "$icon" ] && echo "$icon"
}


# A private session bus for this test: sets and exports
# DBUS_SESSION_BUS_ADDRESS.
e2e_start_session_bus() {
    e2e_require dbus-daemon gdbus
    local addr="$E2E_ROOT/bus.address"
    : >"$addr"
    dbus-daemon --session --nofork --nopidfile --print-address=5 5>"$addr" \
        >"$E2E_ROOT/dbus.log" 2>&1 &
    e2e_track $!
    parlamo_wait_until 15 test -s "$addr" || e2e_abort "dbus-daemon did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$addr")
    export DBUS_SESSION_BUS_ADDRESS
    e2e_log "session bus $DBUS_SESSION_BUS_ADDRESS"
}

# e2e_bus_call METHOD [ARGS...]: calls org.velmor.Parlamo.METHOD on the
# running program; prints gdbus's answer, such as ('Hola mundo',).
e2e_bus_call() {
    local method=$1
    shift
    gdbus call --session --timeout 30 --dest org.velmor.Parlamo \
        --object-path /org/velmor/Parlamo --method "org.velmor.Parlamo.$method" "$@"
}

# e2e_count_config_requests: how often the reference service was asked for
# the configuration document.
e2e_count_config_requests() {
    grep -c ' "/translator/3/config.asp?' "$E2E_ROOT/server.log" 2>/dev/null || true
}
