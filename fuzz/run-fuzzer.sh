#!/usr/bin/env bash
# Builds the document fuzzer with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzzes for SECONDS (default 300).
# New interesting inputs land in fuzz-build/corpus; copy small ones that
# found a fault into fuzz/corpus so the tests replay them.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
CC=clang CXX=clang++ cmake -S . -B fuzz-build -G Ninja -DSTUMPCRAFT_GUI=OFF -DSTUMPCRAFT_TESTS=OFF \
    -DSTUMPCRAFT_FUZZ=ON -DSTUMPCRAFT_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build fuzz-build --target document_fuzzer -j"$(nproc)"
mkdir -p fuzz-build/corpus
cp -n fuzz/corpus/* fuzz-build/corpus/ 2>/dev/null || true
fuzz-build/bin/document_fuzzer fuzz-build/corpus -max_total_time="$seconds" -max_len=4096 \
    -dict=fuzz/xml.dict
