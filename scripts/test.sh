#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole suite in a Release
# build, then the core's tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and its
# threads' tests under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs="$(nproc)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DGAUSS_SANITIZE=ON
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
# The tests where threads meet (the pool, the runner, the passes' blocks) under ThreadSanitizer.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAUSS_TSAN=ON
cmake --build build-tsan -j"$jobs" --target pass_tests gradient_tests
ctest --test-dir build-tsan --output-on-failure -L tsan
