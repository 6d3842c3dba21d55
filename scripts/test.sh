#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole suite in a Release
# build, then the core's tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and its
# threads' tests under ThreadSanitizer. The sanitizers' builds build only the tests they run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
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
configure build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
configure build-sanitize -DCMAKE_BUILD_TYPE=Debug -DGAUSS_SANITIZE=ON
cmake --build build-sanitize -j"$jobs" --target core_tests
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
# The tests where threads meet (the pool, the runner, the passes' blocks) under ThreadSanitizer.
configure build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAUSS_TSAN=ON
cmake --build build-tsan -j"$jobs" --target thread_tests
ctest --test-dir build-tsan --output-on-failure -L tsan
