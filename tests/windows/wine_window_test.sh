#!/usr/bin/env bash
# The real kestrway.exe under Wine in an X window under Xvfb: the title
# screen, Get Ready, play, the road scrolling once the car is in gear, P
# pausing it under a "Paused" line and P again resuming it,
# Escape back to the title, and the close button ending with status 0; a
# folder with no data beside the program still plays. WINEPREFIX must name a
# prefix made with wineboot.
# Usage: wine_window_test.sh GAME_FOLDER PRESS_CLOSE_BUTTON_BINARY READ_HUD_NUMBER_BINARY
set -uo pipefail

folder=$(realpath "$1")
press_close=$(realpath "$2")
read_number=$(realpath "$3")
game=$folder/kestrway.exe
# shellcheck source=../e2e/window_harness.sh
source "$(dirname "$(realpath "$0")")/../e2e/window_harness.sh"

run_in_xvfb "$0" "$@"
prepare_session

# A spot of the title's dark blue clear of logo and text, and the HUD's black.
readonly kDarkBlue="0,0,100"

# How many pixels of the road (the picture left of the HUD) differ between
# a picture and $frame.
road_changes() {  # picture
    convert "$1" -crop 512x480+0+0 +repage "$work/road.ppm"
    differing_pixels "$frame" 0 0 512 480 "$work/road.ppm"
}
# Whether the road, against $moving_from, has changed by more than 5000
# pixels; the count in $moved.
road_scrolled() {
    moved=$(road_changes "$moving_from")
    [[ "$moved" =~ ^[0-9]+$ && "$moved" -gt 5000 ]]
}

if start_game; then
    if seen=$(wait_for_block 40 120 8 8 "$kDarkBlue"); then
        pass "the title screen is dark blue ($seen)"
    else
        fail "no title screen (saw $seen)"
    fi
    # The logo's orange letters lie in its band; a blank picture would be one
    # flat colour there.
    logo=$(convert "$frame" -crop 420x60+100+60 +repage -format '%k' info:)
    if [[ "$logo" -gt 20 ]]; then
        pass "the logo is drawn ($logo colours)"
    else
        fail "the logo band has $logo colours"
    fi
    focus_window
    press_key space
    # Get Ready dims the road drawn under it: no dark blue left at the spot.
    if poll_for 5 on_get_ready; then
        pass "Space leaves the title for Get Ready"
    else
        fail "still on the title after Space"
    fi
    press_key space
    if seen=$(wait_for_block 600 400 8 8 "0,0,0"); then
        pass "Space starts play: the HUD's black column shows ($seen)"
    else
        fail "no HUD after Space (saw $seen)"
    fi
    # The road with the car standing, over two drawn frames, for the message.
    next_frame
    cp "$frame" "$work/stopped.ppm"
    wait_frames 2
    still=$(road_changes "$work/stopped.ppm")
    press_key Up
    press_key Up
    # Between two frames drawn 0.3 s apart in gear, the road moves on by more
    # than traffic can.
    next_frame
    moving_from=$work/moving.ppm
    cp "$frame" "$moving_from"
    sleep 0.3
    if next_frame && road_scrolled; then
        pass "Up twice scrolls the road ($moved pixels changed; $still before)"
    else
        fail "the road does not scroll after Up twice ($moved pixels changed; $still before)"
    fi
    # P holds play under a "Paused" line drawn over the picture; P again and
    # play goes on. The HUD's bonus is the clock (it falls by one every 30
    # frames): the road alone can stand still, if the car has run into
    # something. A held game draws nothing, so the second look comes after
    # the time 130 frames of play would take.
    press_key p
    poll_for 3 paused_line_in_frame
    read -r letters _ < <(find_colour "$frame" 240 216 160 48 FFFFFF)
    bonus_paused=$(hud_bonus)
    sleep 1.5
    capture
    bonus_paused2=$(hud_bonus)
    if [[ "$letters" -gt 100 && -n "$bonus_paused" && "$bonus_paused" == "$bonus_paused2" ]]; then
        pass "P pauses: the Paused line shows ($letters white pixels), the bonus stays $bonus_paused for 1.5 s"
    else
        fail "P: $letters white pixels in the middle, bonus '$bonus_paused' then '$bonus_paused2'"
    fi
    press_key p
    poll_for 3 no_paused_line
    read -r letters _ < <(find_colour "$frame" 240 216 160 48 FFFFFF)
    if [[ -n "$bonus_paused2" && "$letters" -lt 100 ]] && bonus_falls 3 "$bonus_paused2" 1.5; then
        pass "P again resumes: the line is gone, the bonus falls ($bonus_paused2 to $latest within 1.5 s)"
    else
        fail "P again: $letters white pixels in the middle, bonus '$bonus_paused2' then '${latest:-}'"
    fi
    press_key Escape
    if seen=$(wait_for_block 40 120 8 8 "$kDarkBlue"); then
        pass "Escape held and released returns to the title"
    else
        fail "Escape did not return to the title (saw $seen)"
    fi
    if close_window && [[ "$exit_status" == 0 ]]; then
        pass "the close button on the title ends the program with status 0"
    else
        fail "close button: exit status '${exit_status:-still running}'"
        stop_game
    fi
fi

# The pace: the bonus falls by one every 30 frames, and a frame is its work
# plus a 10 ms sleep, so 15 s of play take it down by about 49. A stopped car
# can be shot to pieces by then; the Game Over screen shows no bonus, and a
# new game is tried.
pace=
for _ in 1 2 3; do
    start_game || break
    wait_for_block 40 120 8 8 "$kDarkBlue" >/dev/null
    focus_window
    press_key space
    poll_for 5 on_get_ready
    press_key space
    wait_for_block 600 400 8 8 "0,0,0" >/dev/null
    # Both reads are of frames drawn at the moments the span starts and ends.
    bonus_start=$(next_bonus) || { stop_game; continue; }
    started=$(now_us)
    sleep 15
    bonus_end=$(next_bonus 1) || { stop_game; continue; }
    elapsed_ms=$((($(now_us) - started) / 1000))
    stop_game
    pace=$((bonus_start - bonus_end))
    break
done
if [[ -n "$pace" && "$pace" -ge 45 && "$pace" -le 52 ]]; then
    pass "the pace: the bonus fell by $pace in 15 s ($bonus_start to $bonus_end; ${elapsed_ms} ms)"
else
    fail "the pace: the bonus fell by '${pace:-unreadable}' in 15 s (${elapsed_ms:-?} ms)"
fi

# No data beside the program: blank pictures, and the game still plays.
game_in_fresh_folder
if start_game "$fresh_folder"; then
    if seen=$(wait_for_block 40 120 8 8 "$kDarkBlue"); then
        pass "without data the title still shows ($seen)"
    else
        fail "without data no title (saw $seen)"
    fi
    focus_window
    press_key space
    # Without its font Get Ready writes no white text.
    poll_for 5 off_title
    press_key space
    # Play draws frames; a game that had stopped would draw none.
    if wait_frames 2 && game_running && grep -q "no game data" "$work/game.log"; then
        pass "without data the game warns once and plays on"
    else
        fail "without data: $(head -c 300 "$work/game.log")"
    fi
    retry "$press_close" "$window"
    wait_for_exit
    if [[ "$exit_status" == 0 ]]; then
        pass "the close button during play ends with status 0"
    else
        fail "close during play: exit status '${exit_status:-still running}'"
        stop_game
    fi
fi

finish_checks 13
