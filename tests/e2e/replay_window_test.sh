#!/usr/bin/env bash
# Replays with the real game under Xvfb: a short game played with --record
# (Space, two gears up, fire, Escape back to the title, the close button),
# then --verify of that file without a window, then --play of it in the
# window, whose HUD counts down through the same bonus as the recorded game
# did and which ends by itself; Escape stops a playback.
# Usage: replay_window_test.sh GAME_BINARY PRESS_CLOSE_BUTTON_BINARY READ_HUD_NUMBER_BINARY
set -uo pipefail

game=$(realpath "$1")
press_close=$(realpath "$2")
read_number=$(realpath "$3")
# shellcheck source=window_harness.sh source-path=SCRIPTDIR
source "$(dirname "$(realpath "$0")")/window_harness.sh"

run_in_xvfb "$0" "$@"
prepare_session
recording=$work/run.krp

# --- Record a game.
game_options=(--record "$recording")
recorded_low=
if start_game && poll_for 10 on_title; then
    focus_window
    press_key space
    poll_for 10 on_get_ready
    press_key space
    press_key Up
    press_key Up
    hold_key space
    bonus_falls 2 "$(next_bonus)" 10
    release_key space
    recorded_low=$latest
    hold_key Escape
    sleep 0.2
    release_key Escape
    poll_for 10 on_title
    close_window
    if [[ "${exit_status:-}" == 0 && -s "$recording" && -n "$recorded_low" ]]; then
        pass "a game recorded (bonus down to $recorded_low), status 0 after the close button"
    else
        fail "recording: status '${exit_status:-}', file $(stat -c %s "$recording" 2>/dev/null), bonus '$recorded_low'"
    fi
fi
stop_game

# --- Verify it without a window.
report=$(DISPLAY= "$game" --verify "$recording" 2>&1)
status=$?
if [[ $status == 0 && "$report" == *"game 1: left with Escape"*": matches"* && "$report" == *"1 game, all match"* ]]; then
    pass "--verify with no display: $(head -n 1 <<<"$report")"
else
    fail "--verify: status $status: $report"
fi

# --- Play it back: the same countdown in the window, then the program ends.
game_options=(--play "$recording")
if start_game && poll_for 10 off_title; then
    title=$(retry xprop -id "$window" _NET_WM_NAME)
    [[ "$title" == *replay* ]] && pass "the window title says replay" || fail "window title: $title"
    played_low=
    while game_running; do
        next_frame 1 && bonus=$(hud_bonus) && played_low=$bonus
    done
    wait_for_exit
    if [[ "${exit_status:-}" == 0 && -n "$played_low" ]] && ((played_low <= recorded_low && played_low >= recorded_low - 1)); then
        pass "--play counted down to bonus $played_low (recorded $recorded_low) and ended with status 0"
    else
        fail "--play: status '${exit_status:-}', bonus down to '$played_low' (recorded '$recorded_low')"
    fi
fi
stop_game

# --- Escape stops a playback.
if start_game && poll_for 10 off_title; then
    focus_window
    press_key Escape
    if wait_for_exit && [[ "$exit_status" == 0 ]]; then
        pass "Escape stops the playback (status 0)"
    else
        fail "Escape did not stop the playback (status '${exit_status:-running}')"
    fi
fi

finish_checks 5
