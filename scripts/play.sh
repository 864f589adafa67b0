#!/usr/bin/env bash
# Builds the game alone (no tests, tools or benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset play >/dev/null
cmake --build --preset play --target kestrway
cd build/play && exec ./kestrway
