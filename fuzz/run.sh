#!/usr/bin/env bash
# Builds the fuzzers (clang, ASan+UBSan): the BMP loader's, fuzzed for about
# a minute from the BMP Suite and the committed corpus, then the map chunk
# reader's, the replay reader's and the WAV loader's for less; each committed
# corpus is replayed once more as a regression test. Any crash fails the run.
# KESTRWAY_FUZZ_SECONDS changes the fuzzing time.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${KESTRWAY_FUZZ_SECONDS:-60}
suite=tests/data/bmpsuite/images
corpus=fuzz/corpus/bmp
work=fuzz-corpus-work/bmp

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target fuzz_bmp fuzz_map_chunks fuzz_replay fuzz_wav
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

# Fuzzes one more harness for the given seconds from its committed corpus,
# then replays that corpus as a regression test.
fuzz_from_corpus() {  # name seconds what
    local name=$1 corpus=fuzz/corpus/$1 work=fuzz-corpus-work/$1 status=0
    local fuzzer=build/fuzz/fuzz/fuzz_$1 log=fuzz-corpus-work/fuzz_$1.log
    mkdir -p "$work"
    echo "Fuzzing $3 for $2 s"
    "$fuzzer" -max_total_time="$2" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix=fuzz-corpus-work/ "$work" "$corpus" >"$log" 2>&1 || status=$?
    if [[ $status -ne 0 ]]; then
        tail -n 60 "$log" >&2
        echo "The $1 fuzzer failed (status $status); see the crash input in fuzz-corpus-work/" >&2
        exit "$status"
    fi
    local inputs=("$corpus"/*)
    "$fuzzer" "${inputs[@]}" >/dev/null 2>&1 || { "$fuzzer" "${inputs[@]}"; exit 1; }
    echo "fuzz_$1: ${#inputs[@]} passed, 0 failed"
}

# The map chunk reader, and the track, traffic and frames built on its codes.
fuzz_from_corpus map_chunks $(((seconds + 1) / 2)) "the map chunk reader"
# The replay reader and playback from the snapshot with the recorded input.
fuzz_from_corpus replay $(((seconds + 2) / 3)) "the replay reader and playback"
# The WAV loader, through its file front end.
fuzz_from_corpus wav $(((seconds + 3) / 4)) "the WAV loader"
