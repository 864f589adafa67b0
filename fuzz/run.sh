#!/usr/bin/env bash
# Builds the fuzzers (clang, ASan+UBSan): the BMP loader's, fuzzed for about
# a minute from the BMP Suite and the committed corpus, then the map chunk
# reader's and the replay reader's for less; each committed corpus is
# replayed once more as a regression test. Any crash fails the run.
# KESTRWAY_FUZZ_SECONDS changes the fuzzing time.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${KESTRWAY_FUZZ_SECONDS:-60}
suite=tests/data/bmpsuite/images
corpus=fuzz/corpus/bmp
work=fuzz-corpus-work/bmp

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target fuzz_bmp fuzz_map_chunks fuzz_replay
fuzzer=build/fuzz/fuzz/fuzz_bmp

seeds=("$corpus")
for category in g q b; do
    seeds+=("$suite/$category")
done
mkdir -p "$work"
log="$work/../fuzz_bmp.log"
echo "Fuzzing the BMP loader for ${seconds} s"
status=0
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix=fuzz-corpus-work/ "$work" "${seeds[@]}" >"$log" 2>&1 || status=$?
if [[ $status -ne 0 ]]; then
    tail -n 60 "$log" >&2
    echo "The BMP fuzzer failed (status $status); see $log and the crash input in fuzz-corpus-work/" >&2
    exit "$status"
fi
grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::new_units_added)" "$log" || true

echo "Replaying the regression corpus"
shopt -s nullglob
inputs=("$corpus"/*)
if [[ ${#inputs[@]} -gt 0 ]]; then
    "$fuzzer" "${inputs[@]}" >/dev/null 2>&1 || { "$fuzzer" "${inputs[@]}"; exit 1; }
fi
echo "fuzz_bmp: ${#inputs[@]} passed, 0 failed"

# The map chunk reader, and the track, traffic and frames built on its codes.
map_seconds=$(( (seconds + 1) / 2 ))
map_corpus=fuzz/corpus/map
map_work=fuzz-corpus-work/map
mkdir -p "$map_work"
echo "Fuzzing the map chunk reader for ${map_seconds} s"
status=0
build/fuzz/fuzz/fuzz_map_chunks -max_total_time="$map_seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=fuzz-corpus-work/ "$map_work" "$map_corpus" >"$map_work/../fuzz_map.log" 2>&1 || status=$?
if [[ $status -ne 0 ]]; then
    tail -n 60 "$map_work/../fuzz_map.log" >&2
    echo "The map fuzzer failed (status $status); see the crash input in fuzz-corpus-work/" >&2
    exit "$status"
fi
map_inputs=("$map_corpus"/*)
build/fuzz/fuzz/fuzz_map_chunks "${map_inputs[@]}" >/dev/null 2>&1 || { build/fuzz/fuzz/fuzz_map_chunks "${map_inputs[@]}"; exit 1; }
echo "fuzz_map_chunks: ${#map_inputs[@]} passed, 0 failed"

# The replay reader and playback from the snapshot with the recorded input.
replay_seconds=$(( (seconds + 2) / 3 ))
replay_corpus=fuzz/corpus/replay
replay_work=fuzz-corpus-work/replay
mkdir -p "$replay_work"
echo "Fuzzing the replay reader and playback for ${replay_seconds} s"
status=0
build/fuzz/fuzz/fuzz_replay -max_total_time="$replay_seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=fuzz-corpus-work/ "$replay_work" "$replay_corpus" >"$replay_work/../fuzz_replay.log" 2>&1 || status=$?
if [[ $status -ne 0 ]]; then
    tail -n 60 "$replay_work/../fuzz_replay.log" >&2
    echo "The replay fuzzer failed (status $status); see the crash input in fuzz-corpus-work/" >&2
    exit "$status"
fi
replay_inputs=("$replay_corpus"/*)
build/fuzz/fuzz/fuzz_replay "${replay_inputs[@]}" >/dev/null 2>&1 || { build/fuzz/fuzz/fuzz_replay "${replay_inputs[@]}"; exit 1; }
echo "fuzz_replay: ${#replay_inputs[@]} passed, 0 failed"
