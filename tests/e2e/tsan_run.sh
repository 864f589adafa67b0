#!/usr/bin/env bash
# Builds the game under ThreadSanitizer and runs the real-window tests against
# it, so that the presenter thread and the game thread share the screen, the
# key states and the key buffer for a whole player's session, through the
# window's resizing and through play held while away or paused, and the
# audio callback's thread with the mixer and its event ring; any
# ThreadSanitizer report fails the run.
# Usage: tests/e2e/tsan_run.sh (from any folder; no arguments). Exits 0 when
# every test passes with no report, 77 when Xvfb is missing, 1 otherwise.
set -uo pipefail

readonly kSkipStatus=77
e2e_dir=$(dirname "$(realpath "$0")")
cd "$e2e_dir/../.." || exit 1

echo "== ThreadSanitizer build of the game"
cmake --preset tsan >/dev/null || exit 1
cmake --build --preset tsan -j 2 --target kestrway press_close_button read_hud_number find_sound || exit 1
game=build/tsan/kestrway
press_close=build/tsan/tests/press_close_button
read_number=build/tsan/tests/read_hud_number
for binary in "$game" "$press_close" "$read_number"; do
    [[ -x "$binary" ]] || { echo "not built: $binary"; exit 1; }
done
# A build that lost its instrumentation would pass without checking anything.
# grep reads all of nm's output (no -q): stopping at the first match would
# end nm with SIGPIPE, and pipefail would call that a failure.
if ! nm "$game" | grep __tsan_func_entry >/dev/null; then
    echo "$game is not built with ThreadSanitizer"
    exit 1
fi

reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
# A report ends the game at once with status 66, which the tests see as a
# wrong exit status or a vanished window; the report itself goes to a file.
export TSAN_OPTIONS="halt_on_error=1:exitcode=66:log_path=$reports/tsan${TSAN_OPTIONS:+:$TSAN_OPTIONS}"

status=0
# The sound ring and the mixer between a game thread, an audio thread and a
# third that mutes.
cmake --build --preset tsan -j 2 --target sound_thread_test || exit 1
echo "== the sound threads under ThreadSanitizer"
build/tsan/tests/sound_thread_test || status=1
for test in player_session_test.sh window_test.sh pause_test.sh; do
    echo "== $test under ThreadSanitizer"
    "$e2e_dir/$test" "$game" "$press_close" "$read_number"
    result=$?
    [[ "$result" == "$kSkipStatus" ]] && exit "$kSkipStatus"
    [[ "$result" == 0 ]] || status=1
done

# The audio callback's thread against the game and the presenter, with SDL's
# disk driver as the device.
echo "== sound_test.sh under ThreadSanitizer"
"$e2e_dir/sound_test.sh" "$game" build/tsan/tests/find_sound "$read_number"
result=$?
[[ "$result" == "$kSkipStatus" ]] && exit "$kSkipStatus"
[[ "$result" == 0 ]] || status=1

if compgen -G "$reports/tsan*" >/dev/null; then
    echo "ThreadSanitizer reports:"
    cat "$reports"/tsan*
    status=1
fi
if ((status == 0)); then
    echo "no ThreadSanitizer report"
fi
exit "$status"
