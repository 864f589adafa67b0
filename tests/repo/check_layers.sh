#!/usr/bin/env bash
# The layers' includes point down only: the program entries in src/app/ stand
# above everything and nothing includes them; the platform knows nothing of
# the game; the platform core knows no backend; a backend knows no other
# backend. Prints each include that breaks this and fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/../.."

broken=0
# Prints the includes of the given files that name one of the given folders.
includes_of() {
    local pattern=$1
    shift
    [[ $# == 0 ]] && return 0
    grep -nHE "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"(${pattern})/" "$@"
}
check() {
    local rule=$1 pattern=$2
    shift 2
    local found
    found=$(includes_of "$pattern" "$@")
    if [[ -n $found ]]; then
        echo "$found" | sed 's/^/  /'
        echo "  ^ $rule"
        broken=1
    fi
}

mapfile -t all < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'src/*.inc' | grep -v '^src/app/')
mapfile -t platform < <(printf '%s\n' "${all[@]}" | grep '^src/platform/')
mapfile -t core < <(printf '%s\n' "${platform[@]}" | grep -E '^src/platform/[^/]+$')
mapfile -t state < <(printf '%s\n' "${all[@]}" | grep '^src/state/')
mapfile -t actors < <(printf '%s\n' "${all[@]}" | grep '^src/actors/')
mapfile -t below_game < <(printf '%s\n' "${all[@]}" | grep -vE '^src/(game|app)/')

check "nothing includes a program entry" 'app' "${all[@]}"
check "the platform includes nothing of the game" 'game|world|player|actors|ui|state' "${platform[@]}"
check "the platform core includes no backend" 'platform/(sdl|win32|web|headless)' "${core[@]}"
for backend in sdl win32 web headless; do
    mapfile -t files < <(printf '%s\n' "${platform[@]}" | grep "^src/platform/${backend}/")
    others=$(printf '%s\n' sdl win32 web headless | grep -vx "$backend" | paste -sd'|')
    check "the ${backend} backend includes no other backend" "platform/(${others})" "${files[@]}"
done
check "the game's tables include only the platform" 'game|world|player|actors|ui' "${state[@]}"
check "the actors include no world, player or text" 'game|world|player|ui' "${actors[@]}"
check "only the game's loops include game/" 'game' "${below_game[@]}"

exit $broken
