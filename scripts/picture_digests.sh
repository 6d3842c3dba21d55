#!/usr/bin/env bash
# Developer tool: the digests of scripts/digest_cases.txt, to show that a change keeps every picture.
# Prints one line a case of scripts/digest_cases.txt: its name, the renderer's exit status and the
# SHA-256 of everything it wrote (the output file or files, standard output and standard error).
# Two renderers compared: diff <(scripts/picture_digests.sh OLD) <(scripts/picture_digests.sh NEW)
set -uo pipefail
renderer="$(realpath "$1")"
cases="${2:-$(dirname "$0")/digest_cases.txt}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
while read -r name options; do
  [[ -z "$name" || "$name" == \#* ]] && continue
  dir="$work/$name"
  mkdir -p "$dir"
  eval "args=($options)"
  args=("${args[@]//OUT/$dir/out}")
  (cd "$dir" && "$renderer" "${args[@]}" >"$dir/stdout" 2>"$dir/stderr")
  status=$?
  sum=$(cd "$dir" && cat $(ls | sort) | sha256sum | cut -c1-16)
  echo "$name $status $sum"
done <"$cases"
