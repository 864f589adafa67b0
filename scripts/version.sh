#!/usr/bin/env bash
# Prints the game's version: the one project(... VERSION ...) in CMakeLists.txt
# gives, which the program's --version prints too.
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -nE 's/^project\(kestrway VERSION ([0-9][0-9A-Za-z.]*)[ )].*/\1/p' CMakeLists.txt)
if [[ -z "$version" ]]; then
    echo "version.sh: no project(kestrway VERSION ...) line in CMakeLists.txt" >&2
    exit 1
fi
echo "$version"
