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
# shellcheck source=x11_helpers.sh source-path=SCRIPTDIR
source "$(dirname "$(realpath "$0")")/x11_helpers.sh"

run_in_xvfb "$0" "$@"
command -v openbox >/dev/null || { echo "openbox is not installed: skipping"; exit "$kSkipStatus"; }
prepare_session

readonly kDarkBlue=0,0,100
readonly kAwaySeconds=6
# Away for 6 s unheld, the bonus would fall by about 20. Going away and
# coming back are not instant (the window manager, the next 10 ms pass, the
# redraw), and a few frames on either side of them may run.
readonly kBonusSlack=3
now="$work/now.ppm"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
other_pid=
trap 'kill "$other_pid" "$wm_pid" 2>/dev/null; stop_game; [[ -n "${KESTRWAY_E2E_KEEP:-}" ]] && cp -r "$work" "$KESTRWAY_E2E_KEEP"; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

bonus() {
    capture "$now" && "$read_number" "$now" 528 80
}

# The bonus as soon as the window shows it again (a window coming back from
# being minimised is mapped and redrawn a moment after it is activated).
first_bonus() {
    for _ in $(seq 30); do
        bonus && return 0
        sleep 0.1
    done
    return 1
}

# The middle of the window: the "Paused" line sits there, white letters on a
# darkened band, whatever the game drew.
paused_line_shown() {
    capture "$now" || return 1
    local white
    read -r white _ < <(find_colour "$now" 240 216 160 48 FFFFFF)
    ((white > 100))
}

start_play() {
    start_game || return 1
    wait_for_block 40 120 8 8 "$kDarkBlue" >/dev/null || return 1
    retry xdotool windowactivate --sync "$window" >/dev/null 2>&1
    press_key space
    sleep 0.5
    press_key space
    # Play has begun once the HUD's bonus can be read.
    for _ in $(seq 50); do
        bonus >/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# Checks that the bonus stood still for kAwaySeconds while `away` was in
# force, and ran on once `back` undid it.
check_held() {  # what away back
    local before after later
    before=$(bonus) || { fail "$1: no bonus on the HUD"; return; }
    $2
    sleep "$kAwaySeconds"
    $3
    after=$(first_bonus)
    sleep 2
    later=$(bonus)
    if [[ -n "$after" ]] && ((before - after <= kBonusSlack)); then
        pass "$1: the bonus stood still ($before, then $after after ${kAwaySeconds} s)"
    else
        fail "$1: the bonus moved while away ($before, then '${after}' after ${kAwaySeconds} s)"
    fi
    if [[ -n "$later" && -n "$after" ]] && ((after - later >= 3)); then
        pass "$1: play goes on after coming back ($after, then $later 2 s later)"
    else
        fail "$1: play did not go on after coming back ($after, then '${later}' 2 s later)"
    fi
}

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
    retry xdotool windowactivate --sync "$window" >/dev/null 2>&1
}
minimise() { retry xdotool windowminimize --sync "$window" >/dev/null 2>&1; }
pause() { press_key p; }

# Names what the window shows, for a failure's message.
describe_screen() {
    capture "$now" || { echo "no picture"; return; }
    if [[ $(block_colour 40 120 8 8) == "1 $kDarkBlue" ]]; then
        echo "the title screen"
    elif bonus >/dev/null; then
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
    if paused_line_shown; then pass "P shows the Paused line"; else fail "no Paused line after P"; fi
    # Escape held and released in play goes back to the title; while paused
    # it must not count, then or later.
    press_key Escape
    sleep 0.5
    pause
    sleep 1
    if paused_line_shown; then
        fail "the Paused line stays after P again"
    else
        shown=$(describe_screen)
        if [[ "$shown" == play ]]; then
            pass "Escape while paused is not taken: play goes on after P"
        else
            fail "after Escape while paused and P: $shown"
        fi
    fi
fi
if new_game "close"; then
    pause
    sleep "$kAwaySeconds"
    retry "$press_close" "$window" || fail "could not press the close button"
    if wait_for_exit && [[ "$exit_status" == 0 ]]; then
        pass "the close button while paused ends the game with status 0"
    else
        fail "close while paused: exit status '${exit_status:-still running}', showing $(describe_screen)"
    fi
fi
finish_checks 9
