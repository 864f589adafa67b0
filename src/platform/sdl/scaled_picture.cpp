// Our own nearest-pixel scaler of the picture into a window's pixels.
#include "platform/sdl/scaled_picture.h"

#include <algorithm>
#include <cstring>

#include "platform/paused_band.h"
#include "platform/screen_device.h"

namespace kestrway {
namespace {

constexpr size_t kPicturePixels = static_cast<size_t>(kScreenWidth) * kScreenHeight;
constexpr size_t kRowBytes = static_cast<size_t>(kScreenWidth) * sizeof(uint32_t);

bool inBand(int32_t row) {
    return row >= kPausedBandTop && row < kPausedBandTop + kPausedBandHeight;
}

// The first window row of the picture showing picture row `row` or a later
// one (rows of a picture shown `height` rows tall).
int32_t firstWindowRow(int32_t row, int32_t height) {
    return static_cast<int32_t>((int64_t{row} * height + kScreenHeight - 1) / kScreenHeight);
}

void fillRect(const WindowPixels& window, int32_t x, int32_t y, int32_t width, int32_t height) {
    for (int32_t row = y; row < y + height; ++row) {
        std::fill_n(window.pixels + static_cast<size_t>(row) * static_cast<size_t>(window.pitch) +
                        static_cast<size_t>(x),
                    width, 0u);
    }
}

}  // namespace

PictureLayout layoutPicture(int32_t windowWidth, int32_t windowHeight) {
    // The largest picture of the same shape that fits, as SDL's renderers and
    // the other platforms show it, so the picture is the same size whichever
    // way it is drawn.
    PictureLayout layout{windowWidth, windowHeight, 0, 0, 0, 0};
    if (int64_t{windowWidth} * kScreenHeight <= int64_t{windowHeight} * kScreenWidth) {
        layout.width = windowWidth;
        layout.height = static_cast<int32_t>(int64_t{windowWidth} * kScreenHeight / kScreenWidth);
    } else {
        layout.height = windowHeight;
        layout.width = static_cast<int32_t>(int64_t{windowHeight} * kScreenWidth / kScreenHeight);
    }
    layout.width = std::max(layout.width, 0);
    layout.height = std::max(layout.height, 0);
    layout.left = (windowWidth - layout.width) / 2;
    layout.top = (windowHeight - layout.height) / 2;
    return layout;
}

ScaledPicture::ScaledPicture()
    : picture_(kPicturePixels, 0u),
      band_(static_cast<size_t>(kScreenWidth) * kPausedBandHeight, 0u) {
    pending_.fill(1);
}

bool ScaledPicture::copyChangedLines() {
    const uint32_t* page = screenDevice().work;
    bool copied = false;
    takeChangedLineRuns([&](int32_t first, int32_t last) {
        const size_t offset = static_cast<size_t>(first) * kScreenWidth;
        std::memcpy(picture_.data() + offset, page + offset,
                    static_cast<size_t>(last - first + 1) * kRowBytes);
        std::fill(pending_.begin() + first, pending_.begin() + last + 1, uint8_t{1});
        copied = true;
    });
    return copied;
}

void ScaledPicture::setPausedLine(bool shown) {
    if (shown == pausedLine_) return;
    pausedLine_ = shown;
    std::fill_n(pending_.begin() + kPausedBandTop, kPausedBandHeight, uint8_t{1});
}

const uint32_t* ScaledPicture::sourceRow(int32_t row) const {
    if (pausedLine_ && inBand(row)) {
        return band_.data() + static_cast<size_t>(row - kPausedBandTop) * kScreenWidth;
    }
    return picture_.data() + static_cast<size_t>(row) * kScreenWidth;
}

void ScaledPicture::buildBandRow(int32_t row) {
    drawPausedBandRow(row, picture_.data() + static_cast<size_t>(row) * kScreenWidth,
                      band_.data() + static_cast<size_t>(row - kPausedBandTop) * kScreenWidth);
}

void ScaledPicture::relayout(const WindowPixels& window) {
    layout_ = layoutPicture(window.width, window.height);
    // Only when the window's size changes, never in an ordinary pass.
    sourceColumn_.resize(static_cast<size_t>(layout_.width));
    for (int32_t x = 0; x < layout_.width; ++x) {
        sourceColumn_[static_cast<size_t>(x)] =
            static_cast<uint16_t>(int64_t{x} * kScreenWidth / layout_.width);
    }
}

void ScaledPicture::scaleRows(const WindowPixels& window, int32_t first, int32_t last) {
    const int32_t scale = layout_.width / kScreenWidth;
    const bool wholeNumber = scale > 0 && layout_.width == kScreenWidth * scale;
    const int32_t end = firstWindowRow(last + 1, layout_.height);
    const uint32_t* previous = nullptr;
    int32_t previousSource = -1;
    for (int32_t y = firstWindowRow(first, layout_.height); y < end; ++y) {
        const auto source = static_cast<int32_t>(int64_t{y} * kScreenHeight / layout_.height);
        uint32_t* to = window.pixels +
                       static_cast<size_t>(layout_.top + y) * static_cast<size_t>(window.pitch) +
                       static_cast<size_t>(layout_.left);
        if (source == previousSource) {
            std::memcpy(to, previous, static_cast<size_t>(layout_.width) * sizeof(uint32_t));
        } else if (wholeNumber) {
            const uint32_t* from = sourceRow(source);
            for (int32_t x = 0; x < kScreenWidth; ++x) {
                std::fill_n(to + static_cast<size_t>(x) * static_cast<size_t>(scale), scale,
                            from[x]);
            }
        } else {
            const uint32_t* from = sourceRow(source);
            for (int32_t x = 0; x < layout_.width; ++x) {
                to[x] = from[sourceColumn_[static_cast<size_t>(x)]];
            }
        }
        previous = to;
        previousSource = source;
    }
}

std::span<const SDL_Rect> ScaledPicture::draw(const WindowPixels& window, bool whole) {
    if (layoutPicture(window.width, window.height) != layout_) {
        relayout(window);
        whole = true;
    }
    if (whole) {
        pending_.fill(1);
        // The bars around the picture.
        const int32_t right = layout_.left + layout_.width;
        const int32_t bottom = layout_.top + layout_.height;
        fillRect(window, 0, 0, window.width, layout_.top);
        fillRect(window, 0, bottom, window.width, window.height - bottom);
        fillRect(window, 0, layout_.top, layout_.left, layout_.height);
        fillRect(window, right, layout_.top, window.width - right, layout_.height);
    }
    if (pausedLine_) {
        for (int32_t row = kPausedBandTop; row < kPausedBandTop + kPausedBandHeight; ++row) {
            if (pending_[static_cast<size_t>(row)] != 0) buildBandRow(row);
        }
    }
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
        scaleRows(window, first, row - 1);
        const int32_t top = firstWindowRow(first, layout_.height);
        const int32_t bottom = firstWindowRow(row, layout_.height);
        if (bottom > top && layout_.width > 0) {
            areas_[areaCount++] =
                SDL_Rect{layout_.left, layout_.top + top, layout_.width, bottom - top};
        }
    }
    if (whole) {
        areas_[0] = SDL_Rect{0, 0, window.width, window.height};
        areaCount = 1;
    }
    return {areas_.data(), areaCount};
}

}  // namespace kestrway
