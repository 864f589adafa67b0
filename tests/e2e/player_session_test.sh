#!/usr/bin/env bash
# End-to-end test of a whole player's session in the real window under Xvfb:
# the title screen, Space to Get Ready (where the close button is ignored),
# Space to play, two gears up, steering, firing, Escape held and released back
# to the title, and the close button there ending the program with status 0.
# Every step polls the window's pixels for its markers.
# Usage: player_session_test.sh GAME_BINARY PRESS_CLOSE_BUTTON_BINARY READ_HUD_NUMBER_BINARY
# With KESTRWAY_SCREENSHOT_DIR set, it also saves the title screen and a
# moment of play there as screenshot-title.png and screenshot-play.png.
set -uo pipefail

game=$(realpath "$1")
press_close=$(realpath "$2")
read_number=$(realpath "$3")
shots_dir=
[[ -n "${KESTRWAY_SCREENSHOT_DIR:-}" ]] && shots_dir=$(realpath -m "$KESTRWAY_SCREENSHOT_DIR")
# shellcheck source=window_harness.sh source-path=SCRIPTDIR
source "$(dirname "$(realpath "$0")")/window_harness.sh"

run_in_xvfb "$0" "$@"
prepare_session

# Colours of the screens (hex RRGGBB).
readonly kDarkBlue=000064
readonly kWhite=FFFFFF
readonly kHudGreen=00FF00
readonly kCarRed=B40006      # a shade only the player's car and boat use
readonly kShotOrange=D23218  # the player's shot; explosions share it
readonly kStartLineWhite=F6F6F0

# Pictures as the window should show them, from the data the game reads.
convert gfx/start.bmp "$work/start.ppm"
# The logo is drawn with its magenta mask skipped, over the title's blue; its
# ends overlap the border, so only the part between the border's sides counts.
convert gfx/logo.bmp -crop 576x48+12+0 +repage -fill "#$kDarkBlue" -opaque '#FF00FF' "$work/logo.ppm"
# Where the marker colours sit inside the car and shot pictures.
read -r _ car_red_dx car_red_dy _ < <(find_colour gfx/car.bmp 0 0 32 32 "$kCarRed")
read -r _ shot_dx _ < <(find_colour gfx/shot.bmp 0 0 16 16 "$kShotOrange")
read -r _ _ start_line_dy _ < <(find_colour gfx/start.bmp 0 0 32 32 "$kStartLineWhite")

seen=
poll() { poll_for 10 "$@"; }

save_screenshot() {  # name
    [[ -n "$shots_dir" ]] || return 0
    mkdir -p "$shots_dir" && convert "$frame" "$shots_dir/screenshot-$1.png"
}

# The title screen, drawn in full: dark blue where nothing else is drawn, the
# start-line tile in all four corners of the border, the logo over the blue,
# and white text on the first and the last rule lines.
title_background_ok() { [[ $(pixel_count 40 120 8 8 "$kDarkBlue") == 64 ]]; }
title_corners_ok() {
    local corner
    for corner in "0 0" "608 0" "0 448" "608 448"; do
        # shellcheck disable=SC2086
        [[ $(differing_pixels "$frame" $corner 32 32 "$work/start.ppm") == 0 ]] || return 1
    done
}
title_logo_ok() { [[ $(differing_pixels "$frame" 32 64 576 48 "$work/logo.ppm") == 0 ]]; }
title_text_ok() {
    (($(pixel_count 0 144 640 24 "$kWhite") > 0 && $(pixel_count 0 384 640 24 "$kWhite") > 0))
}
title_shown() {
    seen="blue $(pixel_count 40 120 8 8 "$kDarkBlue")/64 pixels"
    title_background_ok && title_corners_ok && title_logo_ok && title_text_ok
}
report_title() {  # which_showing
    if title_background_ok && title_corners_ok; then
        pass "$1: dark blue inside a border of start-line tiles"
    else
        fail "$1: background or border ($seen)"
    fi
    if title_logo_ok; then pass "$1: the logo"; else fail "$1: the logo differs from gfx/logo.bmp"; fi
    if title_text_ok; then pass "$1: text lines"; else fail "$1: no white text on the rule lines"; fi
}

# Get Ready: the road darkened under white text, no blue, no HUD yet.
get_ready_shown() {
    local blue brightest_road white green
    blue=$(pixel_count 40 120 8 8 "$kDarkBlue")
    brightest_road=$(brightest "$frame" 0 0 128 128)
    white=$(pixel_count 0 210 640 24 "$kWhite")
    green=$(pixel_count 528 16 112 16 "$kHudGreen")
    seen="blue $blue, brightest road channel $brightest_road, white text $white, HUD green $green"
    ((blue == 0 && brightest_road <= 127 && white > 0 && green == 0))
}

playing() {
    local green
    green=$(pixel_count 528 16 112 16 "$kHudGreen")
    seen="HUD green $green"
    ((green > 0))
}

# The car's left edge (playerX) from its red marker in the car's band.
car_x=
find_car() {
    local found min_x min_y
    read -r found min_x min_y _ < <(find_colour "$frame" 0 320 512 32 "$kCarRed")
    seen="car marker pixels $found"
    ((found > 0)) || return 1
    car_x=$((min_x - car_red_dx))
    car_y=$((min_y - car_red_dy))
}

# The top of the start line, or "gone" once it has scrolled off the screen.
start_line_y() {
    local found min_y
    read -r found _ min_y _ < <(find_colour "$frame" 0 0 512 480 "$kStartLineWhite")
    ((found > 0)) && echo "$min_y" || echo gone
}

road_moved_from() {  # start_line_top
    local top
    top=$(start_line_y)
    seen="start line top $top"
    [[ "$top" == gone ]] || ((top > $1))
}

car_moved_right_of() {  # start_x
    find_car && ((car_x >= $1 + 8)) && return 0
    seen="$seen, car x ${car_x:-unknown}"
    return 1
}

# A short hold of Right (about ten frames) moves the car right. A crash
# into a vehicle ahead puts the car out of gear, and a stopped car cannot
# steer; as a player would, back off in reverse and then drive on again.
steer_right() {  # start_x
    local recovery
    for recovery in none reverse forward; do
        case $recovery in
            reverse) press_key Down; press_key Down; press_key Down ;;
            forward) press_key Up; press_key Up; press_key Up ;;
        esac
        press_key Right
        poll_for 2 car_moved_right_of "$1" && return 0
        echo "note: the car did not steer ($seen) after recovery: $recovery"
    done
    return 1
}

# A shot of the player's in flight above the car, in the column it leaves
# from (playerX + 8).
shot_above_car() {
    local found min_x
    find_car || return 1
    read -r found min_x _ < <(find_colour "$frame" $((car_x + 8)) 0 16 320 "$kShotOrange")
    seen="car x $car_x, shot pixels $found at x ${min_x:-none}"
    ((found > 0 && min_x == car_x + 8 + shot_dx))
}

session() {
    start_game || return 1

    poll title_shown
    report_title "title screen"
    save_screenshot title
    ((failed == 0)) || return 1

    focus_window
    press_key space
    if poll get_ready_shown; then
        pass "Space leads to Get Ready over the darkened road ($seen)"
    else
        fail "no Get Ready screen after Space ($seen)"; return 1
    fi

    retry "$press_close" "$window" || { fail "could not press the close button"; return 1; }
    # A close that were honoured would end the program within a few 10 ms
    # passes of the key wait; give it many.
    sleep 0.5
    if ! kill -0 "$game_pid" 2>/dev/null; then
        fail "the close button on Get Ready ended the program"; return 1
    elif capture "$frame" && get_ready_shown; then
        pass "the close button is ignored on Get Ready"
    else
        fail "the close button on Get Ready changed the screen ($seen)"; return 1
    fi

    press_key space
    if poll playing; then
        pass "Space starts play: the HUD is drawn ($seen)"
    else
        fail "play did not start ($seen)"; return 1
    fi
    if find_car && ((car_x == 192 && car_y == 320)); then
        pass "the car starts at (192, 320)"
    else
        fail "the car is not at its start position ($seen, at ${car_x:-?},${car_y:-?})"; return 1
    fi
    local start_x=$car_x start_top
    start_top=$(start_line_y)
    # Traffic and the HUD go on drawing while the car stands.
    wait_frames 2
    if [[ "$start_top" == $((320 + start_line_dy)) ]] && ! road_moved_from "$start_top"; then
        pass "in gear 0 the road stands still, the start line level with the car"
    else
        fail "the start line is not level with the car or moves in gear 0 (was $start_top, $seen)"; return 1
    fi

    press_key Up
    press_key Up
    if poll road_moved_from "$start_top"; then
        pass "two gears up: the road scrolls ($seen)"
    else
        fail "the road does not scroll after two gears up ($seen)"; return 1
    fi

    if steer_right "$start_x"; then
        pass "Right held steers the car from x $start_x to x $car_x"
    else
        fail "Right held does not steer the car ($seen)"; return 1
    fi

    hold_key space
    poll shot_above_car
    local fired=$?
    # Saved before Space is let go so that the shot is still in the picture.
    ((fired == 0)) && save_screenshot play
    release_key space
    if ((fired == 0)); then
        pass "Space held fires a shot up from the car ($seen)"
    else
        fail "no shot above the car while Space is held ($seen)"; return 1
    fi

    hold_key Escape
    # At least thirty frames with Escape down (the bonus falls twice): play
    # must go on until it is released.
    if next_frame && bonus_falls 2 "$(hud_bonus)" 3 && playing; then
        pass "Escape held does not leave play"
    else
        fail "Escape held left play before its release ($seen)"
    fi
    release_key Escape
    poll title_shown
    report_title "after Escape released, the title screen"
    ((failed == 0)) || return 1

    exit_status=
    retry "$press_close" "$window" || { fail "could not press the close button"; return 1; }
    wait_for_exit
    if [[ "$exit_status" == 0 ]]; then
        pass "the close button on the title ends the program with status 0"
    else
        fail "close button on the title: exit status '${exit_status:-still running}'"
    fi
}

# Shown after the car is destroyed: the darkened HUD with its damage label
# red, under the white text of the Game Over screen.
wrecked() {
    [[ -s "$frame" ]] && (($(pixel_count 528 112 48 16 7F0000) > 0 && $(pixel_count 0 140 640 24 "$kWhite") > 0))
}

# Random traffic now and then wrecks the car before the session is through.
# That is the game being played, not a fault, so the session is played again.
for attempt in 1 2 3; do
    passed=0
    failed=0
    session && break
    if ((attempt == 3)) || ! wrecked; then break; fi
    echo "note: traffic wrecked the car; playing the session again"
    stop_game
done
if ((failed > 0 || passed < 16)); then
    # Keep the last picture the failed step looked at, for whoever reads the log.
    if [[ -s "$frame" ]]; then
        kept="${TMPDIR:-/tmp}/kestrway-session-failure-$$.png"
        convert "$frame" "$kept" && echo "the last capture is kept in $kept"
    fi
    echo "game output:"
    cat "$work/game.log"
fi
finish_checks 16
