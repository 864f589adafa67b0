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
# shellcheck source=../e2e/x11_helpers.sh
source "$(dirname "$(realpath "$0")")/../e2e/x11_helpers.sh"

run_in_xvfb "$0" "$@"
prepare_session

# Wine's process is not the window's _NET_WM_PID: the window is found by name.
start_wine_game() {
    wine "$game" >"$work/game.log" 2>&1 &
    game_pid=$!
    window=
    for _ in $(seq 300); do
        window=$(xdotool search --name '^Kestrway' 2>/dev/null | head -n 1)
        [[ -n "$window" ]] && return 0
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    fail "no window appeared; game output: $(head -c 300 "$work/game.log")"
    stop_game
    return 1
}

# A spot of the title's dark blue clear of logo and text, and the HUD's black.
readonly kDarkBlue="0,0,100"

if start_wine_game; then
    if seen=$(wait_for_block 40 120 8 8 "$kDarkBlue"); then
        pass "the title screen is dark blue ($seen)"
    else
        fail "no title screen (saw $seen)"
    fi
    capture "$work/title.ppm"
    # The logo's orange letters lie in its band; a blank picture would be one
    # flat colour there.
    logo=$(convert "$work/title.ppm" -crop 420x60+100+60 +repage -format '%k' info:)
    if [[ "$logo" -gt 20 ]]; then
        pass "the logo is drawn ($logo colours)"
    else
        fail "the logo band has $logo colours"
    fi
    retry xdotool windowfocus --sync "$window"
    press_key space
    # Get Ready dims the road drawn under it: no dark blue left at the spot.
    sleep 1
    capture "$work/ready.ppm"
    if [[ "$(block_colour 40 120 8 8)" != "1 $kDarkBlue" ]]; then
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
    capture "$work/still.ppm"
    sleep 0.5
    capture "$work/still2.ppm"
    convert "$work/still.ppm" -crop 512x480+0+0 +repage "$work/stopped.ppm"
    still=$(differing_pixels "$work/still2.ppm" 0 0 512 480 "$work/stopped.ppm")
    press_key Up
    press_key Up
    sleep 0.5
    capture "$work/moving.ppm"
    sleep 0.3
    capture "$work/moving2.ppm"
    convert "$work/moving.ppm" -crop 512x480+0+0 +repage "$work/road.ppm"
    moved=$(differing_pixels "$work/moving2.ppm" 0 0 512 480 "$work/road.ppm")
    if [[ "$moved" =~ ^[0-9]+$ && "$moved" -gt 5000 ]]; then
        pass "Up twice scrolls the road ($moved pixels changed in 0.3 s; $still before)"
    else
        fail "the road does not scroll after Up twice ($moved pixels changed; $still before)"
    fi
    # P holds play under a "Paused" line drawn over the picture; P again and
    # play goes on. The HUD's bonus is the clock (it falls by one every 30
    # frames): the road alone can stand still, if the car has run into
    # something.
    press_key p
    sleep 0.5
    capture "$work/paused.ppm"
    sleep 1.5
    capture "$work/paused2.ppm"
    read -r letters _ < <(find_colour "$work/paused.ppm" 240 216 160 48 FFFFFF)
    bonus_paused=$("$read_number" "$work/paused.ppm" 528 80)
    bonus_paused2=$("$read_number" "$work/paused2.ppm" 528 80)
    if [[ "$letters" -gt 100 && -n "$bonus_paused" && "$bonus_paused" == "$bonus_paused2" ]]; then
        pass "P pauses: the Paused line shows ($letters white pixels), the bonus stays $bonus_paused for 1.5 s"
    else
        fail "P: $letters white pixels in the middle, bonus '$bonus_paused' then '$bonus_paused2'"
    fi
    press_key p
    sleep 1.5
    capture "$work/resumed.ppm"
    read -r letters _ < <(find_colour "$work/resumed.ppm" 240 216 160 48 FFFFFF)
    bonus_resumed=$("$read_number" "$work/resumed.ppm" 528 80)
    if [[ -n "$bonus_resumed" && -n "$bonus_paused2" && "$letters" -lt 100 ]] &&
        ((bonus_paused2 - bonus_resumed >= 3)); then
        pass "P again resumes: the line is gone, the bonus falls ($bonus_paused2 to $bonus_resumed in 1.5 s)"
    else
        fail "P again: $letters white pixels in the middle, bonus '$bonus_paused2' then '$bonus_resumed'"
    fi
    press_key Escape
    if seen=$(wait_for_block 40 120 8 8 "$kDarkBlue"); then
        pass "Escape held and released returns to the title"
    else
        fail "Escape did not return to the title (saw $seen)"
    fi
    exit_status=
    for _ in 1 2 3; do
        retry "$press_close" "$window"
        wait_for_exit && break
    done
    if [[ "$exit_status" == 0 ]]; then
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
    start_wine_game || break
    wait_for_block 40 120 8 8 "$kDarkBlue" >/dev/null
    retry xdotool windowfocus --sync "$window"
    press_key space
    sleep 1
    press_key space
    wait_for_block 600 400 8 8 "0,0,0" >/dev/null
    capture "$work/start.ppm"
    sleep 15
    capture "$work/end.ppm"
    stop_game
    bonus_start=$("$read_number" "$work/start.ppm" 528 80) || continue
    bonus_end=$("$read_number" "$work/end.ppm" 528 80) || continue
    pace=$((bonus_start - bonus_end))
    break
done
if [[ -n "$pace" && "$pace" -ge 45 && "$pace" -le 52 ]]; then
    pass "the pace: the bonus fell by $pace in 15 s ($bonus_start to $bonus_end)"
else
    fail "the pace: the bonus fell by '${pace:-unreadable}' in 15 s"
fi

# No data beside the program: blank pictures, and the game still plays.
mkdir "$work/empty"
cp "$game" "$work/empty/"
game=$work/empty/kestrway.exe
cd "$work/empty" || exit 1
if start_wine_game; then
    if seen=$(wait_for_block 40 120 8 8 "$kDarkBlue"); then
        pass "without data the title still shows ($seen)"
    else
        fail "without data no title (saw $seen)"
    fi
    retry xdotool windowfocus --sync "$window"
    press_key space
    press_key space
    sleep 1
    if kill -0 "$game_pid" 2>/dev/null && grep -q "no game data" "$work/game.log"; then
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
