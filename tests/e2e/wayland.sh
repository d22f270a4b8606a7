#!/usr/bin/env bash
# The program on today's desktops: Wayland (weston) with the desktop portal's
# global shortcuts, and the tray as a StatusNotifierItem. Portal and
# notification area are python-dbusmock fakes on a private session bus; there
# is no xdotool on Wayland, so windows are seen in weston's scene graph
# (weston-debug) and translations in the history (--history).
#   wayland.sh CASE CLIENT SERVER
# wayland:  weston's headless backend: the start, the window, D-Bus Translate,
#           the shortcut bound through the portal; a press opens the popup,
#           which, with no keyboard on this compositor, gives up waiting to
#           be activated and sends nothing;
# keyboard: weston on a private X display, which gives it a keyboard: a press
#           and TranslateClipboard translate what wl-copy put on the clipboard;
# tray:     tray mode with a StatusNotifierWatcher: the item registers, its
#           activation shows the window, its menu's Exit ends the program, and
#           the window shows when the watcher leaves the bus.
set -uo pipefail
CASE=${1:?case}
. "$(dirname "$0")/lib.sh"
e2e_init "wayland_$CASE" "${2:?client}" "${3:?server}"
POPUP="Parlamo Translation"
# python-dbusmock is Debian's, for Debian's Python.
PYTHON=/usr/bin/python3
FAKES="$E2E_HERE/../support"
PORTAL=org.freedesktop.portal.Desktop

# start_weston BACKEND: weston with BACKEND (headless or x11) and the program
# pointed at it.
start_weston() {
    e2e_require weston weston-debug wl-copy
    local args=(--socket=wl-parlamo --no-config --idle-time=0 --debug --log="$E2E_ROOT/weston.log")
    if [ "$1" = x11 ]; then
        e2e_start_x
        args+=(--backend=x11-backend.so --use-pixman --width=1024 --height=700)
    else
        args+=(--backend=headless-backend.so)
    fi
    weston "${args[@]}" >"$E2E_ROOT/weston.err" 2>&1 &
    e2e_track $!
    export WAYLAND_DISPLAY=wl-parlamo QT_QPA_PLATFORM=wayland
    parlamo_wait_until 20 weston-debug -l 2>/dev/null || e2e_abort "weston did not start"
    e2e_log "weston ($1) on $WAYLAND_DISPLAY"
}

# start_fake TEMPLATE [PARAMETERS]: a dbusmock fake from tests/support,
# waited for until its bus name is taken; sets FAKE_PID.
start_fake() {
    "$PYTHON" -c 'import dbusmock' 2>/dev/null ||
        e2e_abort "missing facility: python3-dbusmock (scripts/install-deps.sh installs it)"
    local name
    name=$(sed -n "s/^BUS_NAME = '\(.*\)'/\1/p" "$FAKES/$1")
    "$PYTHON" -m dbusmock --session -t "$FAKES/$1" -p "${2:-{\}}" >>"$E2E_ROOT/fake-$1.log" 2>&1 &
    FAKE_PID=$!
    e2e_track "$FAKE_PID"
    parlamo_wait_until 20 name_owned "$name" || e2e_abort "the fake $1 did not take $name"
}

name_owned() {
    [ "$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null)" = "(true,)" ]
}

# The titles of the top-level windows weston shows.
toplevels() {
    weston-debug scene-graph 2>/dev/null | sed -n "s/.*top-level window '\(.*\)' of .*/\1/p"
}
shown() { toplevels | grep -qx "$1"; }
hidden() { ! shown "$1"; }

portal_call() {  # METHOD [ARGS...]: the fake portal's test interface
    local method=$1
    shift
    gdbus call --session --dest "$PORTAL" --object-path /org/freedesktop/portal/desktop \
        --method "org.velmor.Test.Portal.$method" "$@"
}
activate_until_popup() {
    portal_call Activate translate-selection >/dev/null
    parlamo_wait_until 3 shown "$POPUP"
}
bound_has() { portal_call Bound 2>/dev/null | grep -qF "$1"; }

# history_has TEXT TRANSLATION: the history holds that translation.
history_has() {
    "$E2E_PROGRAM/RaDudezozad" --history 2>/dev/null | cut -f4,5 | grep -qxF "$1	$2"
}

# The program with a portal and the document served, its window shown.
start_program() {
    start_fake fake_portal.py
    e2e_start_apy
    e2e_make_document "$E2E_ROOT/config-served.xml"
    e2e_start_server "$E2E_ROOT/config-served.xml"
    e2e_start_client
    parlamo_wait_until 30 shown Parlamo || e2e_abort "the main window \"Parlamo\" did not show"
    e2e_pass "the main window shows on Wayland"
}

quit_program() {
    e2e_bus_call Quit >/dev/null
    e2e_check "Quit ends the program" parlamo_wait_until 10 e2e_client_gone
    wait "$E2E_CLIENT_PID"
    e2e_check "with exit status 0" test $? = 0
}

case_wayland() {
    start_weston headless
    e2e_start_session_bus
    start_program
    e2e_check "the configuration was fetched once" test "$(e2e_count_config_requests)" = 1
    e2e_check "Translate \"hello world\" answers the engine's translation" \
        test "$(e2e_bus_call Translate "hello world")" = "('hola Mundo',)"
    e2e_check "the portal bound Ctrl+Alt+E as CTRL+ALT+e" parlamo_wait_until 10 \
        bound_has "translate-selection|CTRL+ALT+e|Translate the selection"

    # The portal has the key as soon as it is asked for it; the program takes
    # it with the portal's answer, which a loaded machine may deliver later:
    # the key is pressed again until the popup opens.
    e2e_check "the portal's Activated opens the popup" parlamo_wait_until 20 activate_until_popup
    # No keyboard here: the popup never becomes active, reads when its wait
    # is over, finds nothing and sends nothing; the program goes on. Only a
    # wait longer than the popup's shows that nothing came.
    sleep 3
    e2e_check "the program still answers after the popup's wait" \
        test "$(e2e_bus_call Translate "Good morning")" = "('Buenos días',)"
    parlamo_wait_until 10 history_has "Good morning" "Buenos días"
    e2e_check "the popup sent nothing (the history holds the two D-Bus translations)" \
        test "$("$E2E_PROGRAM/RaDudezozad" --history | wc -l)" = 2
    quit_program
}

case_keyboard() {
    start_weston x11
    e2e_start_session_bus
    start_program
    parlamo_wait_until 10 bound_has "translate-selection|CTRL+ALT+e|Translate the selection" ||
        e2e_abort "the portal did not bind the shortcut"

    wl-copy --foreground "The house is very old" >/dev/null 2>&1 &
    e2e_track $!
    portal_call Activate translate-selection >/dev/null
    e2e_check "a press through the portal translates the clipboard in the popup" \
        parlamo_wait_until 20 history_has "The house is very old" "La casa es muy vieja"
    e2e_check "the popup shows" shown "$POPUP"

    wl-copy --foreground "The dog" >/dev/null 2>&1 &
    e2e_track $!
    e2e_bus_call TranslateClipboard >/dev/null
    e2e_check "TranslateClipboard translates it too" \
        parlamo_wait_until 20 history_has "The dog" "El perro"
    quit_program
}

# The StatusNotifierItems registered so far, the newest last.
sni_items() {
    gdbus call --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
        --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
        RegisteredStatusNotifierItems 2>/dev/null | grep -o "'[^']*'" | tr -d "'"
}
more_items_than() { [ "$(sni_items | wc -l)" -gt "$1" ]; }

# tray_start: the program once more in tray mode; ITEM is its new item.
tray_start() {
    local before
    before=$(sni_items | wc -l)
    e2e_start_client /startup
    parlamo_wait_until 30 more_items_than "$before" ||
        e2e_abort "the program registered no StatusNotifierItem"
    ITEM=$(sni_items | tail -n1)
}

# menu_id LABEL: the id of the item's menu entry LABEL.
menu_id() {
    gdbus call --session --dest "$ITEM" --object-path /MenuBar \
        --method com.canonical.dbusmenu.GetLayout -- 0 -1 "@as []" 2>/dev/null |
        grep -o "(\([0-9]*\), {[^}]*'label': <'$1'>" | grep -o '^([0-9]*' | tr -d '('
}
click_menu() {  # LABEL
    gdbus call --session --dest "$ITEM" --object-path /MenuBar \
        --method com.canonical.dbusmenu.Event "$(menu_id "$1")" clicked "<0>" 0 >/dev/null
}

case_tray() {
    start_weston headless
    e2e_start_session_bus
    start_fake fake_sni_watcher.py
    local watcher=$FAKE_PID
    e2e_make_document "$E2E_ROOT/config-served.xml" 's/tray="0"/tray="1"/'
    grep -q 'tray="1"' "$E2E_ROOT/config-served.xml" || e2e_abort "could not make the tray document"
    e2e_start_server "$E2E_ROOT/config-served.xml"

    tray_start
    e2e_pass "the icon registers with the StatusNotifierWatcher"
    e2e_check "the window stays hidden in tray mode" hidden Parlamo
    gdbus call --session --dest "$ITEM" --object-path /StatusNotifierItem \
        --method org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
    e2e_check "activating the item (a left click) shows the window" \
        parlamo_wait_until 10 shown Parlamo
    e2e_check "the item's menu holds Open and Exit" test -n "$(menu_id _Open)" -a -n "$(menu_id _Exit)"
    click_menu _Exit
    e2e_check "the menu's Exit ends the program" parlamo_wait_until 10 e2e_client_gone
    wait "$E2E_CLIENT_PID"
    e2e_check "with exit status 0" test $? = 0

    tray_start
    click_menu _Open
    e2e_check "the menu's Open shows the window" parlamo_wait_until 10 shown Parlamo
    quit_program

    tray_start
    e2e_check "hidden again in tray mode" hidden Parlamo
    parlamo_stop_pid "$watcher"
    e2e_check "the window shows when the watcher leaves the bus" parlamo_wait_until 10 shown Parlamo
    quit_program
}

case "$CASE" in
    wayland | keyboard | tray) "case_$CASE" ;;
    *) e2e_abort "unknown case $CASE" ;;
esac
e2e_finish
