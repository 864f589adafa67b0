# Shared helpers of the real-window tests, sourced by them: running under
# Xvfb, starting the game and finding its window, reading the window's pixels,
# sending keys, and counting checks. The sourcing script sets `game` (the
# game binary's full path) before it calls start_game.
# shellcheck shell=bash disable=SC2034,SC2154

readonly kSkipStatus=77
e2e_dir=$(dirname "$(realpath "${BASH_SOURCE[0]}")")

# Runs the calling script again inside a display of its own, unless it already
# runs in one. Usage: run_in_xvfb "$0" "$@"
run_in_xvfb() {
    [[ -n "${KESTRWAY_E2E_IN_XVFB:-}" ]] && return 0
    if ! command -v xvfb-run >/dev/null; then
        echo "xvfb-run is not installed: skipping $(basename "$1")"
        exit "$kSkipStatus"
    fi
    export KESTRWAY_E2E_IN_XVFB=1
    # -wr gives a white root window: a part of our window the game never
    # painted reads white, never the black or dark blue of its screens.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -wr" "$@"
}

# Checks the tools, moves to the game's folder (the game reads its data
# folders from its working directory, and the build copies them beside the
# binary) and makes a scratch folder, $work, removed on exit together with
# any game still running.
prepare_session() {
    local tool
    for tool in xdotool xwd xprop convert compare; do
        command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
    done
    # The game's own scaler unless a test asks for another renderer: it draws
    # the same on every machine, with or without a graphics card.
    # KESTRWAY_E2E_RENDERER=default leaves the choice to the game.
    if [[ "${KESTRWAY_E2E_RENDERER:-}" == default ]]; then
        unset SDL_RENDER_DRIVER
    else
        export SDL_RENDER_DRIVER=${KESTRWAY_E2E_RENDERER:-${SDL_RENDER_DRIVER:-software}}
    fi
    # For a sanitizer build of the game: leaks of system libraries are not ours.
    export LSAN_OPTIONS="suppressions=$e2e_dir/lsan_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    cd "$(dirname "$game")" || exit 1
    work=$(mktemp -d)
    trap 'stop_game; rm -rf "$work"' EXIT
}

passed=0
failed=0
pass() { echo "ok: $1"; passed=$((passed + 1)); }
fail() { echo "FAILED: $1"; failed=$((failed + 1)); }

# Prints the tally; succeeds when nothing failed and every expected check ran.
finish_checks() {  # expected_passes
    echo "$passed passed, $failed failed"
    [[ "$failed" == 0 && "$passed" == "$1" ]]
}

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

stop_game() {
    [[ -n "$game_pid" ]] || return 0
    kill -9 "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    game_pid=
}

# Waits up to 5 s for the game to end; its exit status in $exit_status.
wait_for_exit() {
    for _ in $(seq 50); do
        if ! kill -0 "$game_pid" 2>/dev/null; then
            wait "$game_pid"
            exit_status=$?
            game_pid=
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Holds a key down long enough for the game's 10 ms key reading to see it,
# and leaves it up long enough for a press right after to count as another.
press_key() {  # key name as xdotool knows it
    retry xdotool keydown "$1"
    sleep 0.1
    retry xdotool keyup "$1"
    sleep 0.05
}

# Saves the window's picture as it is now to a PPM file.
capture() {  # file
    for _ in 1 2 3 4 5; do
        xwd -silent -id "$window" 2>/dev/null | convert xwd:- "ppm:$1" 2>/dev/null && return 0
        sleep 0.1
    done
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

# "count min_x min_y max_x max_y" of the pixels of one exact colour (hex
# RRGGBB, not black) in a w x h block of a picture at x,y, in the picture's
# coordinates; "0" when there are none. The block becomes a mask, white where
# the colour is, inside a black frame so that the bounding box of what is not
# black is the colour's.
find_colour() {  # picture x y w h RRGGBB
    convert "$1" -crop "$4x$5+$2+$3" +repage \
        -fill black +opaque "#$6" -fill white -opaque "#$6" -bordercolor black -border 1 \
        -format '%[fx:round(mean*w*h)] %@' info: 2>/dev/null |
        awk -v ox="$2" -v oy="$3" '{
            if ($1 == 0) { print 0; exit }
            split($2, box, /[x+]/)
            x0 = box[3] - 1 + ox; y0 = box[4] - 1 + oy
            print $1, x0, y0, x0 + box[1] - 1, y0 + box[2] - 1
        }'
}

# The brightest channel value, 0 to 255, in a w x h block of a picture.
brightest() {  # picture x y w h
    convert "$1" -crop "$4x$5+$2+$3" +repage -separate -evaluate-sequence max \
        -format '%[fx:round(255*maxima)]' info: 2>/dev/null
}

# How many pixels of a w x h block of a picture differ from an expected
# picture of that size.
differing_pixels() {  # picture x y w h expected
    convert "$1" -crop "$4x$5+$2+$3" +repage "$work/block.ppm" 2>/dev/null || { echo "no block"; return; }
    compare -metric AE "$work/block.ppm" "$6" null: 2>&1
}
