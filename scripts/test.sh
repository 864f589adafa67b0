#!/usr/bin/env bash
# Builds and runs the whole test suite: the normal build (unit, scenario,
# data and real-window tests), the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the BMP loader's fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test
jobs=$(nproc)

echo "== Normal build"
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs" -LE e2e

if [[ -x fuzz/run.sh ]]; then
    echo "== Fuzzing the BMP loader"
    fuzz/run.sh
fi
