#!/usr/bin/env bash
# Usage: check_install.sh BUILD_FOLDER APP_ID
# Installs into a temporary prefix, validates the desktop entry, the AppStream metadata and the
# manual page, and runs the installed programs from an unrelated folder.
set -euo pipefail
build="$1"
id="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/gauss-sphere bin/gauss-sphere-render share/applications/"$id".desktop \
         share/metainfo/"$id".metainfo.xml share/mime/packages/"$id".xml \
         share/man/man1/gauss-sphere.1.gz \
         share/man/man1/gauss-sphere-render.1.gz share/man/ru/man1/gauss-sphere-render.1.gz \
         share/doc/gauss-sphere/copyright \
         share/doc/gauss-sphere/changelog.Debian.gz; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
# The programs need only system libraries: no RUNPATH or RPATH pointing anywhere.
for program in gauss-sphere gauss-sphere-render; do
  ! readelf -d "$prefix/bin/$program" | grep -qE 'RUNPATH|RPATH' || fail "$program has a run path"
done
for size in 16 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$icon" ] || fail "no ${size}px icon"
  file "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not ${size}x${size}"
done

out="$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1)" ||
  fail "desktop-file-validate: $out"
grep -qx 'Exec=gauss-sphere %f' "$prefix/share/applications/$id.desktop" || fail "Exec line"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "Icon line"

# The setup file's type: well-formed, and the MIME database built from it gives *.gsetup that
# type, a kind of JSON, which the desktop entry opens.
mime="$prefix/share/mime/packages/$id.xml"
xmllint --noout "$mime" || fail "xmllint $mime"
update-mime-database "$prefix/share/mime" || fail "update-mime-database"
grep -q ':application/x-gauss-sphere-setup:\*\.gsetup' "$prefix/share/mime/globs2" ||
  fail "globs2 lacks *.gsetup"
grep -qx 'application/x-gauss-sphere-setup application/json' "$prefix/share/mime/subclasses" ||
  fail "the setup type is no kind of JSON"
grep -qx 'MimeType=application/x-gauss-sphere-setup;' "$prefix/share/applications/$id.desktop" ||
  fail "MimeType line"

appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "appstreamcli validate"

# The Russian texts name the four functions by the window's captions.
for caption in Матовая:матовая Глянцевая:глянцевая Каменистая:каменистая Зеркальная:зеркальная; do
  grep -q "«${caption%%:*}»" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "AppStream lacks ${caption%%:*}"
  grep -q "^Keywords\[ru\]=.*;${caption#*:};" "$prefix/share/applications/$id.desktop" ||
    fail "desktop keywords lack ${caption#*:}"
done

# Each manual page: gzip -9n (no name or time inside), renders without warnings, lists options;
# the English pages are the default ones, the renderer's Russian page is in Russian.
for program in man1/gauss-sphere:--help-all man1/gauss-sphere-render:--rot-x \
               man1/gauss-sphere-render:Paints ru/man1/gauss-sphere-render:--rot-x \
               ru/man1/gauss-sphere-render:Рисует; do
  file="$prefix/share/man/${program%%:*}.1.gz"
  gzip -lv "$file" >/dev/null && [ "$(od -An -tu4 -j4 -N4 "$file" | tr -d ' ')" = 0 ] ||
    fail "$file is not compressed without a time stamp"
  warnings="$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$file" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "man page warnings: $warnings"
  page="$(MANWIDTH=80 LC_ALL=C.UTF-8 man -l "$file" 2>/dev/null)"
  grep -q -- "${program#*:}" <<<"$page" || fail "$file lacks ${program#*:}"
done

# The installed programs need nothing from the source or build folders.
cd "$prefix"
"$prefix/bin/gauss-sphere-render" --size 64x48 -o picture.png || fail "renderer exit status $?"
file picture.png | grep -q "PNG image data, 64 x 48," || fail "renderer wrote no picture"
# The window's --help and --version need no display.
version="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/gauss-sphere" --version)"
grep -qx 'gauss-sphere [0-9.]*' <<<"$version" || fail "gauss-sphere --version: $version"
help="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/gauss-sphere" --help)"
grep -q -- '--version' <<<"$help" || fail "gauss-sphere --help: $help"

# The Python module, where the build made one: with its type stub in the prefix's Python folder,
# and importable from there by the Python it was built for.
module="$(find "$build/python" -maxdepth 1 -name 'gauss_sphere*.so' 2>/dev/null | head -1)"
if [ -n "$module" ]; then
  python_dir="$(find "$prefix/lib" -maxdepth 2 -type d -name dist-packages | head -1)"
  [ -f "$python_dir/$(basename "$module")" ] || fail "the Python module is not installed"
  [ -f "$python_dir/gauss_sphere.pyi" ] || fail "the Python module's type stub is not installed"
  python="$(sed -n 's/^Python3_EXECUTABLE:[A-Z]*=//p' "$build/CMakeCache.txt")"
  PYTHONPATH="$python_dir" "$python" -c \
    'import gauss_sphere as gs; assert gs.sphere(size=(8, 6)).shape == (6, 8, 3)' ||
    fail "the installed Python module does not import"
fi
echo "install check passed"
