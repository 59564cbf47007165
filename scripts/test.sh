#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then
# builds the core and command line tests again with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan (no GUI, so it stays quick) and
# runs them and the fuzz corpus replays there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTUMPCRAFT_GUI=OFF -DSTUMPCRAFT_BENCH=OFF \
    -DSTUMPCRAFT_SANITIZE=ON
cmake --build build-asan -j"$jobs" --target core_tests stumpcraft-verify document_fuzz_replay \
    scenario_fuzz_replay
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
(cd build-asan && ctest --output-on-failure -j"$jobs")
