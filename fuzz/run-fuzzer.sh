#!/usr/bin/env bash
# Builds the fuzzers with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# and runs each for SECONDS (default 300): "document" feeds arbitrary bytes to
# the reader, "scenario" mutates a whole scenario and runs every verifier.
# New interesting inputs land in fuzz-build/<target>-corpus; copy small ones
# that found a fault into fuzz/corpus or fuzz/scenario-corpus so the tests
# replay them.
#   fuzz/run-fuzzer.sh [SECONDS] [document|scenario|all]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
which=${2:-all}
CC=clang CXX=clang++ cmake -S . -B fuzz-build -G Ninja -DSTUMPCRAFT_GUI=OFF -DSTUMPCRAFT_TESTS=OFF \
    -DSTUMPCRAFT_FUZZ=ON -DSTUMPCRAFT_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
run() {
    local target=$1 seeds=$2
    shift 2
    cmake --build fuzz-build --target "${target}_fuzzer" -j"$(nproc)"
    mkdir -p "fuzz-build/${target}-corpus"
    cp -n "$seeds"/* "fuzz-build/${target}-corpus/" 2>/dev/null || true
    fuzz-build/bin/"${target}_fuzzer" "fuzz-build/${target}-corpus" -max_total_time="$seconds" "$@"
}
if [[ $which == all || $which == document ]]; then
    run document fuzz/corpus -max_len=4096 -dict=fuzz/xml.dict
fi
if [[ $which == all || $which == scenario ]]; then
    run scenario fuzz/scenario-corpus -max_len=512
fi
