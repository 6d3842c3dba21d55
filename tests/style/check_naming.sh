#!/usr/bin/env bash
# Fails on any name that breaks the naming rule of .clang-tidy (readability-identifier-naming):
# types and functions UpperCamel, members with a trailing underscore, locals lowerCamel,
# constants kUpperCamel. Runs clang-tidy with that one check over every translation unit of the
# build's compile_commands.json that belongs to the project (generated files excluded).
set -euo pipefail
root="$1"
build="$2"
jobs="$(nproc)"
mapfile -t units < <(grep -o '"file": *"[^"]*"' "$build/compile_commands.json" |
                     sed 's/"file": *"\(.*\)"/\1/' | grep -E "^$root/(src|tools|bench|tests)/" | sort -u)
report="$(mktemp)"
trap 'rm -f "$report"' EXIT
printf '%s\n' "${units[@]}" |
  xargs -P "$jobs" -n 4 clang-tidy -p "$build" --quiet --checks='-*,readability-identifier-naming' \
        --header-filter="^$root/(src|tools|bench|tests)/" >"$report" 2>/dev/null || true
if grep -q 'warning:' "$report"; then
  grep -A2 'warning:' "$report" | sort -u
  echo "naming: $(grep -c 'warning:' "$report") names break the rule"
  exit 1
fi
echo "naming: ${#units[@]} translation units clean"
