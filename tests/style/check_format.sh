#!/usr/bin/env bash
# Fails when any C++ file of the project differs from what clang-format makes of it.
set -euo pipefail
root="$1"
cd "$root"
mapfile -t files < <(find src tools bench tests -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files clean"
