#!/usr/bin/env bash
# validate.sh BUILD-DIR VERSION: installs into a scratch root and checks what a
# desktop reads there, and that the program answers its options without a display.
set -euo pipefail
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$1" --prefix /usr >/dev/null
id=org.example.vasculon
share="$root/usr/share"
desktop-file-validate "$share/applications/$id.desktop"
grep -qx "Icon=$id" "$share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" >/dev/null
for size in 16 32 48 64 128 256; do
    # A dock draws the icon on its own colour: the germ alone, on nothing.
    icon="$share/icons/hicolor/${size}x$size/apps/$id.png"
    file "$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA"
    [ "$(convert "$icon" -format '%[fx:p{0,0}.a+p{w-1,h-1}.a]' info:)" = 0 ]
done
MANWIDTH=200 man -l "$share/man/man6/vasculon.6.gz" | grep -q 'Saved Games.grm'
bin="$root/usr/games/vasculon"
env -u DISPLAY -u WAYLAND_DISPLAY "$bin" --help | grep -q '^Usage: vasculon'
[ "$(env -u DISPLAY "$bin" --version)" = "vasculon $2" ]
status=0
env -u DISPLAY "$bin" --fullscreen 2>"$root/err" >/dev/null || status=$?
[ "$status" -eq 2 ] && [ "$(wc -l <"$root/err")" -eq 1 ]
