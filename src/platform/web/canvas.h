// The page's 640x480 canvas, drawn with putImageData from an image whose
// pixels live in the program's own memory, so a pass converts changed lines
// in place and the browser copies only those rows.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrway::web {

// Binds the page's canvas to the image; the whole picture must be sent next.
void openCanvas();
// Converts lines first..last of the screen page into the image and puts them.
void putScreenLines(const uint32_t* page, int32_t first, int32_t last);
// Shows or hides the page's "Paused" line over the canvas; the canvas's
// pixels stay the game's.
void showPausedLine(bool shown);
// Shows the short "Sound off"/"Sound on" line over the canvas, or hides it
// (empty).
void showSoundLine(std::string_view line);
// The page's title (the game's titles are Latin-1 bytes).
void setPageTitle(std::string_view title);
// Tells the page the game has ended with this exit code.
void announceEnd(int32_t exitCode);

}  // namespace kestrway::web
