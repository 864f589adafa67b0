#!/usr/bin/env bash
# CPU use of the game in fullscreen play on an Xvfb screen of a given size:
# starts the game under openbox, enters play in first gear (the road scrolls,
# so nearly every line changes every frame), switches to fullscreen with F11
# and reads the game's and the X server's CPU time over a few seconds (a car
# left driving runs into something before long; the screenshot shows whether
# it was still in play at the end).
# SDL_RENDER_DRIVER chooses the renderer as it does for the game.
# Usage: bench/fullscreen_cpu.sh GAME_BINARY WIDTHxHEIGHT [SECONDS] [SCREENSHOT.png]
set -uo pipefail

game=$(realpath "$1")
size=$2
seconds=${3:-4}
shot=${4:+$(realpath -m "$4")}

if [[ -z "${KESTRWAY_CPU_IN_XVFB:-}" ]]; then
    export KESTRWAY_CPU_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 ${size}x24" "$0" "$@"
fi

ticks() {  # pid: user + system time in clock ticks
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 1
cd "$(dirname "$game")" || exit 1
"$game" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" "$wm" 2>/dev/null' EXIT
window=
for _ in $(seq 100); do
    window=$(xdotool search --pid "$pid" 2>/dev/null | head -n 1)
    [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || { echo "no window"; exit 1; }
xdotool windowactivate --sync "$window"
sleep 1
for key in space space F11 Up; do
    xdotool keydown "$key"
    sleep 0.1
    xdotool keyup "$key"
    sleep 0.5
done
sleep 0.5
server=$(pgrep -n Xvfb)
hz=$(getconf CLK_TCK)
game_before=$(ticks "$pid")
server_before=$(ticks "$server")
sleep "$seconds"
game_after=$(ticks "$pid")
server_after=$(ticks "$server")
[[ -n "$shot" ]] && xwd -root -silent | convert xwd:- "$shot"
awk -v g=$((game_after - game_before)) -v s=$((server_after - server_before)) \
    -v hz="$hz" -v t="$seconds" -v size="$size" -v driver="${SDL_RENDER_DRIVER:-default}" \
    'BEGIN { printf "%s %s: game %.1f %% of a core, X server %.1f %%\n", size, driver,
             100 * g / hz / t, 100 * s / hz / t }'
