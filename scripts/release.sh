#!/usr/bin/env bash
# Makes every release package into a fresh dist/ (nothing left from an
# earlier run): packaging/<platform>/package.sh <version> <dist-dir> for each
# platform below, with the version from CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
readonly kPlatforms=(linux windows web)

scripts/deps.sh --release --windows --web
version=$(scripts/version.sh)
dist=$(pwd)/dist
rm -rf "$dist"
mkdir "$dist"
for platform in "${kPlatforms[@]}"; do
    echo "== $platform"
    "packaging/$platform/package.sh" "$version" "$dist"
done
