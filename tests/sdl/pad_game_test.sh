#!/usr/bin/env bash
# Runs sdl_pad_game in a display of its own and gives its window the
# keyboard focus (a window without it holds the game and takes no pad).
# Usage: pad_game_test.sh <sdl_pad_game> <data folder>
set -u
# shellcheck source=../e2e/window_harness.sh source-path=SCRIPTDIR
source "$(dirname "$(realpath "$0")")/../e2e/window_harness.sh"
run_in_xvfb "$0" "$@"
command -v xdotool >/dev/null || { echo "missing tool: xdotool"; exit 1; }
# The game's own scaler, as in the other window tests: the same on every
# machine, and no GL driver loaded whose allocations a sanitizer build would
# report once SDL has unloaded it.
export SDL_RENDER_DRIVER=software
# For a sanitizer build: leaks of system libraries are not ours.
export LSAN_OPTIONS="suppressions=$harness_dir/lsan_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

"$1" "$2" &
game_pid=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1)
    [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || { echo "no window"; kill "$game_pid"; exit 1; }
xdotool windowfocus --sync "$window"
wait "$game_pid"
