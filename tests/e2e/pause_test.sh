#!/usr/bin/env bash
# The real window under Xvfb with a window manager (openbox): play stops
# while another window has the focus and while the game's window is
# minimised, and P pauses and resumes with a "Paused" line over the picture;
# Escape is not taken while paused, and the close button still ends the game.
# The HUD's bonus is the clock: it falls by one every 30 frames, about three
# a second, so a few seconds away that it does not notice mean play was held.
# Usage: pause_test.sh GAME_BINARY PRESS_CLOSE_BUTTON_BINARY READ_HUD_NUMBER_BINARY
set -uo pipefail

game=$(realpath "$1")
press_close=$(realpath "$2")
read_number=$(realpath "$3")
# shellcheck source=window_harness.sh source-path=SCRIPTDIR
source "$(dirname "$(realpath "$0")")/window_harness.sh"

run_in_xvfb "$0" "$@"
prepare_session
start_window_manager

readonly kDarkBlue=0,0,100
readonly kAwaySeconds=6
# Away for 6 s unheld, the bonus would fall by about 20. Going away and
# coming back are not instant (the window manager, the next 10 ms pass, the
# redraw), and a few frames on either side of them may run.
readonly kBonusSlack=3

start_play() {
    start_game || return 1
    wait_for_block 40 120 8 8 "$kDarkBlue" >/dev/null || return 1
    activate_window
    press_key space
    poll_for 5 on_get_ready || return 1
    press_key space
    # Play has begun once the HUD's bonus can be read.
    next_bonus >/dev/null
}

# Checks that the bonus stood still for kAwaySeconds while `away` was in
# force, and ran on once `back` undid it. While away, a window that can be
# seen is looked at every half second and must show the same bonus each
# time; the reads after coming back are of frames the game drew after it.
check_held() {  # what away back
    local before after looked='' changed='' deadline
    before=$(next_bonus) || { fail "$1: no bonus on the HUD"; return; }
    $2
    deadline=$(deadline_in "$kAwaySeconds")
    while (($(now_us) < deadline)); do
        sleep 0.5
        # A minimised window cannot be looked at.
        capture && looked+=" $(hud_bonus)"
    done
    $3
    after=$(next_bonus)
    # Every look must show the bonus of the first.
    [[ -n "$looked" && $(tr ' ' '\n' <<<"${looked# }" | sort -u | wc -l) != 1 ]] &&
        changed=" (seen while away:$looked)"
    if [[ -n "$after" && -z "$changed" ]] && ((before - after <= kBonusSlack)); then
        pass "$1: the bonus stood still ($before, then $after after ${kAwaySeconds} s)"
    else
        fail "$1: the bonus moved while away ($before, then '${after}' after ${kAwaySeconds} s)$changed"
    fi
    if [[ -n "$after" ]] && bonus_falls 3 "$after" 2; then
        pass "$1: play goes on after coming back ($after, then $latest within 2 s)"
    else
        fail "$1: play did not go on after coming back ($after, then '${latest:-}' 2 s later)"
    fi
}

other_pid=
on_exit 'kill "$other_pid" 2>/dev/null'
focus_other() {
    xmessage -geometry 160x40+0+0 away >/dev/null 2>&1 &
    other_pid=$!
    local other=
    for _ in $(seq 50); do
        other=$(xdotool search --pid "$other_pid" 2>/dev/null | head -n 1)
        [[ -n "$other" ]] && break
        sleep 0.1
    done
    retry xdotool windowactivate --sync "$other" >/dev/null 2>&1
}
focus_game() {
    kill "$other_pid" 2>/dev/null
    wait "$other_pid" 2>/dev/null
    other_pid=
    activate_window
}
minimise() { retry xdotool windowminimize --sync "$window" >/dev/null 2>&1; }
pause() { press_key p; }

# Names what the window shows, for a failure's message.
describe_screen() {
    capture || { echo "no picture"; return; }
    if on_title; then
        echo "the title screen"
    elif hud_bonus >/dev/null; then
        echo "play"
    else
        echo "neither play nor the title (Get Ready or Game Over)"
    fi
}

# Each check plays a game of its own: a car left standing long enough is
# shot to pieces by tanks, and Game Over would end the check.
new_game() {  # what
    stop_game
    start_play && return 0
    fail "$1: play did not begin"
    return 1
}

new_game "focus" && check_held "another window focused" focus_other focus_game
new_game "minimise" && check_held "minimised" minimise focus_game
if new_game "pause"; then
    check_held "paused with P" pause pause
    pause
    if poll_for 2 paused_line_in_frame; then pass "P shows the Paused line"; else fail "no Paused line after P"; fi
fi
# Escape held and released in play goes back to the title; while paused it
# must not count, then or later. In a game of its own, fresh, so that tanks
# have had no time to wreck the standing car before the check.
if new_game "Escape while paused"; then
    pause
    poll_for 2 paused_line_in_frame
    press_key Escape
    # Held while paused, Escape would be seen at the latest by the first
    # frames after P; sixty of them (the bonus falls twice) must stay in play.
    pause
    if poll_for 2 no_paused_line && bonus_falls 2 "$(hud_bonus)" 3; then
        pass "Escape while paused is not taken: play goes on after P"
    elif paused_line_in_frame; then
        fail "the Paused line stays after P again"
    else
        fail "after Escape while paused and P: $(describe_screen)"
    fi
fi
if new_game "close"; then
    pause
    poll_for 2 paused_line_in_frame
    sleep "$kAwaySeconds"
    if ! retry "$press_close" "$window"; then
        fail "could not press the close button"
    elif wait_for_exit && [[ "$exit_status" == 0 ]]; then
        pass "the close button while paused ends the game with status 0"
    else
        fail "close while paused: exit status '${exit_status:-still running}', showing $(describe_screen)"
    fi
fi
finish_checks 9
