#!/usr/bin/env bash
# The display going away during play: the game runs under an X server of its
# own, is taken into play (Space, Space, a gear up), and the server is then
# killed. Every run must end promptly with status 1 and the one-line message,
# with no crash (no signal, no core), no sanitizer report and no hang.
# Usage: display_loss_test.sh GAME_BINARY READ_HUD_NUMBER_BINARY [RUNS]
set -uo pipefail

game=$(realpath "$1")
read_number=$(realpath "$2")
runs=${3:-5}
# shellcheck source=window_harness.sh source-path=SCRIPTDIR
source "$(dirname "$(realpath "$0")")/window_harness.sh"

if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is not installed: skipping $(basename "$0")"
    exit "$kSkipStatus"
fi
prepare_session
# A sanitizer report must not be mistaken for the game's own status 1.
export ASAN_OPTIONS="exitcode=66${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="exitcode=66:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
# A crash would leave its core here, where the check below looks.
ulimit -c unlimited 2>/dev/null || true

server_pid=
stop_server() {
    [[ -n "$server_pid" ]] || return 0
    kill -9 "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null
    server_pid=
}
on_exit stop_server

# Starts an X server on a free display number and points DISPLAY at it.
start_server() {
    local number_file="$work/display"
    : >"$number_file"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" 2>"$work/xvfb.log" &
    server_pid=$!
    for _ in $(seq 100); do
        [[ -s "$number_file" ]] && break
        sleep 0.05
    done
    [[ -s "$number_file" ]] || return 1
    export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
}

for ((run = 1; run <= runs; run++)); do
    if ! start_server; then
        fail "run $run: Xvfb did not start: $(head -c 300 "$work/xvfb.log")"
        continue
    fi
    # The game's folder holds a core a crash would leave; none before the run.
    rm -f core core.*
    if ! start_game; then
        stop_server
        continue
    fi
    # The title screen, Get Ready, then a gear: moving, the road and the
    # traffic are drawn every frame.
    poll_for 5 on_title
    press_key space
    poll_for 5 on_get_ready
    press_key space
    next_bonus >/dev/null
    press_key Up
    # A different moment of the frame in each run, then the server is gone:
    # killed outright in odd runs, asked to stop in even ones.
    sleep "0.$((3 + run))"
    if ((run % 2)); then kill -9 "$server_pid"; else kill -TERM "$server_pid"; fi
    wait "$server_pid" 2>/dev/null
    server_pid=
    started=$(date +%s%N)
    if ! wait_for_exit; then
        fail "run $run: the game still runs 5 s after the display went away"
        stop_game
        continue
    fi
    elapsed_ms=$((($(date +%s%N) - started) / 1000000))
    message=$(grep -c "^kestrway: the display went away; ending the game$" "$work/game.log")
    report=$(grep -E "Sanitizer|runtime error|Segmentation|core dumped" "$work/game.log" | head -n 3)
    cores=$(compgen -G "core*" | head -n 1)
    if [[ "$exit_status" == 1 && "$message" == 1 && -z "$report" && -z "$cores" ]]; then
        pass "run $run: status 1 after ${elapsed_ms} ms with the one-line message"
    else
        fail "run $run: status $exit_status after ${elapsed_ms} ms, message lines $message, report '$report', core '$cores'; output: $(head -c 600 "$work/game.log")"
    fi
    rm -f core core.*
done

finish_checks "$runs"
