#!/usr/bin/env bash
# The browser stage of the test command: builds the browser version, installs
# puppeteer-core (no browser download: Debian's Chromium is used) into
# build/web-test/, and plays the game in headless Chromium. Pass --measure to
# also time the first title frame and the frame rate.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/web.sh >/dev/null

modules=build/web-test
mkdir -p "$modules"
# npm ci wipes and reinstalls; only when the lock file has changed.
if ! cmp -s tests/web/package-lock.json "$modules/package-lock.json" || [[ ! -d "$modules/node_modules" ]]; then
    cp tests/web/package.json tests/web/package-lock.json "$modules/"
    (cd "$modules" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error >/dev/null)
fi

timeout 170 node tests/web/browser_test.mjs build/web "$modules" "$@"
