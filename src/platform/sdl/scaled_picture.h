// The picture scaled by our own code into a window's pixels, for machines
// where no graphics card does it: placed by fitPicture (black bars around
// it), nearest pixel, and only the lines that changed since the last pass are
// drawn and sent. The rows go straight from the screen page into the window:
// at 1:1 one copy per row; at a whole-number scale k each picture row is
// widened once and copied to the k - 1 window rows under it; other sizes
// go through a table of columns, and rows that show the same picture row
// are copies of the first.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/picture_fit.h"
#include "platform/screen.h"

namespace kestrway {

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

    // Draws the screen page's changed lines into the window and clears their
    // flags; all of it, bars included, when `whole` or when the window's size
    // changed. While `pausedLine`, the "Paused" band is drawn over its rows
    // (never into the page); showing or hiding it redraws those rows. The
    // same for the sound line after M while `soundLine` is not empty. Call
    // with screenMutex() held: the page is read here. Returns the window
    // areas written, in `areas_`' first entries.
    std::span<const SDL_Rect> drawChangedLines(const WindowPixels& window, bool pausedLine,
                                               bool whole, std::string_view soundLine = {});

  private:
    const uint32_t* sourceRow(const uint32_t* page, int32_t row);
    void relayout(const WindowPixels& window);
    void drawBars(const WindowPixels& window) const;
    void drawRows(const WindowPixels& window, const uint32_t* page, int32_t first, int32_t last);

    PictureFit fit_;
    bool pausedLine_ = false;
    std::string_view soundLine_;
    // Picture rows still to draw this pass.
    std::array<uint8_t, kScreenHeight> pending_{};
    // One row of the band, made from the page's row under it when drawn.
    std::vector<uint32_t> bandRow_;
    // A picture wider than the screen's, up to four times: rows stretched
    // by the window column each picture column starts at.
    bool stretched_ = false;
    std::array<int32_t, kScreenWidth> columnStarts_{};
    // Any other: the picture column each window column of the picture shows.
    std::vector<uint16_t> sourceColumn_;
    std::array<SDL_Rect, kScreenHeight> areas_{};
};

}  // namespace kestrway
