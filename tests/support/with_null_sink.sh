#!/usr/bin/env bash
# Runs a command with a PulseAudio daemon of its own whose only output is a
# null sink, so that real playback can be tested on a machine without sound.
# Exits 77 (skipped) when PulseAudio is not installed or cannot start here.
set -u

for tool in pulseaudio pactl; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: PulseAudio cannot start here: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work HOME=$work/home
mkdir -p "$HOME"
unset DBUS_SESSION_BUS_ADDRESS PULSE_SERVER PULSE_RUNTIME_PATH
pa_pid=""
cleanup() {
  [ -n "$pa_pid" ] && kill "$pa_pid" 2>/dev/null && wait "$pa_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

pulseaudio -n --exit-idle-time=-1 --disallow-exit --daemonize=no \
  --load=module-null-sink --load=module-native-protocol-unix \
  --log-target=file:"$work/pa.log" &
pa_pid=$!
for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  kill -0 "$pa_pid" 2>/dev/null || break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "SKIP: PulseAudio cannot start here:"
  tail -5 "$work/pa.log" 2>/dev/null
  exit 77
fi

QT_QPA_PLATFORM=offscreen "$@"
