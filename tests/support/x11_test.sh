#!/usr/bin/env bash
# Runs a test program on a private X server of its own (Xvfb on a free
# display number) with Qt's xcb platform:
#   x11_test.sh PROGRAM [ARGS...]
# Exit 77 (skipped) when Xvfb or xdotool is not installed.
set -uo pipefail
for tool in Xvfb xdotool xdpyinfo; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: '$tool' is not installed (scripts/install-deps.sh installs it)" >&2
    exit 77
  fi
done

work=$(mktemp -d)
xvfb=""
cleanup() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp -noreset 5>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 150); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
"$@"
