#!/usr/bin/env bash
# The program as a screen reader meets it: through the real accessibility
# bus (AT-SPI) on a private X display and session bus.
#   a11y.sh CLIENT SERVER
# The main window, the popup and the History window are walked by
# a11y_walk.py (python3-gi with gir1.2-atspi-2.0): names and roles of every
# focusable object, Translate pressed through its action, and the
# translations read back through the bus. Exits 77 (skipped) only when the
# accessibility bus cannot be started on this machine.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
e2e_init a11y "${1:?client}" "${2:?server}"
WALK="$E2E_HERE/a11y_walk.py"
SKIP=77

e2e_require python3 gdbus
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>"$E2E_ROOT/gi.err" ||
    e2e_abort "python3-gi with gir1.2-atspi-2.0 is missing (scripts/install-deps.sh installs them)"

# walk CASE ARGS...: one part of the walk; its checks count as this test's.
walk() {
    local out rc
    out=$(timeout 150 /usr/bin/python3 "$WALK" "$E2E_CLIENT_PID" "$@" 2>>"$E2E_ROOT/walk.err")
    rc=$?
    echo "$out"
    E2E_CHECKS=$((E2E_CHECKS + $(grep -c '^PASS: ' <<<"$out") + $(grep -c '^FAIL: ' <<<"$out")))
    E2E_FAILURES=$((E2E_FAILURES + $(grep -c '^FAIL: ' <<<"$out")))
    if [ "$rc" -ne 0 ] && ! grep -q '^FAIL: ' <<<"$out"; then
        e2e_fail "the walk of $1 ended with status $rc (walk.err)"
    fi
}

e2e_start_x
e2e_start_session_bus
# The accessibility bus is started on demand by the session bus
# (at-spi-bus-launcher, from at-spi2-core). Without it there is nothing to
# test here: say so and skip.
if ! a11y_address=$(timeout 20 gdbus call --session --dest org.a11y.Bus \
    --object-path /org/a11y/bus --method org.a11y.Bus.GetAddress 2>"$E2E_ROOT/a11y-bus.err"); then
    echo "SKIP: the accessibility bus (org.a11y.Bus, at-spi-bus-launcher) cannot start here:"
    cat "$E2E_ROOT/a11y-bus.err"
    exit "$SKIP"
fi
e2e_log "accessibility bus $a11y_address"
# The launcher and the bus it runs are children of the session bus; stopped
# with it, and by its PID all the same.
launcher=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.GetConnectionUnixProcessID org.a11y.Bus 2>/dev/null |
    tr -dc '0-9')
[ -n "$launcher" ] && e2e_track "$launcher"

e2e_start_apy
e2e_make_document "$E2E_ROOT/config-served.xml"
e2e_start_server "$E2E_ROOT/config-served.xml"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
e2e_start_client
e2e_wait_window Parlamo 30 >/dev/null || e2e_abort "the main window \"Parlamo\" did not appear"

expected=$(e2e_apy_says "eng|spa" "The house is very old")
[ -n "$expected" ] || e2e_abort "the engine does not answer"
caption=$(sed -n 's/.*cmdTranslate="\([^"]*\)".*/\1/p' "$E2E_ROOT/config-served.xml" |
    head -n1 | sed 's/&amp;\(.\)/\1/g')
walk main "$caption" "The house is very old" "$expected"

# The popup, asked for over the program's D-Bus interface with the
# clipboard's text.
# An xclip that has not taken the clipboard within its time (a busy machine)
# is started once more.
for try in 1 2; do
    printf '%s' "The dog" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
    e2e_track $!
    parlamo_wait_until 10 test "$(e2e_clipboard)" = "The dog" && break
    e2e_log "xclip does not hold the clipboard (try $try)"
    [ "$try" = 2 ] && e2e_abort "xclip cannot hold the clipboard"
done
walk popup "$(e2e_apy_says "eng|spa" "The dog")" \
    gdbus call --session --timeout 30 --dest org.velmor.Parlamo \
    --object-path /org/velmor/Parlamo --method org.velmor.Parlamo.TranslateClipboard
xdotool key Escape

walk history "The house is very old"

e2e_bus_call Quit >/dev/null
e2e_check "Quit ends the program" parlamo_wait_until 10 e2e_client_gone
e2e_finish
