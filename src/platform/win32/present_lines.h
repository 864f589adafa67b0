// The presenter's picture work for one pass: the screen's changed line runs
// copied into the window, scaled to where the picture lies in it.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/paused_band.h"
#include "platform/picture_fit.h"

namespace kestrway {

// Copies every run of changed lines of the screen's page and clears their
// flags. Presenter thread, with screenMutex() held: the copy reads the page
// the game draws on. True when any line was sent.
bool presentChangedLines(HDC dc, const PictureFit& picture);

// The "Paused" band's pixels, made from the page's rows under it.
struct PausedBand {
    std::array<uint32_t, static_cast<size_t>(kScreenWidth) * kPausedBandHeight> pixels{};
};
// Draws the band over the picture's middle rows. Presenter thread, with
// screenMutex() held (it reads the page under the band).
void presentPausedBand(HDC dc, const PictureFit& picture, PausedBand& band);
// The same band with another word whose top row is bandTop (the sound line).
void presentBandLine(HDC dc, const PictureFit& picture, std::string_view word, int32_t bandTop,
                     PausedBand& band);

// Fills the parts of the client area the picture leaves free with black.
void paintBars(HDC dc, int32_t clientWidth, int32_t clientHeight, const PictureFit& picture);

}  // namespace kestrway
