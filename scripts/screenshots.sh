#!/usr/bin/env bash
# Regenerates docs/e2e-main-window.png (the main window after a translation
# through the demo services) and docs/splash.png (the start-up screen), on a
# private X display with private settings. Builds what it needs first.
set -uo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${PARLAMO_BUILD_DIR:-$here/build}"

if [ ! -f "$build/build.ninja" ]; then
    "$here/scripts/build.sh" || exit 1
else
    cmake --build "$build" -j2 --target RaDudezozad parlamo-server e2e_textprobe || exit 1
fi

. "$here/tests/e2e/lib.sh"
e2e_init screenshots "$build/RaDudezozad" "$build/server/src/parlamo-server"
E2E_PROBE="$build/tests/e2e/e2e_textprobe"
e2e_start_x
e2e_start_apy
e2e_make_document "$E2E_ROOT/config-served.xml"

# The start-up screen shows for about a second and a quarter; a service that
# holds its answer back keeps it up (at "Loading preferences") long enough.
e2e_start_server "$E2E_ROOT/config-served.xml" --config-delay 4000
e2e_start_client
splash=""
end=$((SECONDS + 20))
while [ -z "$splash" ] && [ "$SECONDS" -lt "$end" ]; do
    splash=$(xdotool search --onlyvisible --pid "$E2E_CLIENT_PID" 2>/dev/null | head -n1)
    [ -n "$splash" ] || sleep 0.1
done
[ -n "$splash" ] || e2e_abort "the start-up screen did not appear"
sleep 0.7  # let it paint its status and progress
e2e_screenshot "$splash" "$here/docs/splash.png" || e2e_abort "cannot capture the start-up screen"
e2e_pass "docs/splash.png"
parlamo_stop_pid "$E2E_CLIENT_PID" "$E2E_SERVER_PID"

# The main window after one translation.
e2e_start_server "$E2E_ROOT/config-served.xml"
e2e_start_client
wid=$(e2e_wait_window Parlamo 30) || e2e_abort "the main window did not appear"
e2e_text_boxes "$wid" || e2e_abort "cannot find the text boxes"
e2e_click "$wid" 40 "$FROM_Y"
xdotool type --delay 20 "The house is very old"
xdotool key alt+t
parlamo_wait_until 30 e2e_status_reads "$wid" "Translated." || e2e_abort "no translation arrived"
sleep 0.3
e2e_screenshot "$wid" "$here/docs/e2e-main-window.png" || e2e_abort "cannot capture the main window"
e2e_pass "docs/e2e-main-window.png"
e2e_finish
