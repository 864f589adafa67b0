#!/usr/bin/env bash
# The real kestrway.exe's sound under Wine: Wine's waveOut plays through
# ALSA, and ALSA's file plugin over a null device records what it plays
# (16-bit mono at the program's 44,100 Hz). In play, Space's shot appears
# in the recording at its level, well over the idling engine's; P holds play
# and the recording falls silent; P again and the engine sounds once more;
# M shows "Sound off" and silences it, M again "Sound on" and sound.
# With an ALSA config that defines no device, Wine finds none: the game says
# so in one line and plays on. WINEPREFIX must name a prefix made with wineboot.
# Usage: wine_sound_test.sh GAME_FOLDER
set -uo pipefail

folder=$(realpath "$1")
game=$folder/kestrway.exe
# shellcheck source=../e2e/window_harness.sh
source "$(dirname "$(realpath "$0")")/../e2e/window_harness.sh"

run_in_xvfb "$0" "$@"
prepare_session

readonly kDarkBlue="0,0,100"
# The shot peaks at -4 dBFS (20,700); the engine at idle, mixed at half its
# level, at about 7,300. Between them: a sample over this is the shot.
readonly kShotLevel=12000
# What counts as silence: the mixer's output while play is held is zero.
readonly kSilence=64
recording=$work/out.raw
cat >"$work/asound.conf" <<CONF
pcm.nul { type null }
pcm.!default { type file; slave.pcm "nul"; file "$recording"; format "raw" }
CONF

# Whether $frame shows the sound line (off, on or none) in its band near the
# bottom: "Sound off" is one letter longer, so its centred letters start
# further left (at x 248, "Sound on" at 256).
shows_sound_line() {  # off|on|none
    local white left word=none
    read -r white left _ < <(find_colour "$frame" 200 368 240 48 FFFFFF)
    if ((${white:-0} > 100)); then
        word=on
        ((left < 254)) && word=off
    fi
    [[ "$word" == "$1" ]]
}
recorded_bytes() { stat -c %s "$recording" 2>/dev/null || echo 0; }
# The largest sample's size between two byte offsets of the recording.
peak_between() {  # from to
    local from=$(($1 / 2 * 2)) to=$2
    tail -c +"$((from + 1))" "$recording" | head -c "$((to - from))" | od -An -v -td2 -w2 |
        awk 'BEGIN { peak = 0 } { v = $1 < 0 ? -$1 : $1; if (v > peak) peak = v } END { print peak }'
}

# Waits up to the given seconds for a sample over level to be recorded after
# byte offset from (Wine's own buffering delays what the game mixed); the
# peak so far in $heard.
sound_after() {  # from level seconds
    local deadline
    deadline=$(deadline_in "$3")
    while :; do
        heard=$(peak_between "$1" "$(recorded_bytes)")
        ((heard > $2)) && return 0
        (($(now_us) < deadline)) || return 1
        sleep 0.1
    done
}

# From the title through Get Ready into play: the HUD's black column shows.
start_play() {
    wait_for_block 40 120 8 8 "$kDarkBlue" >/dev/null || return 1
    focus_window
    press_key space
    poll_for 5 on_get_ready || return 1
    press_key space
    wait_for_block 600 400 8 8 "0,0,0" >/dev/null
}

export ALSA_CONFIG_PATH=$work/asound.conf
if start_game && start_play; then
    # Past Get Ready's jingle: the engine idles.
    sleep 1
    before=$(recorded_bytes)
    press_key space
    if sound_after "$before" "$kShotLevel" 1.5; then
        pass "Space in play: the shot is recorded (peak $heard)"
    else
        fail "Space in play: peak ${heard:-none} within 1.5 s (want > $kShotLevel)"
    fi
    press_key p
    poll_for 3 paused_line_in_frame
    sleep 1
    held_from=$(recorded_bytes)
    sleep 1
    held_to=$(recorded_bytes)
    held=$(peak_between "$held_from" "$held_to")
    if [[ "$held_to" -gt "$held_from" && "$held" -le "$kSilence" ]]; then
        pass "P: silence while play is held (peak $held over $(((held_to - held_from) / 2)) samples)"
    else
        fail "P: peak ${held:-none} over $(((held_to - held_from) / 2)) samples while held"
    fi
    press_key p
    poll_for 3 no_paused_line
    if sound_after "$(recorded_bytes)" "$kSilence" 3; then
        pass "P again: the engine sounds again (peak $heard)"
    else
        fail "P again: still silent 3 s on (peak ${heard:-none}); $(grep kestrway "$work/game.log")"
    fi
    stop_game
fi

# M in a new game: a car standing in play for long enough is shot to pieces,
# and the still screens after are silent.
if start_game && start_play; then
    sleep 1
    # M: "Sound off" over the picture and silence; M again: "Sound on" and sound.
    press_key m
    poll_for 3 shows_sound_line off && off_line=shown || off_line=missing
    sleep 1
    muted_from=$(recorded_bytes)
    sleep 1
    muted_to=$(recorded_bytes)
    muted=$(peak_between "$muted_from" "$muted_to")
    if [[ "$off_line" == shown && "$muted_to" -gt "$muted_from" && "$muted" -le "$kSilence" ]]; then
        pass "M: \"Sound off\" shows and the recording is silent (peak $muted)"
    else
        fail "M: \"Sound off\" $off_line, peak ${muted:-none} over $(((muted_to - muted_from) / 2)) samples"
    fi
    # The line goes after a second; M brings it back saying "Sound on".
    poll_for 3 shows_sound_line none
    press_key m
    poll_for 3 shows_sound_line on && on_line=shown || on_line=missing
    if [[ "$on_line" == shown ]] && sound_after "$(recorded_bytes)" "$kSilence" 3; then
        pass "M again: \"Sound on\" shows and sound returns (peak $heard)"
    else
        fail "M again: \"Sound on\" $on_line, peak ${heard:-none}; $(grep kestrway "$work/game.log")"
    fi
    stop_game
fi

# No device at all (an ALSA config that defines none): one line says so,
# and the game plays.
: >"$work/no_device.conf"
export ALSA_CONFIG_PATH=$work/no_device.conf
if start_game && start_play && wait_frames 2 && game_running; then
    if grep -q "kestrway: no sound" "$work/game.log"; then
        pass "without a sound device the game says so and plays"
    else
        fail "without a sound device: no line said so: $(grep kestrway "$work/game.log" | head -c 300)"
    fi
else
    fail "without a sound device the game did not reach play: $(head -c 300 "$work/game.log")"
fi
stop_game

finish_checks 6
