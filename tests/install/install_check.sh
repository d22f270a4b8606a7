#!/usr/bin/env bash
# What a user or a packager gets from the build: installs it into a temporary
# prefix, checks the files a desktop reads and validates them, runs the
# installed program's --help and --version with no display and an empty home,
# runs its window against the installed reference service and checks that it
# wrote nothing into the prefix, and builds the Debian package, checks it with
# lintian (when installed) and runs the program from it.
# Usage: install_check.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
id=org.velmor.Parlamo
# shellcheck source=../../scripts/services.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/services.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/parlamo-install.XXXXXX")
pids=()
# shellcheck disable=SC2317  # called by the trap
cleanup() {
    parlamo_stop_pid "${pids[@]}"
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# --- the installed tree ---------------------------------------------------
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log" >&2
    fail "cmake --install failed"
}
for f in bin/RaDudezozad bin/parlamo-server \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg" \
    share/man/man1/RaDudezozad.1.gz share/man/man1/parlamo-server.1.gz \
    share/doc/parlamo/copyright share/doc/parlamo/changelog.gz \
    share/parlamo-server/demo/config.xml; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
# Sound is a library of its own, loaded at the first sound: the program does
# not need Qt Multimedia to start.
sound=$(find "$prefix/lib" -path '*/parlamo/plugins/libparlamo_sound.so')
[ -f "$sound" ] || fail "not installed: lib/.../parlamo/plugins/libparlamo_sound.so"
! readelf -d "$prefix/bin/RaDudezozad" | grep -E 'NEEDED.*(Multimedia|sndfile)' ||
    fail "the program loads Qt Multimedia or libsndfile at start"
# So is language detection, loaded at the first text it looks at.
cld2=$(find "$prefix/lib" -path '*/parlamo/plugins/libparlamo_cld2.so')
[ -f "$cld2" ] || fail "not installed: lib/.../parlamo/plugins/libparlamo_cld2.so"
! readelf -d "$prefix/bin/RaDudezozad" | grep -E 'NEEDED.*cld2' ||
    fail "the program loads CLD2 at start"
# Tesseract likewise, at the first reading; the reader carries none of our
# own libraries.
ocr=$(find "$prefix/lib" -path '*/parlamo/plugins/libparlamo_ocr_tesseract.so')
[ -f "$ocr" ] || fail "not installed: lib/.../parlamo/plugins/libparlamo_ocr_tesseract.so"
! readelf -d "$prefix/bin/RaDudezozad" | grep -E 'NEEDED.*(tesseract|lept)' ||
    fail "the program loads Tesseract at start"
convert -size 320x40 xc:white -font DejaVu-Sans -pointsize 16 -annotate +10+28 \
    'The installed reader' "$work/read.png"
[ "$(env -u DISPLAY "$prefix/bin/RaDudezozad" --read-image "$work/read.png")" = \
    "The installed reader" ] || fail "the installed program does not read an image"
for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "$png is not $size x $size"
done
rsvg-convert -w 256 -h 256 "$prefix/share/icons/hicolor/scalable/apps/$id.svg" >/dev/null ||
    fail "the scalable icon does not render"

desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate: $desktop"
grep -qx "Exec=RaDudezozad" "$desktop" || fail "the desktop entry does not run RaDudezozad"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not use the installed icon"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate: the metainfo"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not list release $version"
[ -z "$(find "$prefix/share/man" -name '*.1')" ] || fail "a manual page is installed uncompressed"
for page in "$prefix"/share/man/man1/*.1.gz; do
    warnings=$(gzip -dc "$page" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
done
# gzip -9n: no file name and no time stamp in the header, so that two builds
# give the same bytes.
for gz in "$prefix"/share/man/man1/*.gz "$prefix/share/doc/parlamo/changelog.gz"; do
    [ "$(od -An -tx1 -j3 -N5 "$gz" | tr -d ' ')" = 0000000000 ] ||
        fail "$gz carries a name or a time stamp"
done
gzip -dc "$prefix/share/doc/parlamo/changelog.gz" | head -n1 | grep -q "^parlamo ($version) " ||
    fail "the changelog does not begin with version $version"

# The reference service is a component of its own.
cmake --install "$build" --prefix "$work/server-only" --component server >/dev/null
[ -x "$work/server-only/bin/parlamo-server" ] || fail "the server component lacks parlamo-server"
[ ! -e "$work/server-only/bin/RaDudezozad" ] || fail "the server component holds the client"

# --- the command line, as installed -----------------------------------------
# No display, no Qt platform, an empty home: --help and --version must work
# and leave the home empty.
home=$work/home
mkdir -p "$home" "$work/run"
chmod 700 "$work/run"
# in_home [NAME=VALUE...] PROGRAM ARGS...: replaces the calling shell, so
# that a program started with `in_home ... &` has the PID in $!. Call it in a
# subshell or in the background.
in_home() {
    exec env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$work/run" "$@"
}
program() { in_home PARLAMO_CONFIG_HOST=127.0.0.1:9 "$@"; }
expect_version() {
    local out
    out=$(program "$@") || fail "$* ended with status $?"
    [ "$out" = "RaDudezozad (Parlamo) $version" ] || fail "$*: printed '$out'"
}
expect_version "$prefix/bin/RaDudezozad" --version
expect_version "$prefix/bin/RaDudezozad" --unknown-option /startup --version
help=$(program "$prefix/bin/RaDudezozad" /debug --help) || fail "--help ended with status $?"
case "$help" in
    "Usage: RaDudezozad "*) ;;
    *) fail "--help printed: $help" ;;
esac
# The translations travel inside the program.
help=$(program LANG=de_DE.UTF-8 "$prefix/bin/RaDudezozad" --help) || fail "German --help failed"
case "$help" in
    "Aufruf: RaDudezozad "*) ;;
    *) fail "--help under de_DE printed: $help" ;;
esac
[ -z "$(find "$home" -mindepth 1)" ] || fail "--help or --version wrote: $(find "$home" -mindepth 1)"

# --- where the installed program writes ----------------------------------------
# The prefix is writable, as /usr/bin is for root: the window's start-up must
# still keep config.xml in the home and write nothing into the prefix.
listing() { find "$prefix" -printf '%P %s\n' | sort; }
before=$(listing)
port=$(parlamo_free_port) || fail "no free port"
parlamo_start_server "$prefix/bin/parlamo-server" "$prefix/share/parlamo-server/demo/config.xml" \
    "$port" "$work/server-cache" "$work/server.log" || fail "the installed parlamo-server did not start"
pids+=("$PARLAMO_SERVER_PID")
in_home QT_QPA_PLATFORM=offscreen PARLAMO_CONFIG_HOST="127.0.0.1:$port" \
    "$prefix/bin/RaDudezozad" >"$work/client.log" 2>&1 &
client=$!
pids+=("$client")
saved=$home/.local/share/Velmor/Parlamo/config.xml
saved_somewhere() { [ -s "$saved" ] || [ -e "$prefix/bin/config.xml" ]; }
parlamo_wait_until 60 saved_somewhere || {
    cat "$work/client.log" >&2
    fail "the installed program saved no config.xml"
}
kill -0 "$client" 2>/dev/null || fail "the installed program ended at start-up"
parlamo_stop_pid "$client" "$PARLAMO_SERVER_PID"
after=$(listing)
[ "$before" = "$after" ] ||
    fail "the installed program changed its prefix: $(diff <(echo "$before") <(echo "$after"))"
[ -s "$saved" ] || fail "the installed program did not save $saved"

# --- the Debian package ---------------------------------------------------
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack failed"
}
debs=("$work"/package/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "cpack made no single .deb: ${debs[*]}"
fi
deb=${debs[0]}
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6multimedia6 libqt6sql6-sqlite fonts-liberation2 libespeak-ng1; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/RaDudezozad ./usr/bin/parlamo-server "./usr/share/applications/$id.desktop" \
    "./usr/${sound#"$prefix/"}" \
    "./usr/share/metainfo/$id.metainfo.xml" ./usr/share/man/man1/RaDudezozad.1.gz \
    ./usr/share/doc/parlamo/copyright ./usr/share/doc/parlamo/changelog.gz \
    ./usr/lib/systemd/system/parlamo-server.socket ./usr/lib/systemd/system/parlamo-server.service; do
    grep -q " $f\$" <<<"$contents" || fail "the package lacks $f"
done
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || {
        cat "$work/lintian.log" >&2
        fail "lintian found errors or warnings in $(basename "$deb")"
    }
else
    echo "install_check: lintian is not installed (scripts/install-deps.sh installs it): not run"
fi
dpkg -x "$deb" "$work/root"
expect_version "$work/root/usr/bin/RaDudezozad" --version

# The maintainer scripts as dpkg runs them for an installation into another
# root (which touches no running systemd): installing enables the socket,
# purging leaves nothing of ours under /etc or /var, the cache included.
dpkg-deb -e "$deb" "$work/control"
ln -s "$(command -v deb-systemd-helper)" "$work/root/usr/bin/"
maint() { DPKG_ROOT=$work/root DPKG_MAINTSCRIPT_PACKAGE=parlamo sh "$work/control/$1" "${@:2}"; }
maint postinst configure
[ -L "$work/root/etc/systemd/system/sockets.target.wants/parlamo-server.socket" ] ||
    fail "postinst did not enable parlamo-server.socket"
mkdir -p "$work/root/var/cache/private/parlamo-server"
ln -s private/parlamo-server "$work/root/var/cache/parlamo-server"
maint prerm remove
maint postrm remove
maint postrm purge
left=$(find "$work/root/etc" "$work/root/var" -name '*parlamo*')
[ -z "$left" ] || fail "purge left $left"
echo "install_check: all good ($(basename "$deb"))"
