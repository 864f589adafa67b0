#!/usr/bin/env bash
# Makes <dist-dir>/kestrway-<version>-web.zip: one folder holding the page,
# its script, the wasm and the packed data, ready for any static web host.
#   packaging/web/package.sh <version> <dist-dir>
set -euo pipefail
source "$(dirname "$0")/../package_args.sh"

scripts/web.sh >/dev/null
name=kestrway-${version}-web
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp build/web/index.html build/web/kestrway.js build/web/kestrway.wasm build/web/kestrway.data "$stage/$name/"
cat >"$stage/$name/README.txt" <<TEXT
Kestrway ${version} for the browser.

Put the files of this folder on any static web server (they must be served
over http or https; a page opened straight from the disk cannot load the
game). To try it here: python3 -m http.server 8080 --bind 127.0.0.1 in this
folder, then open http://127.0.0.1:8080/.
TEXT
# Fixed dates and no extra attributes: the same build gives the same zip.
find "$stage/$name" -exec touch -d '2000-01-01 00:00:00 UTC' {} +
rm -f "$dist/$name.zip"
(cd "$stage" && zip -q -X -r "$dist/$name.zip" "$name")
echo "$dist/$name.zip"
