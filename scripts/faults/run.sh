#!/usr/bin/env bash
# Plants known faults one at a time and checks that the tests see each:
# applies a patch from scripts/faults/patches (all of them by default, or
# the ones named), rebuilds only the target that patch names, runs only the
# tests it names, then takes the patch out again (on any exit too) and
# rebuilds what was touched. Prints one line per fault and a total.
#
# Each patch opens with comment lines that git apply skips:
#   # fault:  what is wrong
#   # build:  the build preset (default, windows, ...)
#   # target: the targets to rebuild
#   # tests:  a ctest -R regex; for the windows build a GoogleTest filter
#             run under Wine
set -uo pipefail
cd "$(dirname "$0")/../.." || exit 1
patches=("$@")
if [[ ${#patches[@]} == 0 ]]; then
    patches=(scripts/faults/patches/*.patch)
fi

wine_ready=""  # set once this run has made its own Wine prefix
applied=""     # the patch currently in the tree, if any
touched=()     # build:target pairs to rebuild once the faults are out
scratch=$(mktemp -d)
cleanup() {
    if [[ -n $applied ]]; then
        git apply -R "$applied" || echo "could not take $applied out: check the tree" >&2
        applied=""
    fi
    [[ -n $wine_ready ]] && wineserver -k 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

field() {  # name patch: the value of a "# name:" header line
    sed -n "s/^# $1: *//p" "$2" | head -n 1
}

build_dir() {  # preset
    echo "build/$1"
}

configure() {  # preset: configure it once if it has no build directory yet
    [[ -f $(build_dir "$1")/build.ninja ]] || cmake --preset "$1" >/dev/null
}

run_wine_tests() {  # target filter
    if [[ -z $wine_ready ]]; then
        export WINEPREFIX=$scratch/wine WINEDEBUG=-all
        wineboot -i >/dev/null 2>&1
        wine_ready=1
    fi
    (cd build/windows/tests && timeout 600 wine "./$1.exe" "--gtest_filter=$2" --gtest_brief=1)
}

caught=0
missed=0
invalid=0
started=$(date +%s)
for patch in "${patches[@]}"; do
    name=$(basename "$patch" .patch)
    build=$(field build "$patch")
    targets=$(field target "$patch")
    tests=$(field tests "$patch")
    log=$scratch/$name.log
    files=$(git apply --numstat "$patch" | cut -f3)
    # shellcheck disable=SC2086
    if [[ -z $files ]] || ! git diff --quiet HEAD -- $files; then
        echo "SKIPPED  $name: its files have uncommitted changes (or it names none)"
        invalid=$((invalid + 1))
        continue
    fi
    if ! git apply "$patch"; then
        echo "INVALID  $name: does not apply"
        invalid=$((invalid + 1))
        continue
    fi
    applied=$patch
    for target in $targets; do touched+=("$build:$target"); done
    t0=$(date +%s)
    configure "$build" >"$log" 2>&1
    # shellcheck disable=SC2086
    if ! cmake --build "$(build_dir "$build")" -j2 --target $targets >>"$log" 2>&1; then
        result="INVALID  $name: does not build"
        invalid=$((invalid + 1))
    else
        if [[ $build == windows ]]; then
            run_wine_tests "$targets" "$tests" >>"$log" 2>&1
        else
            ctest --test-dir "$(build_dir "$build")" -R "$tests" --no-tests=error -j2 \
                --timeout 300 >>"$log" 2>&1
        fi
        status=$?
        if grep -q "No tests were found" "$log"; then
            result="INVALID  $name: no test matches \"$tests\""
            invalid=$((invalid + 1))
        elif [[ $status != 0 ]]; then
            result="CAUGHT   $name"
            caught=$((caught + 1))
        else
            result="MISSED   $name: $(field fault "$patch")"
            missed=$((missed + 1))
        fi
    fi
    git apply -R "$patch" || { echo "could not take $patch out" >&2; exit 1; }
    applied=""
    echo "$result ($(($(date +%s) - t0)) s)"
done

# Rebuild what the faults touched, so no build is left with one inside.
declare -A done_pairs=()
for pair in "${touched[@]}"; do
    [[ -n ${done_pairs[$pair]:-} ]] && continue
    done_pairs[$pair]=1
    cmake --build "$(build_dir "${pair%%:*}")" -j2 --target "${pair#*:}" >/dev/null 2>&1 ||
        echo "rebuilding ${pair#*:} in ${pair%%:*} failed" >&2
done
echo "faults: $caught caught, $missed missed, $invalid invalid ($(($(date +%s) - started)) s)"
[[ $missed == 0 && $invalid == 0 ]]
