// Changed line runs into the window through GDI.
#include "platform/win32/present_lines.h"

#include "platform/screen_device.h"

namespace kestrway {

namespace {

// Sends picture rows first..last, held in `rows` (kScreenWidth pixels each),
// to where they lie in the window.
void sendRows(HDC dc, const PictureFit& picture, int32_t first, int32_t last,
              const uint32_t* rows) {
    // The page's 0xAARRGGBB pixels are a 32-bit BI_RGB picture as they are
    // (the alpha byte is ignored); a negative height puts its top row first.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kScreenWidth;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int32_t lines = last - first + 1;
    info.bmiHeader.biHeight = -lines;
    if (picture.wholeScale == 1) {
        SetDIBitsToDevice(dc, picture.left, picture.top + first, kScreenWidth, lines, 0, 0, 0,
                          static_cast<UINT>(lines), rows, &info, DIB_RGB_COLORS);
    } else {
        const int32_t top = deviceRowOf(picture, first);
        const int32_t bottom = deviceRowOf(picture, last + 1);
        if (bottom <= top) return;  // shown smaller than the picture: these lines cover no row
        StretchDIBits(dc, picture.left, picture.top + top, picture.width, bottom - top, 0, 0,
                      kScreenWidth, lines, rows, &info, DIB_RGB_COLORS, SRCCOPY);
    }
}

// A band of kPausedBandHeight rows from bandTop, each drawn by drawRow over
// the page's row under it, then sent.
template <typename DrawRow>
void presentBand(HDC dc, const PictureFit& picture, int32_t bandTop, PausedBand& band,
                 DrawRow drawRow) {
    if (picture.width <= 0) return;
    const uint32_t* page = screenDevice().work;
    for (int32_t row = 0; row < kPausedBandHeight; ++row) {
        const int32_t line = bandTop + row;
        drawRow(line, page + static_cast<size_t>(line) * kScreenWidth,
                band.pixels.data() + static_cast<size_t>(row) * kScreenWidth);
    }
    sendRows(dc, picture, bandTop, bandTop + kPausedBandHeight - 1, band.pixels.data());
    GdiFlush();
}

}  // namespace

bool presentChangedLines(HDC dc, const PictureFit& picture) {
    const uint32_t* page = screenDevice().work;
    bool sent = false;
    takeChangedLineRuns([&](int32_t first, int32_t last) {
        if (picture.width <= 0) return;  // minimised: sent whole when shown again
        sendRows(dc, picture, first, last, page + static_cast<size_t>(first) * kScreenWidth);
        sent = true;
    });
    // The page may change as soon as the lock is released: nothing of it may
    // wait in GDI's batch.
    GdiFlush();
    return sent;
}

void presentPausedBand(HDC dc, const PictureFit& picture, PausedBand& band) {
    presentBand(dc, picture, kPausedBandTop, band,
                [](int32_t line, const uint32_t* from, uint32_t* to) {
                    drawPausedBandRow(line, from, to);
                });
}

void presentBandLine(HDC dc, const PictureFit& picture, std::string_view word, int32_t bandTop,
                     PausedBand& band) {
    presentBand(dc, picture, bandTop, band,
                [word, bandTop](int32_t line, const uint32_t* from, uint32_t* to) {
                    drawBandRow(word, bandTop, line, from, to);
                });
}

void paintBars(HDC dc, int32_t clientWidth, int32_t clientHeight, const PictureFit& picture) {
    const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const int32_t right = picture.left + picture.width;
    const int32_t bottom = picture.top + picture.height;
    const RECT bars[] = {
        {0, 0, clientWidth, picture.top},
        {0, bottom, clientWidth, clientHeight},
        {0, picture.top, picture.left, bottom},
        {right, picture.top, clientWidth, bottom},
    };
    for (const RECT& bar : bars) {
        if (bar.right > bar.left && bar.bottom > bar.top) FillRect(dc, &bar, black);
    }
}

}  // namespace kestrway
