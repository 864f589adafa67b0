#!/usr/bin/env bash
# Captures the README's screenshots from the real window: plays the player
# session test with its screenshot folder set, and keeps a play picture only
# when traffic is in it next to the car, its shot and the HUD.
# Usage: tests/e2e/take_screenshots.sh [BUILD_DIR]   (default build/default)
# Writes docs/screenshot-title.png and docs/screenshot-play.png.
set -uo pipefail

e2e_dir=$(dirname "$(realpath "$0")")
root=$(realpath "$e2e_dir/../..")
build=$(realpath "${1:-$root/build/default}")
cmake --build "$build" -j 2 --target kestrway press_close_button read_hud_number || exit 1

# shellcheck source=window_harness.sh source-path=SCRIPTDIR
source "$e2e_dir/window_harness.sh"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

# One colour each that only a civilian car, the other civilian car and the
# tanks are painted with.
readonly kTrafficColours=(364C7A 28685A 69753D)

traffic_in_play_shot() {
    local colour found
    for colour in "${kTrafficColours[@]}"; do
        read -r found _ < <(find_colour "$shots/screenshot-play.png" 0 0 512 480 "$colour")
        ((found > 0)) && return 0
    done
    return 1
}

for attempt in 1 2 3 4 5 6 7 8; do
    rm -f "$shots"/*.png
    if ! KESTRWAY_SCREENSHOT_DIR="$shots" "$e2e_dir/player_session_test.sh" \
        "$build/kestrway" "$build/tests/press_close_button" "$build/tests/read_hud_number" \
        >"$shots/session.log"; then
        cat "$shots/session.log"
        exit 1
    fi
    if traffic_in_play_shot; then
        cp "$shots/screenshot-title.png" "$shots/screenshot-play.png" "$root/docs/"
        echo "saved docs/screenshot-title.png and docs/screenshot-play.png (session $attempt)"
        exit 0
    fi
done
echo "no play picture with traffic in it after $attempt sessions"
exit 1
