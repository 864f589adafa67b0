#!/usr/bin/env bash
# Makes the Linux release packages in <dist-dir>, from one stripped Release
# build of the game alone:
#   kestrway-<version>-linux-<machine>.tar.gz  one folder, kestrway-<version>/,
#       with the program, its data, README and licences; it runs from
#       wherever it is unpacked (the program finds the data beside itself);
#   kestrway_<version>_<arch>.deb  Debian's games layout: /usr/games/kestrway
#       reading /usr/share/games/kestrway.
# The same sources give the same bytes: every date is SOURCE_DATE_EPOCH (the
# last commit's time unless set), and owners and file order are fixed.
#   packaging/linux/package.sh <version> <dist-dir>
set -euo pipefail
source "$(dirname "$0")/../package_args.sh"
root=$(pwd)
packaging=$root/packaging/linux
readonly kMaintainer="The Kestrway developers <developers@kestrway.org>"
readonly kHomepage=https://kestrway.org/

if [[ -z "${SOURCE_DATE_EPOCH:-}" ]]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 946684800)
fi
export SOURCE_DATE_EPOCH
arch=$(dpkg --print-architecture)
machine=$(uname -m)

# --- The build: Release with all of Debian's hardening flags, no tests or tools.
# Paths inside the repository are written relative to it, so where the
# checkout lies does not change the program's bytes.
build=build/release-linux
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKESTRWAY_TESTS=OFF -DKESTRWAY_TOOLS=OFF -DKESTRWAY_BENCH=OFF -DKESTRWAY_WERROR=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
    -DKESTRWAY_INSTALL_DATA_DIR=share/games/kestrway >/dev/null
cmake --build "$build" --target kestrway -j "$(nproc)" >/dev/null
built_version=$("$build/kestrway" --version)
if [[ "$built_version" != "Kestrway $version" ]]; then
    echo "package.sh: asked for version $version but the program says '$built_version'" >&2
    exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
deb_root=$stage/deb
DESTDIR=$deb_root cmake --install "$build" >/dev/null
# As Debian strips: symbols and the compiler's notes go, the build id stays.
strip --remove-section=.comment --remove-section=.note --strip-unneeded "$deb_root/usr/games/kestrway"

# --- The Debian package's own files: compressed manual page and README,
# the machine-readable copyright in place of the licence files, a changelog.
doc=$deb_root/usr/share/doc/kestrway
gzip -9n "$deb_root/usr/share/man/man6/kestrway.6" "$doc/README.md"
rm "$doc/LICENSE" "$doc/LICENSE.fonts"
# The font licence is in the copyright file; the game does not read it.
rm "$deb_root/usr/share/games/kestrway/fonts/LICENSE.txt"

# A licence text as a copyright-file paragraph body: each line indented,
# empty lines as " .".
licence_body() {  # file
    sed -e 's/^$/./' -e 's/^/ /' "$1"
}
{
    cat <<TEXT
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Kestrway
Upstream-Contact: $kMaintainer
Source: $kHomepage

Files: *
Copyright: 2026 The Kestrway developers
License: Expat

Files: data/fonts/* data/gfx/logo.bmp src/platform/builtin_font_glyphs.inc
Copyright: 2003 Bitstream, Inc.
License: Bitstream-Vera
Comment: Rendered from the DejaVu fonts, whose changes to Bitstream Vera are
 in the public domain.

License: Expat
TEXT
    licence_body LICENSE
    echo
    echo "License: Bitstream-Vera"
    licence_body data/fonts/LICENSE.txt
} >"$doc/copyright"
{
    echo "kestrway ($version) unstable; urgency=medium"
    echo
    echo "  * Release $version."
    echo
    echo " -- $kMaintainer  $(date -u -R -d "@$SOURCE_DATE_EPOCH")"
} | gzip -9n >"$doc/changelog.gz"

# Library dependencies as the program's linked libraries need them
# (dpkg-shlibdeps reads a control file from the folder it runs in).
mkdir -p "$stage/shlibs/debian"
printf 'Source: kestrway\n\nPackage: kestrway\nArchitecture: any\n' >"$stage/shlibs/debian/control"
depends=$(cd "$stage/shlibs" && dpkg-shlibdeps -O -e"$deb_root/usr/games/kestrway" 2>/dev/null |
    sed -n 's/^shlibs:Depends=//p')
[[ -n "$depends" ]] || { echo "package.sh: dpkg-shlibdeps found no dependencies" >&2; exit 1; }

# Fixed modes and dates for everything that goes into either package.
normalise() {  # folder
    chmod -R u=rwX,go=rX "$1"
    find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
}
normalise "$deb_root"
# dpkg counts one KiB per started KiB of each file, and one per folder.
installed_size=$(find "$deb_root" -mindepth 1 -printf '%y %s\n' |
    awk '{ total += ($1 == "f") ? int(($2 + 1023) / 1024) : 1 } END { print total }')
mkdir "$deb_root/DEBIAN"
(cd "$deb_root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$deb_root/DEBIAN/md5sums"
cat >"$deb_root/DEBIAN/control" <<TEXT
Package: kestrway
Version: $version
Architecture: $arch
Maintainer: $kMaintainer
Installed-Size: $installed_size
Depends: $depends
Section: games
Priority: optional
Homepage: $kHomepage
Description: top-down road race with shooting
 Kestrway is a single-player arcade game in a 640x480 window. Your car
 holds its height near the bottom of the screen while the road scrolls
 under it. Race to the end of each stage, shoot the tanks, spare the
 civilian cars, and collect spanners to repair your car; five points of
 damage end the game. It is played with the keyboard alone.
TEXT
normalise "$deb_root/DEBIAN"
deb=$dist/kestrway_${version}_${arch}.deb
rm -f "$deb"
dpkg-deb --root-owner-group -Zxz --build "$deb_root" "$deb" >/dev/null

# --- The tarball: the same program and data in one folder.
name=kestrway-$version
folder=$stage/tar/$name
mkdir -p "$folder"
cp "$deb_root/usr/games/kestrway" "$folder/"
cp -R "$deb_root/usr/share/games/kestrway/." "$folder/"
cp data/fonts/LICENSE.txt "$folder/fonts/"
cp README.md LICENSE "$folder/"
normalise "$folder"
tarball=$dist/$name-linux-$machine.tar.gz
tar --sort=name --owner=0 --group=0 --numeric-owner --format=gnu \
    --mtime="@$SOURCE_DATE_EPOCH" -C "$stage/tar" -cf - "$name" | gzip -9n >"$tarball"

echo "$tarball"
echo "$deb"
