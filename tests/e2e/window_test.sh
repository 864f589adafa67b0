#!/usr/bin/env bash
# End-to-end test of the real game in a real X window under Xvfb: the window
# and its title, the presented picture and its scaling, and the two ways a
# player ends the program (Escape held and released on the first screen, and
# the close button), each with exit status 0; and a clean failure when there
# is no display at all.
# Usage: window_test.sh GAME_BINARY PRESS_CLOSE_BUTTON_BINARY
set -uo pipefail

readonly kSkipStatus=77
game=$(realpath "$1")
press_close=$(realpath "$2")

if [[ -z "${KESTRWAY_E2E_IN_XVFB:-}" ]]; then
    if ! command -v xvfb-run >/dev/null; then
        echo "xvfb-run is not installed: skipping the window test"
        exit "$kSkipStatus"
    fi
    export KESTRWAY_E2E_IN_XVFB=1
    # -wr gives a white root window: a part of our window the game never
    # painted reads white, never the black or dark blue of its screens.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -wr" "$0" "$@"
fi

for tool in xdotool xwd xprop convert; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
done
# For a sanitizer build of the game: leaks of system libraries are not ours.
export LSAN_OPTIONS="suppressions=$(dirname "$(realpath "$0")")/lsan_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# The game reads its data folders from its working directory; the build
# copies them beside the binary.
cd "$(dirname "$game")" || exit 1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
pass() { echo "ok: $1"; passed=$((passed + 1)); }
fail() { echo "FAILED: $1"; failed=$((failed + 1)); }

# Under load a busy Xvfb now and then refuses a new connection at once
# (EAGAIN) instead of queueing it; every X client here, the game included,
# therefore gets a few tries.
retry() {
    for _ in 1 2 3 4 5; do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

game_pid=
window=

# Starts the game and waits for its window; a game that could not reach the
# display is started again.
start_game() {
    for _ in 1 2 3; do
        "$game" >"$work/game.log" 2>&1 &
        game_pid=$!
        window=
        for _ in $(seq 100); do
            window=$(xdotool search --pid "$game_pid" 2>/dev/null | head -n 1)
            [[ -n "$window" ]] && return 0
            kill -0 "$game_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$game_pid" 2>/dev/null && break
        wait "$game_pid"
        grep -q "no display" "$work/game.log" || break
    done
    fail "no window appeared; game output:"
    cat "$work/game.log"
    stop_game
    return 1
}

# "unique-colour-count r,g,b" of a w x h block of the window at x,y.
block_colour() {  # x y w h
    xwd -silent -id "$window" 2>/dev/null |
        convert xwd:- -crop "$3x$4+$1+$2" +repage \
            -format '%k %[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]' info: 2>/dev/null
}

# Waits until the block is one flat colour from the list; prints what it saw.
wait_for_block() {  # x y w h colour...
    local x=$1 y=$2 w=$3 h=$4 seen=
    shift 4
    for _ in $(seq 50); do
        seen=$(block_colour "$x" "$y" "$w" "$h")
        for colour in "$@"; do
            [[ "$seen" == "1 $colour" ]] && { echo "$seen"; return 0; }
        done
        sleep 0.1
    done
    echo "$seen"
    return 1
}

# Waits up to 5 s for the game to end; its exit status in $exit_status.
wait_for_exit() {
    for _ in $(seq 50); do
        if ! kill -0 "$game_pid" 2>/dev/null; then
            wait "$game_pid"
            exit_status=$?
            return 0
        fi
        sleep 0.1
    done
    return 1
}

stop_game() {
    kill -9 "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
}

# The first screen's background at a spot clear of border, logo and text:
# black while the game is a bare frame loop, dark blue on the title screen.
readonly kFirstScreen=("0,0,0" "0,0,100")

# --- The window, its title and its picture; Escape ends the program.
if start_game; then
    title=$(retry xprop -id "$window" _NET_WM_NAME)
    if [[ "$title" == *'= "Kestrway [v0.1 (27/01/2018)] '?* ]]; then
        pass "window title: $title"
    else
        fail "window title: $title"
    fi
    if seen=$(wait_for_block 40 120 8 8 "${kFirstScreen[@]}"); then
        pass "the first screen is presented ($seen)"
    else
        fail "the first screen is not presented (saw $seen)"
    fi

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

    retry xdotool windowfocus --sync "$window"
    exit_status=
    # A press that lands while the screen is still being drawn may be missed,
    # so try again, as a player would.
    for _ in 1 2 3; do
        retry xdotool keydown Escape
        sleep 0.1
        retry xdotool keyup Escape
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
    exit_status=
    for _ in 1 2 3; do
        retry "$press_close" "$window"
        wait_for_exit && break
    done
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
if [[ "$status" != 0 && "$status" != 124 ]]; then
    pass "without a display the game ends with status $status"
else
    fail "without a display: status $status (124: still running after 10 s)"
fi

echo "$passed passed, $failed failed"
[[ "$failed" == 0 && "$passed" == 7 ]]
