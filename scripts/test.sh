#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole suite in a Release
# build, then the core's tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and its
# threads' tests under ThreadSanitizer. The sanitizers' builds build only the tests they run.
set -euo pipefail
cd "$(dirname "$0")/.."
# Each phase's wall time, printed at the end (those done so far when one fails), so that a slow
# phase shows.
timings=()
phase() { # phase NAME COMMAND...: runs COMMAND and keeps its time under NAME.
  local name="$1" start="$SECONDS"
  shift
  "$@"
  timings+=("$(printf '%6d s  %s' $((SECONDS - start)) "$name")")
}
report() {
  ((${#timings[@]})) && printf 'test.sh phases (wall):\n' && printf '%s\n' "${timings[@]}"
  printf '%6d s  in all\n' "$SECONDS"
}
trap report EXIT
phase "set-up (apt)" bash scripts/setup.sh
jobs="$(nproc)"
# A new build folder is made for Ninja; one made before keeps the generator it was made with.
configure() {
  local dir="$1"
  shift
  if [ -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" "$@"
  else
    cmake -S . -B "$dir" -G Ninja "$@"
  fi
}
phase "Release: configure" configure build -DCMAKE_BUILD_TYPE=Release
phase "Release: build" cmake --build build -j"$jobs"
phase "Release: every test" ctest --test-dir build --output-on-failure -j"$jobs"
phase "ASan/UBSan: configure" configure build-sanitize -DCMAKE_BUILD_TYPE=Debug -DGAUSS_SANITIZE=ON
phase "ASan/UBSan: build the core's tests" cmake --build build-sanitize -j"$jobs" --target core_tests
phase "ASan/UBSan: the core's tests" ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
# The tests where threads meet (the pool, the runner, the passes' blocks) under ThreadSanitizer.
phase "TSan: configure" configure build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAUSS_TSAN=ON
phase "TSan: build the threads' tests" cmake --build build-tsan -j"$jobs" --target thread_tests
phase "TSan: the threads' tests" ctest --test-dir build-tsan --output-on-failure -L tsan
