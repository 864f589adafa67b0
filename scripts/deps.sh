#!/usr/bin/env bash
# Installs the Debian packages the build (and, with --test, the test suite)
# needs and that this machine lacks. Uses apt-get as root, sudo otherwise.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config libsdl2-dev libgtest-dev libfreetype-dev fonts-dejavu-core)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(libbenchmark-dev clang libclang-rt-14-dev xvfb xauth xdotool x11-apps x11-utils imagemagick)
fi

# --- The browser version (scripts/web.sh, tests/web/run.sh,
# packaging/web/package.sh): Emscripten with its prebuilt libraries, acorn
# for its optimiser, Chromium for the browser test, Python's static server,
# zip for the release. npm is not among them: the node on PATH brings its own.
if [[ " $* " == *" --web "* || " $* " == *" --test "* ]]; then
    packages+=(emscripten node-acorn chromium python3 zip)
fi
# --- end of the browser version's packages

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
run_as_root=()
[[ $(id -u) -ne 0 ]] && run_as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -qq
"${run_as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
