#!/usr/bin/env bash
# package.sh BUILD-DIR: packs the Debian package into a scratch folder and
# checks it as a distribution would: lintian finds no error and no warning,
# the program carries the hardening flags, and the Wayland platform plugin is
# among the dependencies.
set -euo pipefail
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cpack --config "$1/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" || { cat "$out/cpack.log"; exit 1; }
deb=("$out"/vasculon_*.deb)
lintian --fail-on error,warning "${deb[0]}" 2> >(grep -v 'root privileges' >&2)
dpkg-deb -x "${deb[0]}" "$out/root"
# Debian 12's C start-up files carry no control-flow marks, so no program
# linked there can have them, whatever it is compiled with.
hardening-check --nocfprotection "$out/root/usr/games/vasculon"
dpkg-deb -f "${deb[0]}" Depends | tr ',' '\n' | grep -qx ' *qt6-wayland' ||
    { echo "the package does not depend on qt6-wayland"; exit 1; }
