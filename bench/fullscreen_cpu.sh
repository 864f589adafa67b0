#!/usr/bin/env bash
# CPU use of the game in fullscreen play on an Xvfb screen of a given size:
# starts the game under openbox, enters play in first gear (the road scrolls,
# so nearly every line changes every frame), switches to fullscreen with F11
# and reads the game's and the X server's CPU time over a few seconds (a car
# left driving runs into something before long; the screenshot shows whether
# it was still in play at the end).
# SDL_RENDER_DRIVER chooses the renderer as it does for the game.
# With --window WxH the game plays in a window of that size on the screen
# instead of fullscreen.
# Usage: bench/fullscreen_cpu.sh [--window WxH] GAME_BINARY SCREEN_WxH [SECONDS] [SCREENSHOT.png]
set -uo pipefail

window_size=
if [[ "${1:-}" == --window ]]; then
    window_size=$2
    shift 2
fi
game=$(realpath "$1")
size=$2
seconds=${3:-4}
shot=${4:+$(realpath -m "$4")}

if [[ -z "${KESTRWAY_CPU_IN_XVFB:-}" ]]; then
    export KESTRWAY_CPU_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 ${size}x24" "$0" ${window_size:+--window "$window_size"} "$@"
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
if [[ -n "$window_size" ]]; then
    xdotool windowsize --sync "$window" "${window_size%x*}" "${window_size#*x}"
    keys=(space space Up)
else
    keys=(space space F11 Up)
fi
for key in "${keys[@]}"; do
    xdotool keydown "$key"
    sleep 0.1
    xdotool keyup "$key"
    sleep 0.5
done
sleep 0.5
server=$(pgrep -n -f "Xvfb ${DISPLAY} ")  # this run's server, not another one on the machine
hz=$(getconf CLK_TCK)
game_before=$(ticks "$pid")
server_before=$(ticks "$server")
sleep "$seconds"
game_after=$(ticks "$pid")
server_after=$(ticks "$server")
[[ -n "$shot" ]] && xwd -root -silent | convert xwd:- "$shot"
awk -v g=$((game_after - game_before)) -v s=$((server_after - server_before)) \
    -v hz="$hz" -v t="$seconds" -v size="$size" -v driver="${SDL_RENDER_DRIVER:-default}" \
    -v shown="${window_size:+window $window_size}" \
    'BEGIN { printf "%s %s %s: game %.1f %% of a core, X server %.1f %%\n", size,
             shown == "" ? "fullscreen" : shown, driver,
             100 * g / hz / t, 100 * s / hz / t }'
