# Everything the real-window tests share, sourced by each of them (the SDL
# game and the Windows game under Wine alike): a display of their own under
# Xvfb, with or without a window manager; starting the game and finding its
# window; waiting for a drawn frame or a pixel; holding keys; reading the
# HUD's numbers; capturing; counting checks. A test script sets `game` (the
# program's full path; a .exe runs under Wine) and, to read the HUD,
# `read_number` (the read_hud_number helper) before it starts the game.
# shellcheck shell=bash disable=SC2034,SC2154

readonly kSkipStatus=77
harness_dir=$(dirname "$(realpath "${BASH_SOURCE[0]}")")

# --- The display

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

# Commands run on exit, after the game is stopped and before the scratch
# folder goes.
exit_steps=()
on_exit() { exit_steps+=("$1"); }
clean_up() {
    local step
    stop_game
    for step in "${exit_steps[@]}"; do eval "$step"; done
    [[ -n "${KESTRWAY_E2E_KEEP:-}" && -n "${work:-}" ]] && cp -r "$work" "$KESTRWAY_E2E_KEEP"
    [[ -n "${work:-}" ]] && rm -rf "$work"
}

# Checks the tools, makes the scratch folder $work (removed on exit together
# with any game still running; kept in $KESTRWAY_E2E_KEEP when that is set)
# and, when `game` is set, moves to the game's folder: the game reads its
# data folders from its working directory, and the build copies them beside
# the binary.
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
    export LSAN_OPTIONS="suppressions=$harness_dir/lsan_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    if [[ -n "${game:-}" ]]; then
        cd "$(dirname "$game")" || exit 1
    fi
    work=$(mktemp -d)
    frame=$work/frame.ppm
    trap clean_up EXIT
}

# Starts openbox and waits until it manages the display; one that could not
# reach the busy display is started again. Skips the test when openbox is
# not installed.
start_window_manager() {
    command -v openbox >/dev/null || { echo "openbox is not installed: skipping"; exit "$kSkipStatus"; }
    local wm_pid
    for _ in 1 2 3; do
        openbox --sm-disable >"$work/openbox.log" 2>&1 &
        wm_pid=$!
        for _ in $(seq 50); do
            if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
                on_exit "kill $wm_pid 2>/dev/null"
                return 0
            fi
            kill -0 "$wm_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$wm_pid" 2>/dev/null
        wait "$wm_pid" 2>/dev/null
    done
    echo "openbox did not take the display: $(head -c 300 "$work/openbox.log")"
    exit 1
}

# --- Checks

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

# Microseconds since the epoch, and the moment that many seconds (a
# fraction allowed) from now, for deadlines.
now_us() { echo "${EPOCHREALTIME/./}"; }
deadline_in() {  # seconds
    local whole=${1%.*} tenths=0
    [[ "$1" == *.* ]] && tenths=${1#*.} && tenths=${tenths:0:1}
    echo $(($(now_us) + ${whole:-0} * 1000000 + tenths * 100000))
}

# --- The game and its window

game_pid=
window=
# Options start_game passes to the game (none by default).
game_options=()

# The game's window once it is shown: SDL's carries the game's process id;
# Wine's process is not the window's _NET_WM_PID, so Wine's is found by its
# title. Only a mapped window counts: SDL may make a window and replace it
# with another before it shows one (for a GL renderer's visual).
find_window() {
    if [[ "$game" == *.exe ]]; then
        xdotool search --onlyvisible --name '^Kestrway' 2>/dev/null | head -n 1
    else
        xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1
    fi
}

# Starts the game from its working folder (by default the current one) and
# waits for its window; a game that could not reach the display is started
# again. Its output goes to $work/game.log.
start_game() {  # [working_folder]
    local folder=${1:-.} command=("$game" "${game_options[@]}") tries=100
    # Wine starts its server and its desktop first.
    [[ "$game" == *.exe ]] && command=(wine "$game" "${game_options[@]}") tries=300
    for _ in 1 2 3; do
        (cd "$folder" && exec "${command[@]}") >"$work/game.log" 2>&1 &
        game_pid=$!
        window=
        rm -f "$frame"
        for _ in $(seq "$tries"); do
            window=$(find_window)
            [[ -n "$window" ]] && return 0
            kill -0 "$game_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$game_pid" 2>/dev/null && break
        wait "$game_pid"
        grep -q "no display" "$work/game.log" || break
    done
    fail "no window appeared; game output: $(head -c 600 "$work/game.log")"
    stop_game
    return 1
}

# Copies the program alone into a fresh folder, $fresh_folder, where it
# finds no data, and makes it the game the next start_game runs.
game_in_fresh_folder() {
    fresh_folder=$(mktemp -d "$work/fresh.XXXX")
    cp "$game" "$fresh_folder/"
    game=$fresh_folder/$(basename "$game")
}

stop_game() {
    [[ -n "$game_pid" ]] || return 0
    kill -9 "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    game_pid=
}

game_running() { [[ -n "$game_pid" ]] && kill -0 "$game_pid" 2>/dev/null; }

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

# Presses the window's close button (press_close_button, in $press_close)
# until the game ends, up to three times; the status is in $exit_status.
close_window() {
    exit_status=
    for _ in 1 2 3; do
        retry "$press_close" "$window"
        wait_for_exit && return 0
    done
    return 1
}

focus_window() { retry xdotool windowfocus --sync "$window" >/dev/null 2>&1; }
activate_window() { retry xdotool windowactivate --sync "$window" >/dev/null 2>&1; }

# --- Keys

# Holds a key down for a tenth of a second: the presenter reads the keys
# every 10 ms and the game once a frame, and a shorter tap can fall between
# their passes. The key then stays up long enough for a press right after to
# count as another.
press_key() {  # key name as xdotool knows it
    retry xdotool keydown "$1"
    sleep 0.1
    retry xdotool keyup "$1"
    sleep 0.05
}
hold_key() { retry xdotool keydown "$1"; }
release_key() { retry xdotool keyup "$1"; }

# --- Pictures

# Saves the window's picture as it is now to a PPM file ($frame by default).
capture() {  # [file]
    for _ in 1 2 3 4 5; do
        xwd -silent -id "$window" 2>/dev/null | convert xwd:- "ppm:${1:-$frame}" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# Waits until the window shows a picture other than the one last captured in
# $frame, that is until the game has drawn since then, and leaves it in
# $frame. A window that cannot be captured (minimised, not yet mapped) has
# drawn nothing. Fails after the timeout with $frame as it was.
next_frame() {  # [timeout_seconds, default 5]
    local deadline last=$work/last_frame.ppm
    deadline=$(deadline_in "${1:-5}")
    if [[ -s "$frame" ]]; then cp "$frame" "$last"; else : >"$last"; fi
    while :; do
        if capture "$work/candidate.ppm" && ! cmp -s "$work/candidate.ppm" "$last"; then
            mv "$work/candidate.ppm" "$frame"
            return 0
        fi
        (($(now_us) < deadline)) || return 1
        sleep 0.03
    done
}

# Waits for `count` frames drawn one after another, each unlike the last.
wait_frames() {  # count [timeout_seconds per frame]
    local n
    for ((n = 0; n < $1; n++)); do
        next_frame "${2:-5}" || return 1
    done
}

# Captures the window until the check passes, for up to the given number of
# seconds; the check reads $frame (and may describe what it saw in $seen).
poll_for() {  # seconds check [args...]
    local deadline
    deadline=$(deadline_in "$1")
    shift
    while :; do
        capture && "$@" && return 0
        (($(now_us) < deadline)) || return 1
        sleep 0.05
    done
}

# "unique-colour-count r,g,b" of a w x h block of $frame at x,y.
block_colour() {  # x y w h
    convert "$frame" -crop "$3x$4+$1+$2" +repage \
        -format '%k %[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]' info: 2>/dev/null
}

# Whether a block of $frame is one flat colour from the list; what it holds
# in $seen.
block_is() {  # x y w h colour...
    seen=$(block_colour "$1" "$2" "$3" "$4")
    local colour
    for colour in "${@:5}"; do [[ "$seen" == "1 $colour" ]] && return 0; done
    return 1
}

# Waits up to 5 s until the block is one flat colour from the list; prints
# what it saw last.
wait_for_block() {  # x y w h colour...
    local seen=
    poll_for 5 block_is "$@"
    local status=$?
    echo "$seen"
    return "$status"
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

# How many pixels of one colour a block of $frame holds.
pixel_count() {  # x y w h RRGGBB
    local found
    read -r found _ < <(find_colour "$frame" "$@")
    echo "${found:-0}"
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

# --- The game's screens, the HUD and the Paused line

# The title's dark blue at a spot clear of its border, logo and text; Get
# Ready's white text over the darkened road, with the blue gone.
on_title() { block_is 40 120 8 8 0,0,100; }
off_title() { ! on_title; }
on_get_ready() { ! on_title && (($(pixel_count 0 210 640 24 FFFFFF) > 0)); }

# The HUD's bonus in $frame; fails when none is shown. It falls by one every
# 30 frames, which makes it the game's clock.
hud_bonus() { "$read_number" "$frame" 528 80; }

# The bonus of the next frame the game draws that shows one: a read right
# after a change of screen or of the window's state may catch a picture the
# game has not drawn yet.
next_bonus() {  # [timeout_seconds, default 5]
    local deadline
    deadline=$(deadline_in "${1:-5}")
    while (($(now_us) < deadline)); do
        next_frame 1 && hud_bonus && return 0
    done
    return 1
}

# Waits for drawn frames until the bonus has fallen by `count` from `from`:
# 30 frames a step, a count of frames the game has played. Gives up after
# `seconds`; the last bonus read is in $latest.
bonus_falls() {  # count from seconds
    local deadline
    deadline=$(deadline_in "$3")
    latest=$2
    [[ -n "$2" ]] || return 1
    while (($(now_us) < deadline)); do
        next_frame 1 && latest=$(hud_bonus) && (($2 - latest >= $1)) && return 0
    done
    return 1
}

# Whether the "Paused" line shows in $frame: white letters on a darkened band
# in the middle of the picture, whatever the game drew under it.
paused_line_in_frame() {
    local white
    read -r white _ < <(find_colour "$frame" 240 216 160 48 FFFFFF)
    ((${white:-0} > 100))
}
no_paused_line() { ! paused_line_in_frame; }
