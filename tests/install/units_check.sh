#!/usr/bin/env bash
# The reference service as systemd runs it: installs the build into a
# temporary prefix, checks the units there with systemd's offline tools,
# starts the service the way its socket does (systemd-socket-activate with
# the unit's own ExecStart line and a cache folder as CacheDirectory= gives
# one), and lets the installed program fetch its document through it.
# Usage: units_check.sh BUILD_DIR CONFIG_HOST (the host built into the program)
set -euo pipefail
build=$1
config_host=$2
# shellcheck source=../../scripts/services.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/services.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/parlamo-units.XXXXXX")
server=
# shellcheck disable=SC2317  # called by the trap
cleanup() {
    parlamo_stop_pid "$server"
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ ! -s "$work/server.log" ] || cat "$work/server.log" >&2
    exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed"
units=$prefix/lib/systemd/system
socket=$units/parlamo-server.socket
service=$units/parlamo-server.service

# The manual page the units name is the installed one.
MANPATH=$prefix/share/man systemd-analyze verify "$socket" "$service" >"$work/verify.log" 2>&1 ||
    fail "systemd-analyze verify: $(cat "$work/verify.log")"
! grep parlamo-server "$work/verify.log" || fail "systemd-analyze verify complains"
systemd-analyze security --offline=yes --threshold=25 "$service" >"$work/security.log" 2>&1 ||
    fail "exposure above 2.5: $(tail -n 1 "$work/security.log")"
# The program started from the menu asks the address the socket listens on.
listen=$(sed -n 's/^ListenStream=//p' "$socket")
[ "$listen" = "$config_host" ] || fail "the socket listens on $listen, the program asks $config_host"

read -ra exec_start <<<"$(sed -n 's/^ExecStart=//p' "$service")"
[ -x "${exec_start[0]}" ] || fail "ExecStart names no installed program: ${exec_start[*]}"
port=$(parlamo_free_port)
mkdir -p "$work/cache"
systemd-socket-activate -l "${listen%:*}:$port" -E CACHE_DIRECTORY="$work/cache" -- \
    "${exec_start[@]}" >"$work/server.log" 2>&1 &
server=$!
parlamo_wait_until 15 parlamo_port_busy "$port" || fail "nothing listens on $port"
curl -fsS --max-time 30 -o "$work/document" "http://127.0.0.1:$port/translator/3/config.asp" ||
    fail "the service did not answer the configuration request"
cmp -s "$work/document" "$prefix/share/parlamo-server/demo/config.xml" ||
    fail "the service answered another document"
curl -fsS --max-time 30 -o /dev/null "http://127.0.0.1:$port/speak?voice=en&text=hello" ||
    fail "the service does not speak"
[ -n "$(find "$work/cache" -type f)" ] || fail "the service cached nothing in CACHE_DIRECTORY"

home=$work/home
mkdir -p "$home"
env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" QT_QPA_PLATFORM=offscreen \
    PARLAMO_CONFIG_HOST="127.0.0.1:$port" "$prefix/bin/RaDudezozad" --list >"$work/list" 2>&1 ||
    fail "the installed program could not list the engines: $(cat "$work/list")"
engine=$(grep -o '<Engine name="[^"]*"' "$prefix/share/parlamo-server/demo/config.xml" | head -n 1)
engine=${engine#*\"}
grep -qF -- "${engine%\"}" "$work/list" || fail "--list printed: $(cat "$work/list")"

# A stop ends the service at once and well.
# shellcheck disable=SC2317  # called by parlamo_wait_until
ended() { [ ! -e "/proc/$server" ] || grep -q '^[0-9]* (.*) Z' "/proc/$server/stat"; }
kill -TERM "$server"
parlamo_wait_until 10 ended || fail "the service did not end within 10 s of SIGTERM"
rc=0
wait "$server" || rc=$?
server=
[ "$rc" -eq 0 ] || fail "the service ended with status $rc when stopped"
echo "units_check: all good"
