#!/usr/bin/env bash
# The reference service as systemd runs it, from a temporary prefix: the units
# pass systemd's offline checks, the unit's own ExecStart line started the way
# its socket starts it answers through the passed socket, and the installed
# program fetches its document from it.
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
socket=$prefix/lib/systemd/system/parlamo-server.socket
service=$prefix/lib/systemd/system/parlamo-server.service
MANPATH=$prefix/share/man systemd-analyze verify "$socket" "$service" >"$work/verify.log" 2>&1 ||
    fail "systemd-analyze verify: $(cat "$work/verify.log")"
systemd-analyze security --offline=yes --threshold=25 "$service" >"$work/security.log" 2>&1 ||
    fail "exposure above 2.5: $(tail -n 1 "$work/security.log")"
listen=$(sed -n 's/^ListenStream=//p' "$socket")
[ "$listen" = "$config_host" ] || fail "the socket listens on $listen, the program asks $config_host"

# CACHE_DIRECTORY as CacheDirectory= sets it.
read -ra exec_start <<<"$(sed -n 's/^ExecStart=//p' "$service")"
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
env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" QT_QPA_PLATFORM=offscreen \
    PARLAMO_CONFIG_HOST="127.0.0.1:$port" "$prefix/bin/RaDudezozad" --list >"$work/list" 2>&1 ||
    fail "the installed program could not list the engines: $(cat "$work/list")"
echo "units_check: all good"
