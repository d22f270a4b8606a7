#!/usr/bin/env bash
# Plays spoken words through the real sound output into the null sink that
# with_null_sink.sh starts, and checks that sound arrived there.
set -u
probe=$1

for tool in parecord espeak-ng sox soxi; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "FAILED: $tool is missing (scripts/install-deps.sh installs it)"
    exit 1
  fi
done

# Runs inside with_null_sink.sh, which owns the daemon and its folder.
work=$(mktemp -d)
rec_pid=""
cleanup() {
  [ -n "$rec_pid" ] && kill "$rec_pid" 2>/dev/null && wait "$rec_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Qt's sound effect drops the last moment of a file: give the words a quiet tail.
espeak-ng -w "$work/hello-raw.wav" hello || exit 1
espeak-ng -w "$work/world-raw.wav" world || exit 1
sox "$work/hello-raw.wav" "$work/hello.wav" pad 0 0.3 || exit 1
sox "$work/world-raw.wav" "$work/world.wav" pad 0 0.3 || exit 1
espeak-ng -w "$work/long-raw.wav" "a sentence that takes far longer to say" || exit 1
sox "$work/long-raw.wav" "$work/long.wav" pad 0 0.3 || exit 1
seconds=$(soxi -D "$work/hello.wav")
long_seconds=$(soxi -D "$work/long.wav")

parecord --latency-msec=20 -d null.monitor --file-format=wav --channels=1 --rate=22050 \
  "$work/capture.wav" &
rec_pid=$!
sleep 0.2

QT_QPA_PLATFORM=offscreen "$probe" "$work/hello.wav" "$work/world.wav" "$work/long.wav" \
  "$seconds" "$long_seconds"
rc=$?

kill -INT "$rec_pid"
wait "$rec_pid" 2>/dev/null
rec_pid=""
peak=$(sox "$work/capture.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
echo "peak amplitude on the sink's monitor: ${peak:-none}"
if ! awk -v p="${peak:-0}" 'BEGIN { exit !(p > 0.05) }'; then
  echo "FAILED: no sound reached the null sink"
  rc=1
fi
exit $rc
