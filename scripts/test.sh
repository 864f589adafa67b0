#!/usr/bin/env bash
# Builds and runs the whole test suite: the normal build (unit, whole-game
# scenario, data and real-window tests), the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, the real window under
# ThreadSanitizer, the browser version in headless Chromium, the Windows
# version under Wine, the release packages (made, started under Xvfb,
# validated), and the BMP, map, replay and WAV readers' fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test
jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
total=0

# Runs ctest and adds its passed tests to the total (a failure stops the script).
run_ctest() {
    ctest "$@" 2>&1 | tee "$log"
    local passed
    passed=$(grep -oE 'tests passed, 0 tests failed out of [0-9]+' "$log" | grep -oE '[0-9]+$' || echo 0)
    total=$((total + passed))
}

echo "== The tree: formatting, nothing read from outside the repository"
tests/repo/check_tree.sh | tee "$log"
total=$((total + $(grep -oE '^repo: [0-9]+ passed' "$log" | grep -oE '[0-9]+')))

echo "== Normal build"
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
run_ctest --preset default -j "$jobs"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
run_ctest --preset asan -j "$jobs" -LE e2e
# --- The display going away during play, the window through resizing and
# play held while away or paused, on the sanitizer build too
echo "== The real window, under AddressSanitizer + UndefinedBehaviorSanitizer"
run_ctest --preset asan -L 'display_loss|sanitized'
# --- end of the display going away

if [[ -x tests/e2e/tsan_run.sh ]]; then
    echo "== ThreadSanitizer: the presenter thread against the game thread"
    tests/e2e/tsan_run.sh
    total=$((total + 1))
fi

# --- The browser version, played in headless Chromium
echo "== The browser version in headless Chromium"
tests/web/run.sh | tee "$log"
total=$((total + $(grep -oE '^web: [0-9]+ passed' "$log" | grep -oE '[0-9]+')))
# --- end of the browser version

# --- The Windows version, cross-built and run under Wine
echo "== Windows: cross-built with MinGW-w64, tested under Wine"
tests/windows/run.sh 2>&1 | tee "$log"
total=$((total + $(grep -oE '^windows: [0-9]+ passed, 0 failed' "$log" | grep -oE '[0-9]+' | head -n 1)))
# --- end of the Windows version

# --- The release packages: made twice, unpacked, started, validated
echo "== The release packages"
tests/package/run.sh | tee "$log"
total=$((total + $(grep -oE '^package: [0-9]+ passed' "$log" | grep -oE '[0-9]+')))
# --- end of the release packages

echo "== Fuzzing the BMP, map, replay and WAV readers"
fuzz/run.sh
total=$((total + 3))

echo
echo "kestrway: ${total} passed, 0 failed"
