// Our own nearest-pixel scaler of the picture into a window's pixels.
#include "platform/sdl/scaled_picture.h"

#include <algorithm>
#include <cstring>

#include "platform/paused_band.h"
#include "platform/screen_device.h"

namespace kestrway {
namespace {

constexpr size_t kRowBytes = static_cast<size_t>(kScreenWidth) * sizeof(uint32_t);

bool inBand(int32_t row, int32_t bandTop = kPausedBandTop) {
    return row >= bandTop && row < bandTop + kPausedBandHeight;
}

uint32_t* windowRow(const WindowPixels& window, int32_t y) {
    return window.pixels + static_cast<size_t>(y) * static_cast<size_t>(window.pitch);
}

void fillRect(const WindowPixels& window, int32_t x, int32_t y, int32_t width, int32_t height) {
    if (width <= 0) return;
    for (int32_t row = y; row < y + height; ++row) {
        std::fill_n(windowRow(window, row) + x, width, 0u);
    }
}

// Each picture pixel as `Scale` equal window pixels; a fixed scale lets the
// compiler write whole vectors of them.
template <int32_t Scale>
void widenBy(const uint32_t* from, uint32_t* to) {
    for (int32_t x = 0; x < kScreenWidth; ++x) {
        for (int32_t copy = 0; copy < Scale; ++copy) to[x * Scale + copy] = from[x];
    }
}

void widen(const uint32_t* from, uint32_t* to, int32_t scale) {
    switch (scale) {
        case 2:
            widenBy<2>(from, to);
            return;
        case 3:
            widenBy<3>(from, to);
            return;
        case 4:
            widenBy<4>(from, to);
            return;
        default:
            for (int32_t x = 0; x < kScreenWidth; ++x) {
                std::fill_n(to + static_cast<size_t>(x) * static_cast<size_t>(scale), scale,
                            from[x]);
            }
    }
}

// Picture columns whose runs the stretch below may write as four pixels.
constexpr int32_t kStretchRun = 4;

// A picture row stretched into a window row wider than the picture, where
// picture column x starts at window column `starts[x]` and no run is longer
// than kStretchRun. Each column is written as kStretchRun pixels in one
// store, no matter its run, and the columns after it overwrite the extra
// ones: one store per picture pixel, and no store's place waits on another.
// The last columns, which have nothing after them to overwrite their extra
// pixels, are written exactly.
void stretchRow(const uint32_t* __restrict from, uint32_t* __restrict to,
                const int32_t* __restrict starts, int32_t width) {
    constexpr int32_t kExact = kScreenWidth - kStretchRun;
    for (int32_t x = 0; x < kExact; ++x) {
        const uint32_t pixel = from[x];
        const uint32_t run[kStretchRun] = {pixel, pixel, pixel, pixel};
        std::memcpy(to + starts[x], run, sizeof run);
    }
    for (int32_t x = kExact; x < kScreenWidth; ++x) {
        const int32_t end = x + 1 < kScreenWidth ? starts[x + 1] : width;
        std::fill(to + starts[x], to + end, from[x]);
    }
}

}  // namespace

ScaledPicture::ScaledPicture() : bandRow_(kScreenWidth, 0u) {
    pending_.fill(1);
}

const uint32_t* ScaledPicture::sourceRow(const uint32_t* page, int32_t row) {
    const uint32_t* pageRow = page + static_cast<size_t>(row) * kScreenWidth;
    if (pausedLine_ && inBand(row)) {
        drawPausedBandRow(row, pageRow, bandRow_.data());
    } else if (!soundLine_.empty() && inBand(row, kSoundBandTop)) {
        drawBandRow(soundLine_, kSoundBandTop, row, pageRow, bandRow_.data());
    } else {
        return pageRow;
    }
    return bandRow_.data();
}

void ScaledPicture::relayout(const WindowPixels& window) {
    fit_ = fitPicture(window.width, window.height);
    // Only when the window's size changes, never in an ordinary pass. A
    // picture up to four times as wide as the screen's is stretched by runs
    // (every run is then at least one pixel and at most four); others pick
    // their columns.
    stretched_ = fit_.width > kScreenWidth && fit_.width <= kStretchRun * kScreenWidth;
    for (int32_t x = 0; x < kScreenWidth; ++x) {
        columnStarts_[static_cast<size_t>(x)] = deviceColumnOf(fit_, x);
    }
    sourceColumn_.resize(stretched_ ? 0 : static_cast<size_t>(fit_.width));
    for (size_t x = 0; x < sourceColumn_.size(); ++x) {
        sourceColumn_[x] = static_cast<uint16_t>(pictureColumnAt(fit_, static_cast<int32_t>(x)));
    }
}

void ScaledPicture::drawBars(const WindowPixels& window) const {
    const int32_t right = fit_.left + fit_.width;
    const int32_t bottom = fit_.top + fit_.height;
    fillRect(window, 0, 0, window.width, fit_.top);
    fillRect(window, 0, bottom, window.width, window.height - bottom);
    fillRect(window, 0, fit_.top, fit_.left, fit_.height);
    fillRect(window, right, fit_.top, window.width - right, fit_.height);
}

void ScaledPicture::drawRows(const WindowPixels& window, const uint32_t* page, int32_t first,
                             int32_t last) {
    const auto pictureRow = [&](int32_t y) { return windowRow(window, fit_.top + y) + fit_.left; };
    const size_t widthBytes = static_cast<size_t>(fit_.width) * sizeof(uint32_t);
    const int32_t scale = fit_.wholeScale;
    if (scale == 1) {
        for (int32_t row = first; row <= last; ++row) {
            std::memcpy(pictureRow(row), sourceRow(page, row), kRowBytes);
        }
    } else if (scale > 1) {
        for (int32_t row = first; row <= last; ++row) {
            uint32_t* widened = pictureRow(row * scale);
            widen(sourceRow(page, row), widened, scale);
            for (int32_t copy = 1; copy < scale; ++copy) {
                std::memcpy(pictureRow(row * scale + copy), widened, widthBytes);
            }
        }
    } else {
        const int32_t end = deviceRowOf(fit_, last + 1);
        int32_t previousSource = -1;
        for (int32_t y = deviceRowOf(fit_, first); y < end; ++y) {
            const int32_t source = pictureRowAt(fit_, y);
            uint32_t* to = pictureRow(y);
            if (source == previousSource) {
                std::memcpy(to, pictureRow(y - 1), widthBytes);
                continue;
            }
            const uint32_t* from = sourceRow(page, source);
            if (stretched_) {
                stretchRow(from, to, columnStarts_.data(), fit_.width);
            } else {
                for (int32_t x = 0; x < fit_.width; ++x) {
                    to[x] = from[sourceColumn_[static_cast<size_t>(x)]];
                }
            }
            previousSource = source;
        }
    }
}

std::span<const SDL_Rect> ScaledPicture::drawChangedLines(const WindowPixels& window,
                                                          bool pausedLine, bool whole,
                                                          std::string_view soundLine) {
    if (fitPicture(window.width, window.height) != fit_) {
        relayout(window);
        whole = true;
    }
    if (pausedLine != pausedLine_) {
        pausedLine_ = pausedLine;
        std::fill_n(pending_.begin() + kPausedBandTop, kPausedBandHeight, uint8_t{1});
    }
    if (soundLine != soundLine_) {
        soundLine_ = soundLine;
        std::fill_n(pending_.begin() + kSoundBandTop, kPausedBandHeight, uint8_t{1});
    }
    takeChangedLineRuns([&](int32_t first, int32_t last) {
        std::fill(pending_.begin() + first, pending_.begin() + last + 1, uint8_t{1});
    });
    if (whole) {
        pending_.fill(1);
        drawBars(window);
    }
    const uint32_t* page = screenDevice().work;
    size_t areaCount = 0;
    int32_t row = 0;
    while (row < kScreenHeight) {
        if (pending_[static_cast<size_t>(row)] == 0) {
            ++row;
            continue;
        }
        const int32_t first = row;
        while (row < kScreenHeight && pending_[static_cast<size_t>(row)] != 0) {
            pending_[static_cast<size_t>(row)] = 0;
            ++row;
        }
        drawRows(window, page, first, row - 1);
        const int32_t top = deviceRowOf(fit_, first);
        const int32_t bottom = deviceRowOf(fit_, row);
        if (bottom > top && fit_.width > 0) {
            areas_[areaCount++] = SDL_Rect{fit_.left, fit_.top + top, fit_.width, bottom - top};
        }
    }
    if (whole) {
        areas_[0] = SDL_Rect{0, 0, window.width, window.height};
        areaCount = 1;
    }
    return {areas_.data(), areaCount};
}

}  // namespace kestrway
