#!/usr/bin/env bash
# Usage: check_package.sh BUILD_FOLDER
# Makes the Debian package in a temporary folder and checks its control fields and contents.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb="$(ls "$work"/*.deb)"
[ -f "$deb" ] || fail "no package"
depends="$(dpkg-deb -f "$deb" Depends)"
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends lacks Qt 6: $depends"
grep -q 'libqt6gui6' <<<"$depends" || fail "Depends lacks Qt 6 Gui: $depends"
[ "$(dpkg-deb -f "$deb" Section)" = science ] || fail "section"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no maintainer"
[ -n "$(dpkg-deb -f "$deb" Description)" ] || fail "no description"
contents="$(dpkg-deb -c "$deb")"
for f in ./usr/bin/gauss-sphere ./usr/bin/gauss-sphere-render ./usr/share/applications/ \
         ./usr/share/metainfo/ ./usr/share/man/man1/gauss-sphere-render.1; do
  grep -qF "$f" <<<"$contents" || fail "package lacks $f"
done
echo "package check passed"
