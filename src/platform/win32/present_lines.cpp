// Changed line runs into the window through GDI.
#include "platform/win32/present_lines.h"

#include "platform/screen_device.h"

namespace kestrway {

namespace {

// Sends picture rows first..last, held in `rows` (kScreenWidth pixels each),
// to where they lie in the window.
void sendRows(HDC dc, const PictureRect& picture, int32_t first, int32_t last,
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
    if (picture.width == kScreenWidth && picture.height == kScreenHeight) {
        SetDIBitsToDevice(dc, picture.x, picture.y + first, kScreenWidth, lines, 0, 0, 0,
                          static_cast<UINT>(lines), rows, &info, DIB_RGB_COLORS);
    } else {
        const WindowRows window = windowRowsFor(picture, first, last);
        StretchDIBits(dc, picture.x, window.top, picture.width, window.bottom - window.top, 0, 0,
                      kScreenWidth, lines, rows, &info, DIB_RGB_COLORS, SRCCOPY);
    }
}

}  // namespace

bool presentChangedLines(HDC dc, const PictureRect& picture) {
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

void presentPausedBand(HDC dc, const PictureRect& picture, PausedBand& band) {
    if (picture.width <= 0) return;
    const uint32_t* page = screenDevice().work;
    for (int32_t row = 0; row < kPausedBandHeight; ++row) {
        const int32_t line = kPausedBandTop + row;
        drawPausedBandRow(line, page + static_cast<size_t>(line) * kScreenWidth,
                          band.pixels.data() + static_cast<size_t>(row) * kScreenWidth);
    }
    sendRows(dc, picture, kPausedBandTop, kPausedBandTop + kPausedBandHeight - 1,
             band.pixels.data());
    GdiFlush();
}

void paintBars(HDC dc, int32_t clientWidth, int32_t clientHeight, const PictureRect& picture) {
    const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const RECT bars[] = {
        {0, 0, clientWidth, picture.y},
        {0, picture.y + picture.height, clientWidth, clientHeight},
        {0, picture.y, picture.x, picture.y + picture.height},
        {picture.x + picture.width, picture.y, clientWidth, picture.y + picture.height},
    };
    for (const RECT& bar : bars) {
        if (bar.right > bar.left && bar.bottom > bar.top) FillRect(dc, &bar, black);
    }
}

}  // namespace kestrway
