#!/usr/bin/env bash
# The game's sound in the real window under Xvfb, written to a file by SDL's
# disk audio driver at the real rate (48,000 Hz, mono, 16-bit): with only
# the shot's sound in its data, Space in play puts the shot's samples into
# the file, unchanged, shortly after the key; with only the engine's, the
# engine sounds in play and M and P each give silence until pressed again;
# with SDL_AUDIODRIVER naming no usable driver the game starts and plays.
# Usage: sound_test.sh GAME_BINARY FIND_SOUND_BINARY READ_HUD_NUMBER_BINARY
set -uo pipefail

game=$(realpath "$1")
find_sound=$(realpath "$2")
read_number=$(realpath "$3")
# shellcheck source=window_harness.sh source-path=SCRIPTDIR
source "$(dirname "$(realpath "$0")")/window_harness.sh"

run_in_xvfb "$0" "$@"
prepare_session

readonly kRate=48000
raw=$work/sound.raw

# A data folder beside the game's with only the named sounds in its sfx/.
folder_with_sounds() {  # sound...
    local folder
    folder=$(mktemp -d "$work/data.XXXX")
    cp -r gfx fonts map "$folder/"
    mkdir "$folder/sfx"
    for sound in "$@"; do cp "sfx/$sound.wav" "$folder/sfx/"; done
    echo "$folder"
}

start_play() {  # folder
    start_game "$1" || return 1
    wait_for_block 40 120 8 8 0,0,100 >/dev/null || return 1
    focus_window
    press_key space
    poll_for 5 on_get_ready || return 1
    press_key space
    next_bonus >/dev/null
}

bytes_now() { stat -c %s "$raw" 2>/dev/null || echo 0; }
# What find_sound sees in the file between two byte offsets.
sound_between() { "$find_sound" "$raw" "$1" "$2" "$kRate" "${@:3}"; }
sounding_of() { awk '{print $2}' <<<"$1"; }

export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$raw

# --- The shot
if start_play "$(folder_with_sounds shot)"; then
    # Play begins with Space still down, which fires a first shot.
    sleep 0.5
    quiet_from=$(bytes_now)
    sleep 0.3
    from=$(bytes_now)
    before=$(sound_between "$quiet_from" "$from")
    press_key space
    sleep 0.5
    # A key held past the reload fires again after 0.1 s: the first 90 ms
    # are the first shot's alone.
    seen=$(sound_between "$from" "$(bytes_now)" sfx/shot.wav $((kRate * 9 / 100)))
    first_ms=$(awk '{print $4}' <<<"$seen")
    read -r matched of < <(awk '{print $6, $8}' <<<"$seen")
    if [[ $(sounding_of "$before") == 0 ]]; then
        pass "silence between shots (nothing else has a sound file)"
    else
        fail "sound before the shot: $before"
    fi
    # The key is held 0.1 s and the game reads it once a frame; the first
    # part of the file after $from may still have been in SDL's buffer. The
    # plain build takes 40 to 70 ms here, the ThreadSanitizer build longer.
    if [[ -n "${of:-}" && "$matched" == "$of" && "$of" -gt 0 ]] &&
        awk -v ms="$first_ms" 'BEGIN { exit !(ms >= 0 && ms < 500) }'; then
        pass "the shot's first $of samples are in the file, unchanged, ${first_ms} ms after Space went down"
    else
        fail "the shot's samples after Space: $seen"
    fi
    stop_game
else
    fail "could not start play with the shot's sound"
fi

# --- The engine, M and P
# Sound over a stretch of play: the non-silent samples written meanwhile.
sound_during() {  # seconds
    local start
    start=$(bytes_now)
    sleep "$1"
    sounding_of "$(sound_between "$start" "$(bytes_now)")"
}
# A standing car can be wrecked by a tank lined up with it, which ends play
# and its engine: the measures count only when play lasted through them
# (the HUD still shows the bonus), else a new game (a new track) is tried.
engine_measured=
for attempt in 1 2 3; do
    start_play "$(folder_with_sounds engine)" || break
    playing=$(sound_during 0.3)
    press_key m
    sleep 0.2
    muted=$(sound_during 0.3)
    press_key m
    sleep 0.2
    unmuted=$(sound_during 0.3)
    press_key p
    sleep 0.2
    paused=$(sound_during 0.3)
    press_key p
    sleep 0.2
    resumed=$(sound_during 0.3)
    still_playing=$(next_bonus 2)
    stop_game
    echo "non-silent samples in 0.3 s: playing $playing, muted $muted, unmuted $unmuted, paused $paused, resumed $resumed"
    if [[ -n "$still_playing" ]]; then
        engine_measured=1
        break
    fi
    echo "play ended during attempt $attempt; again with a new track"
done
if [[ -n "$engine_measured" ]]; then
    if ((playing > kRate / 6 && unmuted > kRate / 6 && resumed > kRate / 6)); then
        pass "the engine sounds in play, after M again and after the pause"
    else
        fail "the engine is not heard in play"
    fi
    if [[ "$muted" == 0 ]]; then pass "M: silence"; else fail "M: $muted samples sounded"; fi
    if [[ "$paused" == 0 ]]; then pass "P: silence"; else fail "P: $paused samples sounded"; fi
else
    fail "could not keep play going with the engine's sound"
fi

# --- No usable audio driver
export SDL_AUDIODRIVER=no_such_driver
if start_play . && before=$(next_bonus) && bonus_falls 3 "$before" 3; then
    pass "without an audio device the game starts and plays ($before, then $latest)"
else
    fail "without an audio device the game did not play; output: $(head -c 300 "$work/game.log")"
fi
if grep -q "no sound" "$work/game.log"; then
    pass "one line says there is no sound"
else
    fail "no line about the missing sound: $(head -c 300 "$work/game.log")"
fi
stop_game

finish_checks 7
