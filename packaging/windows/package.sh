#!/usr/bin/env bash
# Makes <dist-dir>/kestrway-<version>-windows-x64.zip: one folder holding
# kestrway.exe (cross-built with MinGW-w64; it needs no DLL beyond Windows'
# own), its gfx\, fonts\, map\, sfx\ and demo\ folders, README.txt and LICENSE.txt.
#   packaging/windows/package.sh <version> <dist-dir>
set -euo pipefail
source "$(dirname "$0")/../package_args.sh"

cmake --preset windows >/dev/null
cmake --build build/windows --target kestrway_win32 >/dev/null
name=kestrway-${version}-windows-x64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp build/windows/kestrway.exe "$stage/$name/"
cp -r data/gfx data/fonts data/map data/sfx data/demo "$stage/$name/"
# Windows' Notepad wants CR LF line ends.
sed 's/$/\r/' LICENSE >"$stage/$name/LICENSE.txt"
sed 's/$/\r/' >"$stage/$name/README.txt" <<TEXT
Kestrway ${version} for Windows (64-bit)

Run kestrway.exe. Keep it beside its gfx, fonts, map, sfx and demo folders:
the game reads its pictures, font, maps, sounds and title-screen demo from
there. It needs no installation and writes nothing.

The game
  A top-down road race with shooting: race to the end of each stage.
  - Gain 10 points for each enemy tank you destroy; lose 10 for any
    civilian car you shoot.
  - Trees, gun towers and other vehicles stop your car and damage it; so
    do the tanks' rockets and the towers' rounds. A stopped car must be
    put in gear again to move off.
  - On water the car becomes a boat and cannot use top gear.
  - A spanner repairs one point of damage, or gives 20 points when the
    car is undamaged. Five points of damage end the game.
  - The stage bonus counts down from 200 and is added to your score at
    the finish line. The high score lasts as long as the program runs.

Keys
  Up / Down        change gear (two reverse, stop, three forward)
  Left / Right     steer (only while moving)
  Space            fire; on the still screens, continue
  Escape           back to the title screen; on the title screen, quit
  P, Pause         pause and resume play (play also pauses while away)
  M                sound off and on (kestrway.exe --mute starts with it off)
  F11, Alt+Enter   toggle fullscreen
  The keypad's arrows work as the arrow keys.

Gamepads
  Xbox-type pads work through XInput, beside the keyboard, plugged in at
  any time: D-pad or left stick for the arrows, A or the right trigger
  for Space, Back for Escape, Start to pause (on the still screens:
  continue). B does nothing. A pad rumbles when the car is hit.

Licences
  Kestrway is free software under the MIT licence: see LICENSE.txt.
  The font pictures were rendered from the DejaVu fonts: see
  fonts\\LICENSE.txt for their licence.
TEXT
# Fixed dates, a sorted file list and no extra attributes: the same build
# gives the same zip.
find "$stage/$name" -exec touch -d '2000-01-01 00:00:00 UTC' {} +
rm -f "$dist/$name.zip"
(cd "$stage" && find "$name" | LC_ALL=C sort | zip -q -X -@ "$dist/$name.zip")
echo "$dist/$name.zip"
