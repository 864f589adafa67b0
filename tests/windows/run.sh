#!/usr/bin/env bash
# The Windows stage of the test command: cross-builds the game and the whole
# unit and scenario suite with MinGW-w64, runs the suite under Wine (in a
# Wine prefix made for this run in a temporary folder), then the real
# kestrway.exe in a window on Xvfb, and the release zip unpacked into an
# empty folder and played from there. Prints "windows: N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")/../.."
scripts/deps.sh --windows || exit 1

scratch=$(mktemp -d)
export WINEPREFIX=$scratch/wine WINEDEBUG=-all
trap 'wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT
passed=0
failed=0
note() {  # passed failed what
    passed=$((passed + $1))
    failed=$((failed + $2))
    echo "$3: $1 passed, $2 failed"
}

# The prefix is made while the build runs; it takes a while.
wineboot -i >/dev/null 2>&1 &
boot=$!
cmake --preset windows >/dev/null || exit 1
cmake --build build/windows --target kestrway_win32 kestrway_tests kestrway_web_tests \
    kestrway_win32_tests || exit 1
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -static tests/windows/console_parent.cpp \
    -o "$scratch/console_parent.exe" || exit 1
g++ -std=c++20 -O2 tests/e2e/press_close_button.cpp -lX11 -o "$scratch/press_close_button" || exit 1
g++ -std=c++20 -O2 -Isrc tests/e2e/read_hud_number.cpp src/platform/builtin_font.cpp \
    -o "$scratch/read_hud_number" || exit 1
wait "$boot"

# Each suite runs as one Wine process (a process per test would take
# minutes); every test it lists must pass.
for suite in kestrway_tests kestrway_web_tests kestrway_win32_tests; do
    log=$scratch/$suite.log
    (cd build/windows/tests && timeout 600 wine "./$suite.exe" --gtest_brief=1) >"$log" 2>&1
    listed=$( (cd build/windows/tests && wine "./$suite.exe" --gtest_list_tests) | grep -c '^  ')
    ok=$(grep -oE '^\[  PASSED  \] [0-9]+' "$log" | grep -oE '[0-9]+$' || echo 0)
    grep -E '^\[  FAILED  \]|Failure' "$log" | head -n 20
    # A suite that did not run to its end says why at its end.
    grep -q '^\[  PASSED  \]' "$log" || tail -n 15 "$log"
    note "$ok" "$((listed - ok))" "$suite under Wine"
done
# The same tests as the Linux build, where one has been built.
if [[ -x build/default/tests/kestrway_tests ]]; then
    # Full names, sorted: link order may differ. The FIFO and device tests
    # need a POSIX system and are not cross-built.
    full_names() { tr -d '\r' | awk '/^[^ ]/ {suite = $1} /^  / {print suite $1}' | sort; }
    build/default/tests/kestrway_tests --gtest_list_tests | full_names |
        grep -vE '^(FileOpenTest\.|BadData\.PicturesAndMapsThatAreDevicesFifosOrHugeStartAtOnce$)' >"$scratch/linux.list"
    (cd build/windows/tests && wine ./kestrway_tests.exe --gtest_list_tests) | full_names >"$scratch/windows.list"
    if cmp -s "$scratch/linux.list" "$scratch/windows.list"; then
        note 1 0 "the same test list as the Linux build"
    else
        diff "$scratch/linux.list" "$scratch/windows.list" | head -n 10
        note 0 1 "the same test list as the Linux build"
    fi
fi

count_checks() {  # what, then the command
    local what=$1 log=$scratch/checks.log
    shift
    # Wine's server and desktop started by the runs above know no display;
    # the window's Wine must start its own inside Xvfb.
    wineserver -k 2>/dev/null
    wineserver -w
    "$@" 2>&1 | tee "$log"
    local ok bad
    ok=$(grep -c '^ok: ' "$log")
    bad=$(grep -c '^FAILED: ' "$log")
    # A script that stopped early ran fewer checks: count that as a failure.
    grep -qE '^[0-9]+ passed, 0 failed$' "$log" || bad=$((bad > 0 ? bad : 1))
    note "$ok" "$bad" "$what"
}

count_checks "the window under Wine" \
    timeout 300 tests/windows/wine_window_test.sh build/windows "$scratch/press_close_button" "$scratch/read_hud_number"

count_checks "sound under Wine" \
    timeout 300 tests/windows/wine_sound_test.sh build/windows

count_checks "--help and --version in the console under Wine" \
    timeout 300 xvfb-run -a tests/windows/console_test.sh build/windows "$scratch/console_parent.exe"

# The committed recordings end as recorded in the Windows build too (no
# window: Wine's server from the display tests above is not needed).
# A name outside every code page must reach the game whole.
wineserver -k 2>/dev/null
wineserver -w
cp tests/replays/two-short-games.krp "$scratch/replay-Ω-駅.krp"
for recording in tests/replays/*.krp bench/data/*.krp data/demo/*.krp "$scratch/replay-Ω-駅.krp"; do
    path=$(LC_ALL=C.UTF-8 winepath -w "$(realpath "$recording")")
    report=$(cd build/windows && LC_ALL=C.UTF-8 timeout 300 wine ./kestrway.exe --verify "$path" 2>&1 | tr -d '\r')
    if [[ "$report" == *" all match"* ]]; then
        note 1 0 "$(basename "$recording") verified under Wine"
    else
        echo "$report" | tail -n 5
        note 0 1 "$(basename "$recording") verified under Wine"
    fi
done

# The release zip, unpacked into an empty folder and played from there.
packaging/windows/package.sh test "$scratch/dist" >/dev/null || exit 1
mkdir "$scratch/unpacked"
unzip -q "$scratch/dist/kestrway-test-windows-x64.zip" -d "$scratch/unpacked"
if diff -r data/sfx "$scratch/unpacked/kestrway-test-windows-x64/sfx" >/dev/null; then
    note 1 0 "the zip holds the sounds of data/sfx"
else
    note 0 1 "the zip holds the sounds of data/sfx"
fi
count_checks "the unpacked zip under Wine" \
    timeout 300 tests/windows/wine_window_test.sh "$scratch/unpacked/kestrway-test-windows-x64" \
    "$scratch/press_close_button" "$scratch/read_hud_number"
imports=$(x86_64-w64-mingw32-objdump -p build/windows/kestrway.exe | grep -oE 'DLL Name: .*' | sort -f | tr '\n' ' ')
if [[ "$(echo "$imports" | tr 'a-z' 'A-Z')" == "DLL NAME: GDI32.DLL DLL NAME: KERNEL32.DLL DLL NAME: MSVCRT.DLL DLL NAME: USER32.DLL DLL NAME: WINMM.DLL " ]]; then
    note 1 0 "kestrway.exe imports only Windows' own DLLs"
else
    note 0 1 "kestrway.exe imports: $imports"
fi

echo "windows: $passed passed, $failed failed"
[[ $failed == 0 ]]
