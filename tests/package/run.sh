#!/usr/bin/env bash
# The release stage of the test command: makes the packages with
# scripts/release.sh, then checks them as a player and a distribution would.
# The tarball unpacked into an empty folder and the .deb unpacked with
# dpkg-deb -x each start the real game under Xvfb from an unrelated working
# directory and must show the title screen with its data found. A second
# release from a clean build must give byte-identical packages; lintian must
# find no errors; the desktop entry and AppStream metainfo must validate.
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
scripts/deps.sh --release
# shellcheck source=../e2e/window_harness.sh
source tests/e2e/window_harness.sh
run_in_xvfb "$0" "$@"

work=$(mktemp -d)
frame=$work/frame.ppm
trap clean_up EXIT
version=$(scripts/version.sh)
arch=$(dpkg --print-architecture)
tarball=dist/kestrway-$version-linux-$(uname -m).tar.gz
deb=dist/kestrway_${version}_$arch.deb
readonly kDesktopId=org.kestrway.Kestrway

finish() {
    echo "package: $passed passed, $failed failed"
    [[ $failed == 0 ]]
    exit
}

# --- Two releases, the second from a clean build, with a stale file in
# dist/ that the second must remove.
if ! scripts/release.sh >"$work/release1.log" 2>&1; then
    fail "scripts/release.sh failed:"
    tail -n 30 "$work/release1.log"
    finish
fi
if [[ -f "$tarball" && -f "$deb" ]]; then
    pass "release.sh made $tarball and $deb"
else
    fail "release.sh did not make $tarball and $deb: $(ls dist)"
    finish
fi
(cd dist && sha256sum -- *) >"$work/first.sha256"
touch dist/stale-file
rm -rf build/release-linux
if scripts/release.sh >"$work/release2.log" 2>&1 && [[ ! -e dist/stale-file ]]; then
    pass "a second release starts from an empty dist/"
else
    fail "the second release failed or kept a stale file"
    tail -n 30 "$work/release2.log"
fi
(cd dist && sha256sum -- *) >"$work/second.sha256"
if diff "$work/first.sha256" "$work/second.sha256" >"$work/sha.diff"; then
    pass "a release from a clean build gives byte-identical packages ($(wc -l <"$work/first.sha256") files)"
else
    fail "packages differ between two releases:"
    cat "$work/sha.diff"
fi

# --- The unpacked packages.
tar_dir=$work/tar
deb_dir=$work/deb
mkdir "$tar_dir" "$deb_dir"
tar -xzf "$tarball" -C "$tar_dir"
dpkg-deb -x "$deb" "$deb_dir"
if [[ $(ls "$tar_dir") == "kestrway-$version" ]]; then
    pass "the tarball holds one folder, kestrway-$version/"
else
    fail "the tarball holds: $(ls "$tar_dir")"
fi

missing=()
for path in usr/games/kestrway usr/share/games/kestrway/gfx/logo.bmp \
    usr/share/games/kestrway/fonts/arial_16_white.bmp usr/share/games/kestrway/map/01.bmp \
    usr/share/games/kestrway/demo/demo.krp \
    "usr/share/applications/$kDesktopId.desktop" "usr/share/metainfo/$kDesktopId.metainfo.xml" \
    "usr/share/icons/hicolor/scalable/apps/$kDesktopId.svg" usr/share/man/man6/kestrway.6.gz \
    usr/share/doc/kestrway/copyright usr/share/doc/kestrway/changelog.gz; do
    [[ -f "$deb_dir/$path" ]] || missing+=("$path")
done
if ((${#missing[@]} == 0)) && head -n 1 "$deb_dir/usr/share/doc/kestrway/copyright" |
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$'; then
    pass "the .deb has Debian's games layout and a machine-readable copyright"
else
    fail "the .deb lacks: ${missing[*]:-} (or its copyright is not machine-readable)"
fi
# Every sound in both packages, as committed.
sounds_off=()
for sound in data/sfx/*.wav; do
    for copy in "$deb_dir/usr/share/games/kestrway/sfx/${sound##*/}" \
        "$tar_dir/kestrway-$version/sfx/${sound##*/}"; do
        cmp -s "$sound" "$copy" || sounds_off+=("${copy#"$work"/}")
    done
done
if ((${#sounds_off[@]} == 0)); then
    pass "both packages hold the $(ls data/sfx/*.wav | wc -l) sounds of data/sfx"
else
    fail "missing or different in the packages: ${sounds_off[*]}"
fi
if dpkg-deb -f "$deb" Depends | grep -q 'libsdl2-2.0-0'; then
    pass "the .deb depends on SDL2: $(dpkg-deb -f "$deb" Depends)"
else
    fail "the .deb's Depends lacks SDL2: $(dpkg-deb -f "$deb" Depends)"
fi

# --- Validators.
if lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1; then
    pass "lintian finds no errors ($(grep -c '^W:' "$work/lintian.log") warnings)"
else
    fail "lintian:"
fi
grep -E '^[EW]:' "$work/lintian.log" | sed 's/^/  /'
if appstreamcli validate --no-net "$deb_dir/usr/share/metainfo/$kDesktopId.metainfo.xml" \
    >"$work/appstream.log" 2>&1; then
    pass "appstreamcli validates the metainfo"
else
    fail "appstreamcli: $(cat "$work/appstream.log")"
fi
if output=$(desktop-file-validate "$deb_dir/usr/share/applications/$kDesktopId.desktop" 2>&1) &&
    [[ -z "$output" ]]; then
    pass "desktop-file-validate finds nothing to say"
else
    fail "desktop-file-validate: $output"
fi
released=$(sed -nE 's/.*<release version="([^"]+)".*/\1/p' \
    "$deb_dir/usr/share/metainfo/$kDesktopId.metainfo.xml" | head -n 1)
if [[ "$released" == "$version" ]]; then
    pass "the metainfo's latest release is $version"
else
    fail "the metainfo's latest release is '$released', the project's version $version"
fi

# --- Each packaged game, started from /, shows the title screen drawn from
# its data: dark blue where nothing else is drawn, the logo exactly as the
# repository's picture, and no square of the blank fill a missing picture
# leaves.
convert data/gfx/logo.bmp -crop 576x48+12+0 +repage -fill '#000064' -opaque '#FF00FF' \
    "$work/logo.ppm"
title_from_data() {
    read -r blue _ < <(find_colour "$frame" 40 120 8 8 000064)
    logo=$(differing_pixels "$frame" 32 64 576 48 "$work/logo.ppm")
    read -r blank _ < <(find_colour "$frame" 0 0 640 480 64FF64)
    [[ "$blue" == 64 && "$logo" == 0 && "$blank" == 0 ]]
}
check_title() {  # label program
    game=$2
    local label=$1 blue logo blank
    start_game / || return
    if poll_for 10 title_from_data; then
        pass "$label: the title screen with its logo, run from /"
    else
        fail "$label: blue $blue/64, logo pixels off $logo, blank-fill pixels $blank"
        cat "$work/game.log"
    fi
    if grep -q "no game data" "$work/game.log"; then
        fail "$label: the game did not find its data: $(cat "$work/game.log")"
    fi
    if [[ $("$game" --version) == "Kestrway $version" ]]; then
        pass "$label: --version prints $version"
    else
        fail "$label: --version prints '$("$game" --version)'"
    fi
    stop_game
}
check_title "tarball" "$tar_dir/kestrway-$version/kestrway"
check_title ".deb" "$deb_dir/usr/games/kestrway"

ls -l dist | sed 's/^/  /'
finish
