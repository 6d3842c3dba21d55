#!/usr/bin/env bash
# The naming check's cache must not hide a bad name: in a one-source project, a clean source is
# kept, and a bad name added afterwards to the header it includes is still reported.
set -euo pipefail
root="$1"
script="$root/tests/style/check_naming.py"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/src" "$tmp/build"
cp "$root/.clang-tidy" "$tmp/"
printf 'struct Shape {\n  int sides = 3;\n};\n' >"$tmp/src/shape.h"
printf '#include "shape.h"\nint Sides() { return Shape{}.sides; }\n' >"$tmp/src/shape.cpp"
cat >"$tmp/build/compile_commands.json" <<EOF
[{"directory": "$tmp/build", "file": "$tmp/src/shape.cpp",
  "command": "/usr/bin/c++ -I$tmp/src -std=c++20 -o shape.o -c $tmp/src/shape.cpp"}]
EOF
expect() { # expect STATUS TEXT: the check exits with STATUS and prints TEXT.
  local status=0 out
  out="$(python3 "$script" "$tmp" "$tmp/build" 2>&1)" || status=$?
  if [ "$status" -ne "$1" ] || ! grep -qF "$2" <<<"$out"; then
    echo "expected exit $1 and '$2', got exit $status:"; echo "$out"; exit 1
  fi
}
expect 0 'naming: 1 sources clean, 0 unchanged'
expect 0 'naming: 1 sources clean, 1 unchanged'
sed -i 's/int sides = 3;/int sides = 3;\n  int Bad_corners = 0;/' "$tmp/src/shape.h"
expect 1 "invalid case style for public member 'Bad_corners'"
echo "naming check: a bad name in a header of a cached source is reported"
