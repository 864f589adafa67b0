#!/usr/bin/env bash
# docs/architecture.md against the tree: every path it names exists, and
# every folder of src/ is named there, so the page cannot fall behind a
# new layer or backend unnoticed.
set -uo pipefail
cd "$(dirname "$0")/../.."
page=docs/architecture.md
broken=0

mapfile -t named < <(grep -oE '`(src|tests|scripts|docs|tools|bench|fuzz)/[^` ]*`' "$page" | tr -d '`' | grep -v '<' | sort -u)
for path in "${named[@]}"; do
    if [[ ! -e $path ]]; then
        echo "  $page names $path, which is not in the tree"
        broken=1
    fi
done
mapfile -t folders < <(git ls-files -- src | xargs -n1 dirname | sort -u | grep -vE '^src$|/page$')
for folder in "${folders[@]}"; do
    if ! grep -qF "${folder}/" "$page"; then
        echo "  $folder/ is not described in $page"
        broken=1
    fi
done
exit $broken
