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

# Unoptimised with light debug information: it compiles several times faster
# than an optimised build, and the tests stay quick.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" \
    -DCMAKE_C_FLAGS_DEBUG="-O0 -g1" -DSTUMPCRAFT_GUI=OFF -DSTUMPCRAFT_BENCH=OFF -DSTUMPCRAFT_SANITIZE=ON
cmake --build build-asan -j"$jobs" --target core_tests stumpcraft-verify document_fuzz_replay \
    scenario_fuzz_replay base_fuzz_replay
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
(cd build-asan && ctest --output-on-failure -j"$jobs")
