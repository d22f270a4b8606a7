#!/usr/bin/env bash
# Takes the README's screenshot of the main window (docs/main-window.png)
# under a private Xvfb, with the sample configuration document.
# Usage: scripts/screenshot.sh [BUILD_DIR] [OUTPUT_PNG]
# Needs Xvfb, xdotool, x11-utils and ImageMagick (scripts/install-deps.sh),
# and the test driver built: cmake --build BUILD_DIR --target parlamo_ui_driver
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-${PARLAMO_BUILD_DIR:-$here/build}}"
out="${2:-$here/docs/main-window.png}"
driver="$build/tests/ui/parlamo_ui_driver"

for tool in Xvfb xdotool xdpyinfo import; do
  command -v "$tool" >/dev/null || { echo "screenshot: '$tool' is not installed" >&2; exit 1; }
done
[ -x "$driver" ] || { echo "screenshot: build $driver first" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

display=""
for n in $(seq 90 199); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "screenshot: no free X display" >&2; exit 1; }

export DISPLAY=$display QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$driver" --config "$here/data/sample-config.xml" --text "The house is very old." \
  --language 0 --marker "$work/marker" >"$work/driver.log" 2>&1 &
pids+=($!)
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Parlamo$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; cat "$work/driver.log" >&2; exit 1; }
sleep 0.5  # let it paint
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "screenshot: wrote $out"
