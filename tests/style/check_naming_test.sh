#!/usr/bin/env bash
# The naming check's cache must not hide a bad name: in a two-source project, clean sources are
# kept, a second clone of it finds them kept, and a bad name added afterwards to the header they
# include in that clone is still reported there (and only there). The two sources define one
# helper name each in an unnamed namespace, so they cannot be read as one unit: each is read
# alone, and clean. Each is compiled with a header the build wrote that names the clone's folder
# whole, as CMake's precompiled header wrapper does: the clones must still share their checks.
set -euo pipefail
root="$1"
script="$root/tests/style/check_naming.py"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
project() { # project DIR: a two-source project in DIR with its compile database.
  mkdir -p "$1/src" "$1/build"
  cp "$root/.clang-tidy" "$1/"
  printf '#pragma once\nstruct Shape {\n  int sides = 3;\n};\n' >"$1/src/shape.h"
  printf '#include "%s/src/shape.h"\n' "$1" >"$1/build/wrapper.h"
  for name in sides corners; do
    printf '#include "shape.h"\nnamespace {\nconstexpr int kEdges = 1;\n}\nint %s() { return Shape{}.sides * kEdges; }\n' \
      "${name^}" >"$1/src/$name.cpp"
  done
  cat >"$1/build/compile_commands.json" <<EOF
[{"directory": "$1/build", "file": "$1/src/sides.cpp",
  "command": "/usr/bin/c++ -include $1/build/wrapper.h -I$1/src -std=c++20 -o sides.o -c $1/src/sides.cpp"},
 {"directory": "$1/build", "file": "$1/src/corners.cpp",
  "command": "/usr/bin/c++ -include $1/build/wrapper.h -I$1/src -std=c++20 -o corners.o -c $1/src/corners.cpp"}]
EOF
}
expect() { # expect DIR STATUS TEXT: the check of DIR exits with STATUS and prints TEXT.
  local status=0 out
  out="$(python3 "$script" "$1" "$1/build" --cache "$tmp/cache" 2>&1)" || status=$?
  if [ "$status" -ne "$2" ] || ! grep -qF "$3" <<<"$out"; then
    echo "$1: expected exit $2 and '$3', got exit $status:"; echo "$out"; exit 1
  fi
}
project "$tmp/one"
expect "$tmp/one" 0 'naming: 2 sources clean, 0 unchanged'
expect "$tmp/one" 0 'naming: 2 sources clean, 2 unchanged'
project "$tmp/two"
expect "$tmp/two" 0 'naming: 2 sources clean, 2 unchanged'
sed -i 's/int sides = 3;/int sides = 3;\n  int Bad_corners = 0;/' "$tmp/two/src/shape.h"
expect "$tmp/two" 1 "invalid case style for public member 'Bad_corners'"
expect "$tmp/one" 0 'naming: 2 sources clean, 2 unchanged'
echo "naming check: a clean source is shared by clones, a bad name in a header is still reported"
