#!/usr/bin/env bash
# Installs the Debian packages a task needs and this machine lacks, with
# apt-get as root (sudo otherwise). With no flag: what building and playing
# the game needs. Flags add groups:
#   --test     everything the README's test command needs (all groups below)
#   --web      the browser version      --windows  the Windows version
#   --release  the release packages
# Another apt-get holding the package manager's lock is waited for (up to
# five minutes) instead of failing.
set -euo pipefail

has_flag() { [[ " $FLAGS " == *" $1 "* || " $FLAGS " == *" --test "* ]]; }
FLAGS="$*"

# --- Playing: the compiler, CMake, SDL2 and Xlib (the display-loss handler).
packages=(g++ cmake ninja-build pkg-config libsdl2-dev libx11-dev)

# --- The test suite: GoogleTest, the data generator's FreeType, zlib and font,
# benchmarks, clang's fuzzer and sanitizers, and the real-window tools.
if has_flag --test; then
    packages+=(libgtest-dev libfreetype-dev zlib1g-dev fonts-dejavu-core libbenchmark-dev clang
        libclang-rt-14-dev clang-format xvfb xauth xdotool x11-apps x11-utils imagemagick git)
fi
# --- The pause test: a window manager, so the window can lose its focus and
# be minimised under Xvfb.
if has_flag --test; then
    packages+=(openbox)
fi
# --- end of the pause test's packages

# --- The browser version (scripts/web.sh, tests/web/run.sh,
# packaging/web/package.sh): Emscripten with its prebuilt libraries, acorn
# for its optimiser, Chromium for the browser test, Python's static server,
# zip for the release. npm is not among them: the node on PATH brings its own.
if has_flag --web; then
    packages+=(emscripten node-acorn chromium python3 zip)
fi
# --- end of the browser version's packages

# --- The Windows version (tests/windows/run.sh, packaging/windows/package.sh):
# MinGW-w64 with posix threads, GoogleTest's sources to build with it, Wine
# to run what it builds, and the real-window tools for the Wine window test.
if has_flag --windows; then
    packages+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64
        xvfb xauth xdotool x11-apps x11-utils imagemagick zip unzip cmake ninja-build g++ libx11-dev)
fi
# --- end of the Windows version's packages

# --- The release packages (scripts/release.sh, packaging/linux/package.sh,
# tests/package/run.sh): the Debian package tools and checkers, the
# desktop-entry and AppStream validators, strip, and Xvfb with the window
# tools to start each package's game.
if has_flag --release; then
    packages+=(dpkg-dev fakeroot lintian appstream desktop-file-utils binutils file
        xvfb xauth xdotool x11-apps x11-utils imagemagick git)
fi
# --- end of the release packages

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
readonly kLockWaitSeconds=300
# apt-get update fails at once while another one holds the lists lock: try
# again every five seconds until the wait is over.
for ((waited = 0; ; waited += 5)); do
    "${run_as_root[@]}" apt-get -o DPkg::Lock::Timeout="$kLockWaitSeconds" update -qq && break
    if ((waited >= kLockWaitSeconds)); then
        echo "deps.sh: apt-get update kept failing for ${kLockWaitSeconds} s" >&2
        exit 1
    fi
    echo "deps.sh: the package lists are busy; trying again in 5 s" >&2
    sleep 5
done
"${run_as_root[@]}" apt-get -o DPkg::Lock::Timeout="$kLockWaitSeconds" install -y -qq \
    --no-install-recommends "${missing[@]}"
