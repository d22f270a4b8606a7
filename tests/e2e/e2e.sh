#!/usr/bin/env bash
# Whole-program tests, one case per run, acting as a user would:
#   e2e.sh CASE CLIENT SERVER TEXTPROBE
# CASE is first_start, translate, hear_it, tray or offline.
set -uo pipefail
CASE=${1:?case}
. "$(dirname "$0")/lib.sh"
e2e_init "$CASE" "${2:?client}" "${3:?server}"
E2E_PROBE=${4:?textprobe}

case_first_start() {
    e2e_start_x
    e2e_make_document "$E2E_ROOT/config-served.xml"
    e2e_start_server "$E2E_ROOT/config-served.xml"
    e2e_start_client
    local wid
    wid=$(e2e_wait_window Parlamo 30) || e2e_abort "the main window \"Parlamo\" did not appear"
    e2e_pass "the main window \"Parlamo\" appeared"

    local request
    request=$(grep ' "/translator/3/config.asp?' "$E2E_ROOT/server.log" | head -n1)
    e2e_log "configuration request: $request"
    e2e_check "the configuration request carries version=3.1.108" \
        grep -q 'version="3.1.108"' <<<"$request"
    # shellcheck disable=SC2016 # $1 is the inner shell's argument
    e2e_check "the request carries uid (empty at the first start) and a real installdate" \
        bash -c '[[ "$1" == *"uid=\"\" "* && "$1" == *installdate=\"?* && "$1" != *installdate=\"Null\"* ]]' \
        _ "$request"

    local ini="$XDG_CONFIG_HOME/Velmor/Rorererizu/3.ini"
    local autostart="$XDG_CONFIG_HOME/autostart/velmor-parlamo.desktop"
    e2e_check "config.xml was saved beside the program" \
        grep -q 'name="Apertium"' "$E2E_PROGRAM/config.xml"
    e2e_check "the settings file records firstStart=0" grep -q '^firstStart=0' "$ini"
    e2e_check "the settings file records the installation date" grep -q '^installdate=.' "$ini"
    e2e_check "the autostart entry starts this program with /startup" \
        grep -qF "$E2E_PROGRAM/RaDudezozad /startup" "$autostart"

    # Help > Online Help: the demo document's help address is a page the
    # reference service serves. BROWSER stands in for the desktop's browser.
    e2e_text_boxes "$wid" || e2e_abort "cannot find the text boxes in the window"
    e2e_click "$wid" 40 "$FROM_Y"
    xdotool key --delay 150 alt+f Right Right o
    local help="http://127.0.0.1:$E2E_SERVER_PORT/help.html"
    e2e_check "Help > Online Help opens $help" \
        parlamo_wait_until 10 grep -qxF "$help" "$E2E_ROOT/browser.urls"
    # shellcheck disable=SC2016 # $1 is the inner shell's argument
    e2e_check "the reference service serves the help page" \
        bash -c 'curl -fsS "$1" | grep -q "<title>Parlamo help</title>"' _ "$help"
}

case_translate() {
    e2e_start_x
    e2e_start_apy
    e2e_make_document "$E2E_ROOT/config-served.xml"
    e2e_start_server "$E2E_ROOT/config-served.xml"
    e2e_start_client
    local wid
    wid=$(e2e_wait_window Parlamo 30) || e2e_abort "the main window \"Parlamo\" did not appear"
    e2e_text_boxes "$wid" || e2e_abort "cannot find the two text boxes in the window"
    e2e_check "before translating, the status line does not read \"Translated.\"" \
        e2e_not e2e_status_reads "$wid" "Translated."

    # The default engine (GET) and pair (English to Spanish).
    e2e_click "$wid" 40 "$FROM_Y"
    xdotool type --delay 20 "The house is very old"
    xdotool key alt+t
    e2e_check "the target box shows \"La casa es muy vieja\"" \
        e2e_wait_box_text "$wid" "$TO_Y" "La casa es muy vieja" 30
    e2e_check "the status line reads \"Translated.\"" \
        parlamo_wait_until 5 e2e_status_reads "$wid" "Translated."
    e2e_check "APy got a GET with markUnknown=no" \
        grep -q 'GET /translate?q=The%20house%20is%20very%20old&langpair=eng%7Cspa&markUnknown=no' \
        "$E2E_ROOT/apy.log"

    # The second engine sends its request by POST; its answer has a non-ASCII letter.
    e2e_click "$wid" 40 "$FROM_Y"
    xdotool key --delay 50 ctrl+a BackSpace
    xdotool type --delay 20 "Good morning"
    xdotool key --delay 100 Tab Tab Down
    xdotool key alt+t
    e2e_check "the POST engine's answer \"Buenos días\" is shown" \
        e2e_wait_box_text "$wid" "$TO_Y" "Buenos días" 30
    e2e_check "APy got a POST with the text in the address" \
        grep -q 'POST /translate?q=Good%20morning&langpair=eng%7Cspa&markUnknown=no' \
        "$E2E_ROOT/apy.log"
}

# Whether a stream plays into the null sink.
sink_streams() { pactl list short sink-inputs 2>/dev/null | wc -l; }
sink_has_stream() { [ "$(sink_streams)" -gt 0 ]; }
sink_is_quiet() { [ "$(sink_streams)" -eq 0 ]; }

case_hear_it() {
    e2e_start_x
    e2e_start_audio
    e2e_make_document "$E2E_ROOT/config-served.xml"
    e2e_start_server "$E2E_ROOT/config-served.xml"
    e2e_start_client
    local wid
    wid=$(e2e_wait_window Parlamo 30) || e2e_abort "the main window \"Parlamo\" did not appear"
    e2e_geometry "$wid"
    e2e_screenshot "$wid" "$E2E_ROOT/window.png"
    # The Hear It box is the lowest white run in a column through it; the
    # button sits right of it on the same row.
    local run hear_y
    run=$(e2e_white_runs "$E2E_ROOT/window.png" $((GW - 164)) | tail -n1)
    [ -n "$run" ] || e2e_abort "cannot find the Hear It box"
    hear_y=$(awk '{print int(($1 + $2) / 2)}' <<<"$run")

    parecord --latency-msec=20 -d "$E2E_SINK_MONITOR" --file-format=wav --channels=1 \
        --rate=22050 "$E2E_ROOT/heard.wav" 2>"$E2E_ROOT/parecord.err" &
    local rec=$!
    e2e_track "$rec"
    sleep 0.3
    e2e_click "$wid" $((GW - 164)) "$hear_y"
    xdotool type --delay 20 "hello"
    e2e_click "$wid" $((GW - 56)) "$hear_y"

    local stream_seen=no
    parlamo_wait_until 20 sink_has_stream && stream_seen=yes
    # The word has been heard when its stream is gone again; the recorder
    # then keeps a short tail of what reached the monitor.
    [ "$stream_seen" = no ] || parlamo_wait_until 20 sink_is_quiet
    sleep 0.3
    kill -INT "$rec" 2>/dev/null
    wait "$rec" 2>/dev/null

    local stored="$E2E_PROGRAM/wav/hello.wav"
    e2e_check "wav/hello.wav is stored beside the program" test -s "$stored"
    e2e_check "the stored file is the service's wave file, byte for byte" \
        cmp -s "$stored" "$E2E_ROOT/server-cache/en/h/hello.wav"
    e2e_check "a stream reached the null sink (pactl list sink-inputs)" test "$stream_seen" = yes
    local rms
    rms=$(sox "$E2E_ROOT/heard.wav" -n stat 2>&1 | awk '/RMS[ ]+amplitude/ {print $3}')
    e2e_log "recorded RMS amplitude: ${rms:-none}"
    e2e_check "the word was heard on the null sink's monitor" \
        awk -v r="${rms:-0}" 'BEGIN { exit !(r + 0 > 0.002) }'
}

case_tray() {
    e2e_start_x
    e2e_start_tray
    e2e_make_document "$E2E_ROOT/config-served.xml" 's/tray="0"/tray="1"/'
    grep -q 'tray="1"' "$E2E_ROOT/config-served.xml" || e2e_abort "could not make the tray document"
    e2e_start_server "$E2E_ROOT/config-served.xml"

    # First run: the icon, and a double click that opens the window.
    e2e_start_client
    local icon wid
    icon=$(e2e_wait_tray_icon 30) || e2e_abort "no tray icon docked in trayer"
    e2e_pass "the tray icon appeared"
    sleep 0.5
    e2e_check "the main window stays hidden in tray mode" test -z "$(e2e_find_window Parlamo)"
    xdotool mousemove --window "$icon" 11 12 click --repeat 2 --delay 80 1
    wid=$(e2e_wait_window Parlamo 10)
    e2e_check "a double click on the icon opens the main window" test -n "$wid"
    parlamo_stop_pid "$E2E_CLIENT_PID"

    # Second run: the pop-up menu belongs to the hidden window (a right click
    # on a shown window only brings it forward), so Exit is chosen from there.
    e2e_start_client /startup
    icon=$(e2e_wait_tray_icon 30) || e2e_abort "no tray icon docked in trayer (second run)"
    sleep 0.3
    xdotool mousemove --window "$icon" 11 12 click 3
    sleep 0.5
    xdotool key --delay 100 Down Down Return
    e2e_check "the tray menu's Exit ends the program" parlamo_wait_until 10 e2e_client_gone
    e2e_check "the icon left the panel" test -z "$(e2e_tray_icon)"
    e2e_check "the main window was never shown by the menu" test -z "$(e2e_find_window Parlamo)"
}

case_offline() {
    e2e_start_x
    e2e_make_document "$E2E_ROOT/config-served.xml"
    e2e_start_server "$E2E_ROOT/config-served.xml"
    # The service ran and is stopped now: nothing answers on its port.
    parlamo_stop_pid "$E2E_SERVER_PID"
    parlamo_server_answers "$E2E_SERVER_PORT" && e2e_abort "the stopped service still answers"
    e2e_start_client

    local box
    box=$(e2e_wait_window "Parlamo v3.1" 30)
    e2e_check "the \"not connected\" message box \"Parlamo v3.1\" appears" test -n "$box"
    e2e_check "no main window is shown" test -z "$(e2e_find_window Parlamo)"
    if [ -n "$box" ]; then
        e2e_geometry "$box"
        xdotool mousemove --window "$box" $((GW / 2)) 5
        xdotool windowfocus --sync "$box" 2>/dev/null
        xdotool key Return
    fi
    e2e_check "after Return the program ends" parlamo_wait_until 15 e2e_client_gone
    e2e_check "no main window was left behind" test -z "$(e2e_find_window Parlamo)"
    e2e_check "no config.xml was written" test ! -e "$E2E_PROGRAM/config.xml"
    e2e_check "the autostart entry was removed" \
        test ! -e "$XDG_CONFIG_HOME/autostart/velmor-parlamo.desktop"
}

case "$CASE" in
    first_start | translate | hear_it | tray | offline) "case_$CASE" ;;
    *) e2e_abort "unknown case $CASE" ;;
esac
e2e_finish
