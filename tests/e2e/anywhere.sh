#!/usr/bin/env bash
# The program as the one running copy on a desktop, acting as a user and
# other programs would:
#   anywhere.sh CASE CLIENT SERVER TEXTPROBE
# desktop:  a private session bus: the name org.velmor.Parlamo, its methods
#           through gdbus, a second start handing over, the selection
#           shortcut and its popup, the window's Ctrl+R and Ctrl+Shift+C;
# one_copy: no session bus: the lock file and its socket, a lock left
#           behind by a killed copy, and (as root) a runtime folder that
#           another user made first;
# screen_area: the screen area shortcut, a drag over a window's text, the
#           popup with its translation; Escape; D-Bus and a second start.
set -uo pipefail
CASE=${1:?case}
. "$(dirname "$0")/lib.sh"
e2e_init "anywhere_$CASE" "${2:?client}" "${3:?server}"
E2E_PROBE=${4:?textprobe}
POPUP="Parlamo Translation"

# second_start ARGS...: the program started once more, as a user would;
# sets SECOND_RC and SECOND_MS (how long it ran).
second_start() {
    local start end
    start=$(date +%s%N)
    PARLAMO_CONFIG_HOST="127.0.0.1:$E2E_SERVER_PORT" timeout 30 "$E2E_PROGRAM/RaDudezozad" "$@" \
        >>"$E2E_ROOT/second.log" 2>&1
    SECOND_RC=$?
    end=$(date +%s%N)
    SECOND_MS=$(((end - start) / 1000000))
    e2e_log "second start $* ended with $SECOND_RC after $SECOND_MS ms"
}

visible_windows() { xdotool search --onlyvisible --name '^Parlamo$' 2>/dev/null | wc -l; }

# selection_is SELECTION TEXT: SELECTION (primary or clipboard) holds TEXT.
selection_is() { [ "$(xclip -o -selection "$1" 2>/dev/null)" = "$2" ]; }

# select_text SELECTION TEXT: TEXT is what another program offers as
# SELECTION from now on.
select_text() {
    [ -n "${E2E_XCLIP_PID:-}" ] && parlamo_stop_pid "$E2E_XCLIP_PID"
    printf '%s' "$2" | xclip -quiet -selection "$1" -i >/dev/null 2>&1 &
    E2E_XCLIP_PID=$!
    e2e_track "$E2E_XCLIP_PID"
    parlamo_wait_until 5 selection_is "$1" "$2"
}

# popup_reads TEXT: Ctrl+Shift+C in the popup puts TEXT on the clipboard
# (asked again while the translation is still on its way).
popup_reads() {
    local end=$((SECONDS + 20)) got=""
    while [ "$SECONDS" -lt "$end" ]; do
        xdotool key ctrl+shift+c
        sleep 0.3
        got=$(e2e_clipboard)
        [ "$got" = "$1" ] && return 0
    done
    echo "  the clipboard reads: '$got'"
    return 1
}

case_desktop() {
    e2e_start_x
    e2e_start_session_bus
    e2e_start_apy
    e2e_make_document "$E2E_ROOT/config-served.xml"
    e2e_start_server "$E2E_ROOT/config-served.xml"
    e2e_start_client
    local wid
    wid=$(e2e_wait_window Parlamo 30) || e2e_abort "the main window \"Parlamo\" did not appear"

    e2e_check "the program owns the bus name org.velmor.Parlamo" \
        test "$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
            --method org.freedesktop.DBus.NameHasOwner org.velmor.Parlamo)" = "(true,)"
    local expected got
    expected=$(e2e_apy_says "eng|spa" "hello world")
    got=$(e2e_bus_call Translate "hello world")
    e2e_check "Translate \"hello world\" answers ('$expected',)" test "$got" = "('$expected',)"
    got=$(e2e_bus_call Translate "" 2>&1)
    e2e_check "Translate of nothing is the error org.velmor.Parlamo.Error.Failed" \
        grep -q "org.velmor.Parlamo.Error.Failed: There is no text to translate." <<<"$got"
    # The pair the text's language picks: Spanish, with English to Spanish chosen.
    local spanish="Nosotros vamos a la playa todos los veranos con la familia."
    e2e_check "Detect knows a Spanish sentence" test "$(e2e_bus_call Detect "$spanish")" = "('es',)"
    expected=$(e2e_apy_says "spa|eng" "$spanish")
    got=$(e2e_bus_call TranslateAuto "$spanish" "")
    e2e_check "TranslateAuto translates it into English" test "$got" = "('$expected',)"

    second_start
    e2e_check "a second start exits 0" test "$SECOND_RC" = 0
    e2e_check "within 5 seconds" test "$SECOND_MS" -lt 5000
    second_start /startup
    e2e_check "a second start with /startup exits 0 too" test "$SECOND_RC" = 0
    e2e_check "neither fetched the configuration" test "$(e2e_count_config_requests)" = 1
    e2e_check "one main window is left" test "$(visible_windows)" = 1

    # The selection shortcut: PRIMARY, the default key, the popup.
    select_text primary "The house is very old" || e2e_abort "xclip cannot hold the selection"
    xdotool key --clearmodifiers ctrl+alt+e
    e2e_check "Ctrl+Alt+E opens the popup" test -n "$(e2e_wait_window "$POPUP" 10)"
    e2e_check "Ctrl+Shift+C in the popup copies \"La casa es muy vieja\"" \
        popup_reads "La casa es muy vieja"
    xdotool key Escape
    e2e_check "Escape closes the popup" parlamo_wait_until 5 test -z "$(e2e_find_window "$POPUP")"

    select_text primary "Good morning"
    second_start --translate-selection
    e2e_check "--translate-selection from a second process exits 0" test "$SECOND_RC" = 0
    e2e_check "... and the running copy's popup shows the selection's translation" \
        popup_reads "Buenos días"
    xdotool key Escape

    select_text clipboard "The dog"
    e2e_bus_call TranslateClipboard >/dev/null
    e2e_check "TranslateClipboard translates the clipboard" popup_reads "El perro"
    # Open in Window, then the window's own Ctrl+Shift+C.
    printf '' | xclip -selection clipboard >/dev/null 2>&1
    xdotool key ctrl+o
    e2e_check "Ctrl+O closes the popup" parlamo_wait_until 5 test -z "$(e2e_find_window "$POPUP")"
    e2e_text_boxes "$wid" || e2e_abort "cannot find the text boxes in the window"
    e2e_check "... and puts both texts into the window" e2e_wait_box_text "$wid" "$FROM_Y" "The dog" 5
    e2e_click "$wid" 40 "$FROM_Y"
    printf '' | xclip -selection clipboard >/dev/null 2>&1
    xdotool key ctrl+shift+c
    e2e_check "Ctrl+Shift+C in the window copies its translation" \
        parlamo_wait_until 5 selection_is clipboard "El perro"

    # Ctrl+R: to Spanish to English and back, seen through Translate.
    e2e_click "$wid" 40 "$FROM_Y"
    xdotool key ctrl+r
    expected=$(e2e_apy_says "spa|eng" "La casa es muy vieja")
    e2e_check "Ctrl+R turns the pair round (Translate gives '$expected')" \
        test "$(e2e_bus_call Translate "La casa es muy vieja")" = "('$expected',)"
    xdotool key ctrl+r
    e2e_check "a second Ctrl+R turns it back" \
        test "$(e2e_bus_call Translate "The house is very old")" = "('La casa es muy vieja',)"

    e2e_bus_call Show >/dev/null
    sleep 0.5
    e2e_check "Show keeps one main window" test "$(visible_windows)" = 1
    e2e_bus_call Quit >/dev/null
    e2e_check "Quit ends the program" parlamo_wait_until 10 e2e_client_gone
    wait "$E2E_CLIENT_PID"
    e2e_check "with exit status 0" test $? = 0
}

case_one_copy() {
    e2e_start_x
    e2e_make_document "$E2E_ROOT/config-served.xml"
    # The document comes late: the first copy is still starting when the
    # second one comes.
    e2e_start_server "$E2E_ROOT/config-served.xml" --config-delay 2500
    select_text primary "The house is very old" || e2e_abort "xclip cannot hold the selection"
    e2e_start_client
    local lock="$XDG_RUNTIME_DIR/org.velmor.Parlamo.lock"
    parlamo_wait_until 10 test -s "$lock"
    e2e_check "without a session bus the lock file is taken" test -s "$lock"
    second_start --translate-selection
    e2e_check "--translate-selection while the first copy starts exits 0" test "$SECOND_RC" = 0
    e2e_check "within 5 seconds" test "$SECOND_MS" -lt 5000
    e2e_check "no window before the configuration came" test -z "$(e2e_find_window Parlamo)"
    e2e_wait_window Parlamo 30 >/dev/null || e2e_abort "the main window did not appear"
    e2e_check "once the window is loaded, the popup shows" test -n "$(e2e_wait_window "$POPUP" 10)"
    xdotool key Escape

    second_start
    e2e_check "a second start exits 0" test "$SECOND_RC" = 0
    e2e_check "within 5 seconds" test "$SECOND_MS" -lt 5000
    e2e_check "without fetching the configuration" test "$(e2e_count_config_requests)" = 1
    e2e_check "one main window is left" test "$(visible_windows)" = 1

    # Killed, the copy leaves its lock and socket behind.
    kill -KILL "$E2E_CLIENT_PID"
    wait "$E2E_CLIENT_PID" 2>/dev/null
    e2e_check "a killed copy leaves its lock behind" test -e "$lock"
    e2e_start_client
    e2e_check "the next start takes the stale lock over and shows its window" \
        test -n "$(e2e_wait_window Parlamo 30)"
    second_start
    e2e_check "and a start after it hands over to it" test "$SECOND_RC" = 0
    e2e_check "two configuration requests in all" test "$(e2e_count_config_requests)" = 2

    # A runtime folder that another user made first is never used: the lock
    # goes to a folder of our own, and one copy still holds.
    [ "$(id -u)" = 0 ] || return 0
    kill -KILL "$E2E_CLIENT_PID"
    wait "$E2E_CLIENT_PID" 2>/dev/null
    export XDG_RUNTIME_DIR="$E2E_ROOT/theirs" TMPDIR="$E2E_ROOT/tmp"
    mkdir -m 700 "$XDG_RUNTIME_DIR" "$TMPDIR" && chown nobody "$XDG_RUNTIME_DIR"
    e2e_start_client
    e2e_wait_window Parlamo 30 >/dev/null || e2e_abort "the main window did not appear"
    e2e_check "a runtime folder of another user holds no lock" \
        test -z "$(ls -A "$XDG_RUNTIME_DIR")"
    e2e_check "the lock is in a folder of our own" test -s "$TMPDIR/parlamo-0/org.velmor.Parlamo.lock"
    second_start
    e2e_check "a second start hands over all the same" test "$SECOND_RC" = 0
    e2e_check "one main window" test "$(visible_windows)" = 1
}

AREA="Parlamo Screen Area"

# drag X1 Y1 X2 Y2: the left button pressed at one corner, released at the other.
drag() {
    xdotool mousemove "$1" "$2" mousedown 1
    xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2))
    xdotool mousemove "$3" "$4" mouseup 1
}

case_screen_area() {
    e2e_start_x
    e2e_start_session_bus
    e2e_start_apy
    e2e_make_document "$E2E_ROOT/config-served.xml"
    e2e_start_server "$E2E_ROOT/config-served.xml"
    # Known text in a window of another program, at 16 px.
    convert -size 420x60 xc:white -font DejaVu-Sans -pointsize 16 -fill black \
        -annotate +12+36 "The house is very old" "$E2E_ROOT/text.png"
    display -geometry +80+500 "$E2E_ROOT/text.png" >/dev/null 2>&1 &
    e2e_track $!
    e2e_start_client
    e2e_wait_window Parlamo 30 >/dev/null || e2e_abort "the main window did not appear"
    parlamo_wait_until 10 xdotool search --onlyvisible --name 'text.png' >/dev/null ||
        e2e_abort "the text window did not appear"

    xdotool key --clearmodifiers ctrl+alt+o
    e2e_check "Ctrl+Alt+O shows the area picker" test -n "$(e2e_wait_window "$AREA" 10)"
    drag 82 502 500 560
    e2e_check "a drag over the text closes the picker" \
        parlamo_wait_until 5 test -z "$(e2e_find_window "$AREA")"
    e2e_check "the popup shows the translation of the text read" \
        popup_reads "La casa es muy vieja"
    # The text read, corrected in the popup and translated again.
    xdotool key ctrl+a
    xdotool type "The dog"
    xdotool key ctrl+Return
    e2e_check "Ctrl+Enter translates the corrected text" popup_reads "El perro"
    xdotool key Escape
    parlamo_wait_until 5 test -z "$(e2e_find_window "$POPUP")"

    xdotool key --clearmodifiers ctrl+alt+o
    e2e_wait_window "$AREA" 10 >/dev/null
    xdotool key Escape
    e2e_check "Escape cancels the picker" parlamo_wait_until 5 test -z "$(e2e_find_window "$AREA")"
    e2e_check "... without a popup" test -z "$(e2e_find_window "$POPUP")"

    e2e_bus_call TranslateScreenArea >/dev/null
    e2e_check "TranslateScreenArea shows the picker" test -n "$(e2e_wait_window "$AREA" 10)"
    xdotool mousemove 300 300 click 1
    e2e_check "a click without a drag cancels" \
        parlamo_wait_until 5 test -z "$(e2e_find_window "$AREA")"

    second_start --translate-screen-area
    e2e_check "--translate-screen-area from a second process exits 0" test "$SECOND_RC" = 0
    e2e_check "... and the running copy shows the picker" test -n "$(e2e_wait_window "$AREA" 10)"
    xdotool key Escape
}

case "$CASE" in
    desktop | one_copy | screen_area) "case_$CASE" ;;
    *) e2e_abort "unknown case $CASE" ;;
esac
e2e_finish
