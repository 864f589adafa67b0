#!/usr/bin/env bash
# kestrway.exe --help and --version started from a console under Wine, as a
# shell starts a window program (no standard handles): the answer appears in
# that console; with standard output a file, it goes to the file only.
# Usage: console_test.sh GAME-FOLDER CONSOLE-PARENT-EXE (inside a display:
# Wine's consoles need one). Prints ok:/FAILED: lines and a count.
set -uo pipefail
game_dir=$1
parent=$2
passed=0
failed=0
check() {  # condition-status what
    if [[ $1 == 0 ]]; then
        echo "ok: $2"
        passed=$((passed + 1))
    else
        echo "FAILED: $2"
        failed=$((failed + 1))
    fi
}
console_of() {  # arguments of console_parent.exe; prints the console's text
    (cd "$game_dir" && timeout 60 wine "$parent" "$@" 2>&1 >/dev/null | tr -d '\r')
}

version=$(console_of console kestrway.exe --version)
[[ $version == "Kestrway "[0-9]* ]]
check $? "--version printed in the console it was started from ('$version')"

help=$(console_of console kestrway.exe --help)
grep -qE -- '--version +print the version and exit' <<<"$help"
check $? "--help printed in the console it was started from ($(wc -l <<<"$help") lines)"

output=$(mktemp -d)
shown=$(console_of file "$(winepath -w "$output/v.txt")" kestrway.exe --version)
[[ $(tr -d '\r' <"$output/v.txt" 2>/dev/null) == "Kestrway "[0-9]* && -z $shown ]]
check $? "--version into a file writes the file and nothing to the console ('$shown')"
rm -rf "$output"

echo "$passed passed, $failed failed"
[[ $failed == 0 ]]
