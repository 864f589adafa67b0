#!/usr/bin/env bash
# Builds the browser version into build/web/ (index.html, kestrway.js,
# kestrway.wasm, kestrway.data) with Debian's Emscripten; with --serve, then
# serves that folder on http://127.0.0.1:8080/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --web

# Emscripten's JavaScript optimiser needs acorn, which Debian installs as a
# Node module outside the node on PATH's own search path.
acorn=$(dpkg -L node-acorn | grep '/acorn/package.json$')
export NODE_PATH
NODE_PATH=$(dirname "$(dirname "$acorn")")
# Debian's prebuilt system libraries, used as they are (no download, no
# rebuild).
export EM_FROZEN_CACHE=1

cmake --preset web >/dev/null
cmake --build --preset web -j "${KESTRWAY_JOBS:-2}"
echo "Built: $(ls build/web | tr '\n' ' ')"

if [[ "${1:-}" == "--serve" ]]; then
    echo "Serving on http://127.0.0.1:8080/ (Ctrl+C stops)"
    exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build/web
fi
