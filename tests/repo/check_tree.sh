#!/usr/bin/env bash
# Checks of the tree itself: every C++ file is formatted as .clang-format
# says, the includes follow the layers, and no tracked file reaches outside
# the repository for its inputs (a person who clones the project has nothing
# beside it).
set -uo pipefail
cd "$(dirname "$0")/../.."
passed=0
failed=0

mapfile -t sources < <(git ls-files -- '*.cpp' '*.h' '*.hpp')
if clang-format --dry-run --Werror "${sources[@]}" 2>"${TMPDIR:-/tmp}/kestrway-format.log"; then
    echo "ok: ${#sources[@]} C++ files formatted"
    passed=$((passed + 1))
else
    grep -oE '^[^:]+\.(cpp|h|hpp)' "${TMPDIR:-/tmp}/kestrway-format.log" | sort -u | sed 's/^/  not formatted: /'
    echo "FAILED: C++ files differ from clang-format (run clang-format -i on them)"
    failed=$((failed + 1))
fi
rm -f "${TMPDIR:-/tmp}/kestrway-format.log"

# The folder name is written in two pieces so that this script does not find itself.
if outside=$(git grep -n -I -F -e "../share""d" -- .); then
    echo "$outside" | sed 's/^/  /'
    echo "FAILED: tracked files name a folder outside the repository"
    failed=$((failed + 1))
else
    echo "ok: no tracked file names a folder outside the repository"
    passed=$((passed + 1))
fi

# A planted fault whose code has moved no longer applies, and the fault
# runner would only report it as invalid when someone runs it: name it here.
stale=()
for patch in scripts/faults/patches/*.patch; do
    git apply --check "$patch" 2>/dev/null || stale+=("$patch")
done
if [[ ${#stale[@]} == 0 ]]; then
    echo "ok: every planted fault applies to the tree"
    passed=$((passed + 1))
else
    printf '  does not apply: %s\n' "${stale[@]}"
    echo "FAILED: planted faults no longer apply (make them again against the moved code)"
    failed=$((failed + 1))
fi

# Runs a check script of this folder and counts it.
check() {  # script ok-message failure-message
    if "tests/repo/$1"; then
        echo "ok: $2"
        passed=$((passed + 1))
    else
        echo "FAILED: $3"
        failed=$((failed + 1))
    fi
}
check check_layers.sh "includes point down the layers only" \
    "an include points up the layers or across the backends"
check check_architecture.sh "docs/architecture.md names the tree as it is" \
    "docs/architecture.md and the tree differ"

echo "repo: $passed passed, $failed failed"
[[ $failed == 0 ]]
