#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it. The shipped
# data (template, scenarios, manual) is copied beside the program, which is
# where it keeps scenarios and options.
#
#     scripts/run.sh [--no-splash] [--data DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target stumpcraft -j"$(nproc)"
exec build/bin/stumpcraft "$@"
