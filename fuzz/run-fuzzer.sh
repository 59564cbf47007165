#!/usr/bin/env bash
# Builds the fuzzers with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# and runs each for SECONDS (default 300): "document" feeds arbitrary bytes to
# the reader; "scenario" mutates the small invented fuzz base and runs every
# verifier; "base" does the same on the verification tests' base scenario
# (tests/data/base), many times slower.
# New interesting inputs land in fuzz-build/<target>-corpus; copy small ones
# that found a fault into fuzz/corpus or fuzz/scenario-corpus so the tests
# replay them. The summary gives each run's executions, speed and coverage;
# the whole output of a run is in fuzz-build/<target>.log.
#   fuzz/run-fuzzer.sh [SECONDS] [document|scenario|base|all]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
which=${2:-all}
# The scenario fuzzers build apart, without comparison tracing (their input
# never meets a comparison), which makes them almost twice as fast.
configure() {
    CC=clang CXX=clang++ cmake -S . -B "$1" -G Ninja -DSTUMPCRAFT_GUI=OFF -DSTUMPCRAFT_TESTS=OFF \
        -DSTUMPCRAFT_FUZZ=ON -DSTUMPCRAFT_FUZZ_COMPARISONS="$2" -DSTUMPCRAFT_SANITIZE=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
}
# An input frees about 1.5 MB: a quarantine of 16 MB still catches a use
# after free within the last ten or so, and spares the fuzzer the page faults
# of the default 256 MB (a third of its time). Allocations are not filled
# (the element trees set every field) and keep no stacks, a tenth of the
# time each; a finding replays with full stacks through the corpus replay
# of the test build.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=0:max_malloc_fill_size=0}
summary=()
run() {
    local target=$1 seeds=$2 build=fuzz-build comparisons=ON
    shift 2
    if [[ $target != document ]]; then
        build=fuzz-build-scenario comparisons=OFF
    fi
    configure "$build" "$comparisons"
    cmake --build "$build" --target "${target}_fuzzer" -j"$(nproc)"
    mkdir -p "fuzz-build/${target}-corpus"
    cp -n "$seeds"/* "fuzz-build/${target}-corpus/" 2>/dev/null || true
    local log="fuzz-build/${target}.log" status=0
    "$build/bin/${target}_fuzzer" "fuzz-build/${target}-corpus" -max_total_time="$seconds" \
        -print_final_stats=1 "$@" 2>&1 | tee "$log" || status=$?
    local runs speed coverage
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    # The last status line: "#N  DONE  cov: C ft: F corp: ..."
    coverage=$(grep -E '^#[0-9]+' "$log" | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [^ ]+' ||
        true)
    summary+=("$(printf '%-9s %10s executions in %ss, %6s exec/s, %s%s' "$target" "${runs:-?}" \
        "$seconds" "${speed:-?}" "${coverage:-no coverage line}" \
        "$([[ $status == 0 ]] || echo ", FAILED (exit $status)")")")
}
if [[ $which == all || $which == document ]]; then
    run document fuzz/corpus -max_len=4096 -dict=fuzz/xml.dict
fi
if [[ $which == all || $which == scenario ]]; then
    run scenario fuzz/scenario-corpus -max_len=512
fi
if [[ $which == all || $which == base ]]; then
    run base fuzz/scenario-corpus -max_len=512
fi
echo
echo "Summary:"
printf '  %s\n' "${summary[@]}"
for line in "${summary[@]}"; do
    [[ $line != *FAILED* ]] || exit 1
done
