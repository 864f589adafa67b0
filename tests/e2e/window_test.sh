#!/usr/bin/env bash
# End-to-end test of the real game in a real X window under Xvfb: the window
# and its title, the presented picture and its scaling, and the two ways a
# player ends the program (Escape held and released on the first screen, and
# the close button), each with exit status 0; and a clean failure when there
# is no display at all.
# Usage: window_test.sh GAME_BINARY PRESS_CLOSE_BUTTON_BINARY
set -uo pipefail

game=$(realpath "$1")
press_close=$(realpath "$2")
# shellcheck source=window_harness.sh source-path=SCRIPTDIR
source "$(dirname "$(realpath "$0")")/window_harness.sh"

run_in_xvfb "$0" "$@"
prepare_session

# The first screen's background at a spot clear of border, logo and text:
# black while the game is a bare frame loop, dark blue on the title screen.
readonly kFirstScreen=("0,0,0" "0,0,100")

# --- The window, its title and its picture; Escape ends the program.
if start_game; then
    if seen=$(wait_for_block 40 120 8 8 "${kFirstScreen[@]}"); then
        pass "the first screen is presented ($seen)"
    else
        fail "the first screen is not presented (saw $seen)"
    fi
    # The window shows before the game has set its icon; both are done by
    # the time the game has drawn its title.
    poll_for 5 on_title
    title=$(retry xprop -id "$window" _NET_WM_NAME)
    if [[ "$title" == *'= "Kestrway [v0.1 (27/01/2018)] '?* ]]; then
        pass "window title: $title"
    else
        fail "window title: $title"
    fi
    # The window carries the game's own 64x64 icon for taskbars and switchers.
    icon=$(retry xprop -id "$window" _NET_WM_ICON | head -n 1)
    if [[ "$icon" == *"Icon (64 x 64)"* ]]; then
        pass "the window has the game's icon"
    else
        fail "no 64x64 window icon: $icon"
    fi
    # The game's own scaler never loads the GL stack; a GL renderer asked for
    # by name does.
    gl_loaded=no
    grep -qE '/libGL(X)?[^/]*\.so' "/proc/$game_pid/maps" 2>/dev/null && gl_loaded=yes
    case "${SDL_RENDER_DRIVER:-}:$gl_loaded" in
        software:no | opengl*:yes | :*) pass "renderer '${SDL_RENDER_DRIVER:-default}', GL loaded: $gl_loaded" ;;
        *) fail "renderer '${SDL_RENDER_DRIVER:-}' but GL loaded: $gl_loaded" ;;
    esac

    # 16:9 is wider than the picture: it scales by 1.5 to 960x720 with
    # 160-pixel black bars at the sides. The picture's spot (40, 360 in game
    # pixels) lies outside the old 640x480 area, so it is only right once the
    # presenter has redrawn at the new size. The window goes to the corner
    # first so that all of it stays on the screen.
    retry xdotool windowmove --sync "$window" 0 0
    retry xdotool windowsize --sync "$window" 1280 720
    if seen=$(wait_for_block 220 540 8 8 "${kFirstScreen[@]}"); then
        pass "the picture scales to the window ($seen)"
    else
        fail "the picture does not scale (saw $seen)"
    fi
    if seen=$(wait_for_block 1180 600 8 8 "0,0,0"); then
        pass "a wider window shows black bars"
    else
        fail "no black bar in a wider window (saw $seen)"
    fi

    focus_window
    exit_status=
    # A press that lands while the screen is still being drawn may be missed,
    # so try again, as a player would.
    for _ in 1 2 3; do
        press_key Escape
        wait_for_exit && break
    done
    if [[ "$exit_status" == 0 ]]; then
        pass "Escape held and released ends the program with status 0"
    else
        fail "Escape: exit status '${exit_status:-still running}'"
        stop_game
    fi
fi

# --- The close button only asks; the game ends itself with status 0.
if start_game; then
    wait_for_block 40 120 8 8 "${kFirstScreen[@]}" >/dev/null
    close_window
    if [[ "$exit_status" == 0 ]]; then
        pass "the close button ends the program with status 0"
    else
        fail "close button: exit status '${exit_status:-still running}'"
        stop_game
    fi
fi

# --- With no display the game says so and fails, instead of falling back to
# one of SDL's invisible drivers and running unseen.
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 10 "$game" >"$work/no_display.log" 2>&1
status=$?
if [[ "$status" == 1 ]] && grep -q "no display" "$work/no_display.log"; then
    pass "without a display the game says so and ends with status 1"
else
    fail "without a display: status $status (124: still running after 10 s), output: $(head -c 300 "$work/no_display.log")"
fi

finish_checks 9
