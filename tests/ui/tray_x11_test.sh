#!/usr/bin/env bash
# The tray icon under a real X server with a tray host: in tray mode the
# icon appears in the panel and the window stays hidden, a single click
# changes nothing, a double click shows the window; then a second run's
# right click pops up the tray menu, whose Exit ends the program.
# Usage: tray_x11_test.sh DRIVER CONFIG
# Exit 77 (skipped) when Xvfb, trayer or the X tools are not installed.
set -uo pipefail

driver=$1
config=$2

for tool in Xvfb trayer xdotool xwininfo xdpyinfo; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: '$tool' is not installed (scripts/install-deps.sh installs it)" >&2
    exit 77
  fi
done

work=$(mktemp -d)
pids=()
cleanup() {
  local i idx=("${!pids[@]}")
  for ((i = ${#idx[@]} - 1; i >= 0; i--)); do
    kill "${pids[idx[i]]}" 2>/dev/null
    wait "${pids[idx[i]]}" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  for f in "$work"/*.log; do
    [ -s "$f" ] && { echo "--- $f" >&2; cat "$f" >&2; }
  done
  exit 1
}

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
  local tries=$1
  shift
  while ((tries-- > 0)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# A display number nobody uses.
display=""
for n in $(seq 90 199); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
    display=":$n"
    break
  fi
done
[ -n "$display" ] || fail "no free X display number"

export DISPLAY=$display
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS  # the XEmbed tray, not a StatusNotifier host
export QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="parlamo.tray.debug=true"

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 100 xdpyinfo || fail "Xvfb did not start on $display"

# The tray host must be there before the program asks for it. Under a heavy
# load trayer has once found the fresh display unreachable and quit at once:
# a trayer that is gone before its panel shows is started once more.
panel=""
find_panel() { panel=$(xdotool search --classname '^panel$' 2>/dev/null | head -1); [ -n "$panel" ]; }
panel_or_gone() { find_panel || ! kill -0 "$trayer" 2>/dev/null; }
for _ in 1 2; do
  trayer --edge top --align right --widthtype request --height 28 >>"$work/trayer.log" 2>&1 &
  trayer=$!
  pids+=("$trayer")
  wait_for 100 panel_or_gone
  [ -n "$panel" ] && break
done
[ -n "$panel" ] || fail "trayer's panel did not appear"

name=$(basename "$driver")
icon=""
find_icon() {
  icon=$(xwininfo -id "$panel" -tree 2>/dev/null | awk -v n="\"$name\":" '$2 == n {print $1; exit}')
  [ -n "$icon" ]
}
window_visible() { xdotool search --onlyvisible --name '^Parlamo$' >/dev/null 2>&1; }
marker_has() { grep -qx "$2" "$1" 2>/dev/null; }

# Run 1: tray mode, started with the system (no balloon in the way).
marker=$work/run1.marker
"$driver" --config "$config" --tray --command-line /startup --marker "$marker" \
  >"$work/run1.log" 2>&1 &
pids+=($!)
wait_for 100 marker_has "$marker" icon || fail "the program added no tray icon"
wait_for 100 find_icon || fail "no icon docked in the panel"
echo "icon $icon docked in panel $panel"
sleep 0.3
window_visible && fail "the window is visible in tray mode before any click"

xdotool mousemove --window "$icon" 11 12 click 1
# The click must have reached the program as a Trigger for this to count.
wait_for 50 grep -q "parlamo.tray: activated Trigger" "$work/run1.log" || fail "the single click never arrived"
sleep 0.6
window_visible && fail "a single click on the icon showed the window"

xdotool mousemove --window "$icon" 11 12 click --repeat 2 --delay 80 1
wait_for 50 marker_has "$marker" shown || fail "a double click did not show the window"
wait_for 50 window_visible || fail "no visible window named Parlamo after the double click"
echo "double click showed the window"

# A right click while the window is shown only activates it: no menu.
visible_count() { xdotool search --onlyvisible --classname "^$name\$" 2>/dev/null | wc -l; }
before=$(visible_count)
xdotool mousemove --window "$icon" 11 12 click 3
wait_for 50 grep -q "parlamo.tray: activated Context" "$work/run1.log" || fail "the right click never arrived"
sleep 0.5
window_visible || fail "the window went away after a right click"
[ "$(visible_count)" -eq "$before" ] || fail "a right click on a shown window opened a menu"
marker_has "$marker" unloaded && fail "a right click ended the program"

kill "${pids[-1]}" && wait "${pids[-1]}" 2>/dev/null
unset 'pids[-1]'
icon_gone() { ! find_icon; }
wait_for 50 icon_gone || fail "the first run's icon stayed in the panel"

# Run 2: right click with the window hidden, then Exit from the menu.
marker=$work/run2.marker
"$driver" --config "$config" --tray --command-line /startup --marker "$marker" \
  >"$work/run2.log" 2>&1 &
run2=$!
pids+=("$run2")
wait_for 100 find_icon || fail "no icon docked in the panel (second run)"
sleep 0.3
xdotool mousemove --window "$icon" 11 12 click 3
sleep 0.5
xdotool key Down Down Return
wait_for 50 marker_has "$marker" unloaded || fail "Exit from the tray menu did not end the program"
program_ended() { ! kill -0 "$run2" 2>/dev/null; }
wait_for 50 program_ended || fail "the program still runs after Exit"
wait "$run2"
rc=$?
unset 'pids[-1]'
[ "$rc" -eq 0 ] || fail "the program ended with status $rc"
marker_has "$marker" shown && fail "the menu's Exit showed the window"
wait_for 50 icon_gone || fail "the icon stayed in the panel after Exit"
echo "tray menu Exit ended the program"

# Run 3: the tray host quits while the window is hidden: the window shows,
# or the program could never be reached again.
marker=$work/run3.marker
"$driver" --config "$config" --tray --command-line /startup --marker "$marker" \
  >"$work/run3.log" 2>&1 &
pids+=($!)
wait_for 100 find_icon || fail "no icon docked in the panel (third run)"
sleep 0.3
window_visible && fail "the window is visible in tray mode before the tray host quit"
kill "$trayer" && wait "$trayer" 2>/dev/null
for i in "${!pids[@]}"; do [ "${pids[i]}" = "$trayer" ] && unset 'pids[i]'; done
wait_for 50 window_visible || fail "the window stayed hidden after the tray host quit"
marker_has "$marker" unloaded && fail "the program ended when the tray host quit"
echo "the window showed when the tray host quit"
echo PASS
