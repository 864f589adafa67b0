// The picture scaled by our own code into a window's pixels, for machines
// where no graphics card does it: the largest picture of the same shape that
// fits, centred with black bars, nearest pixel, and only the lines that
// changed since the last pass are scaled and sent. At a whole-number scale
// (1280x960, 1920x1440, ...) each picture pixel is written as a run of equal
// pixels and each row copied down, the cheapest case.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/screen.h"

namespace kestrway {

// Where the picture sits in a window of the given size.
struct PictureLayout {
    int32_t windowWidth = 0;
    int32_t windowHeight = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const PictureLayout&) const = default;
};
PictureLayout layoutPicture(int32_t windowWidth, int32_t windowHeight);

// A window's pixels as 0x00RRGGBB words, `pitch` words from one row to the
// next.
struct WindowPixels {
    uint32_t* pixels = nullptr;
    int32_t pitch = 0;
    int32_t width = 0;
    int32_t height = 0;
};

class ScaledPicture {
  public:
    ScaledPicture();

    // Copies the screen page's changed lines and clears their flags. Call
    // with screenMutex() held; true when any line was copied.
    bool copyChangedLines();
    // The "Paused" line over the picture, or not; a change redraws its rows.
    void setPausedLine(bool shown);
    // Scales the rows copied since the last draw into the window (all of it,
    // bars included, when `whole` or when the window's size changed) and
    // returns the window areas written, at most kScreenHeight of them, in
    // `areas`' first entries.
    std::span<const SDL_Rect> draw(const WindowPixels& window, bool whole);

  private:
    const uint32_t* sourceRow(int32_t row) const;
    void relayout(const WindowPixels& window);
    void buildBandRow(int32_t row);
    void scaleRows(const WindowPixels& window, int32_t first, int32_t last);

    std::vector<uint32_t> picture_;
    std::vector<uint32_t> band_;
    std::array<uint8_t, kScreenHeight> pending_{};
    bool pausedLine_ = false;
    PictureLayout layout_;
    // The picture column each window column of the picture shows.
    std::vector<uint16_t> sourceColumn_;
    std::array<SDL_Rect, kScreenHeight> areas_{};
};

}  // namespace kestrway
