#!/usr/bin/env bash
# Idle memory of the client after start: resident set (VmRSS), its peak
# (VmHWM) and the proportional share (Pss) of RaDudezozad, read from /proc a
# few seconds after the main window is up (and, second, after start-up in tray
# mode), on a private X display against the reference service. Third, the
# same for bench_bare_window, a window of Qt Widgets alone with two text
# boxes, a list and a menu: what any such window costs here. A private
# session bus runs, so the client holds its bus name and D-Bus interface
# (and its selection shortcut, on the X display) as on a desktop.
#   bench/e2e/idle_memory.sh [BUILD_DIR]
set -uo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-${PARLAMO_BUILD_DIR:-$here/build}}"
. "$here/tests/e2e/lib.sh"
bare="$build/bench/e2e/bench_bare_window"
e2e_init idle_memory "$build/RaDudezozad" "$build/server/src/parlamo-server"
[ -x "$bare" ] || e2e_abort "not built: $bare (PARLAMO_BUILD_BENCH=ON)"
e2e_start_x
e2e_start_session_bus
e2e_start_tray

report() {  # LABEL
    local pid=$E2E_CLIENT_PID
    local rss hwm pss
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
    pss=$(awk '/^Pss:/ {print $2}' "/proc/$pid/smaps_rollup" 2>/dev/null)
    [ -n "$rss" ] || e2e_abort "cannot read /proc/$pid/status"
    e2e_pass "$(printf '%-24s VmRSS %6d KiB  VmHWM %6d KiB  Pss %6s KiB' "$1" "$rss" "$hwm" "${pss:-?}")"
}

e2e_make_document "$E2E_ROOT/config-served.xml"
e2e_start_server "$E2E_ROOT/config-served.xml"
e2e_start_client
e2e_wait_window Parlamo 30 >/dev/null || e2e_abort "the main window did not appear"
sleep 3
report "window shown, idle 3 s"
parlamo_stop_pid "$E2E_CLIENT_PID" "$E2E_SERVER_PID"

e2e_make_document "$E2E_ROOT/config-tray.xml" 's/tray="0"/tray="1"/'
e2e_start_server "$E2E_ROOT/config-tray.xml"
e2e_start_client /startup
e2e_wait_tray_icon 30 >/dev/null || e2e_abort "no tray icon"
sleep 3
report "tray mode, idle 3 s"
parlamo_stop_pid "$E2E_CLIENT_PID" "$E2E_SERVER_PID"

"$bare" >"$E2E_ROOT/bare.log" 2>&1 &
E2E_CLIENT_PID=$!
e2e_track "$E2E_CLIENT_PID"
e2e_wait_window "Bare window" 30 >/dev/null || e2e_abort "the bare window did not appear"
sleep 3
report "bare Qt Widgets window"
e2e_finish
