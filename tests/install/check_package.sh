#!/usr/bin/env bash
# Usage: check_package.sh BUILD_FOLDER
# Makes the Debian package in a temporary folder, checks its control fields and contents, and
# runs lintian on it: any error or warning fails the check; informational tags are printed.
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
         ./usr/share/metainfo/ ./usr/share/man/man1/gauss-sphere.1.gz \
         ./usr/share/man/man1/gauss-sphere-render.1.gz ./usr/share/doc/gauss-sphere/copyright \
         ./usr/share/doc/gauss-sphere/changelog.Debian.gz; do
  grep -qF "$f" <<<"$contents" || fail "package lacks $f"
done
# The Python module where the build made one, in Debian's folder for every Python 3.
if find "$build/python" -maxdepth 1 -name 'gauss_sphere*.so' 2>/dev/null | grep -q .; then
  for f in ./usr/lib/python3/dist-packages/gauss_sphere.cpython- \
           ./usr/lib/python3/dist-packages/gauss_sphere.pyi; do
    grep -qF "$f" <<<"$contents" || fail "package lacks $f"
  done
fi

# lintian warns on stderr when run as root (as CI does); its tags go to stdout.
report="$(lintian --fail-on none --display-info --tag-display-limit 0 "$deb")" ||
  fail "lintian did not run"
[ -z "$report" ] || echo "$report"
if grep -q '^[EW]: ' <<<"$report"; then fail "lintian reports errors or warnings"; fi
echo "package check passed"
