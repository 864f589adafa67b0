// Changed line runs into the window through GDI.
#include "platform/win32/present_lines.h"

#include "platform/screen_device.h"

namespace kestrway {

void presentChangedLines(HDC dc, const PictureRect& picture) {
    const uint32_t* page = screenDevice().work;
    // The page's 0xAARRGGBB pixels are a 32-bit BI_RGB picture as they are
    // (the alpha byte is ignored); a negative height puts its top row first.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kScreenWidth;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const bool unscaled = picture.width == kScreenWidth && picture.height == kScreenHeight;
    takeChangedLineRuns([&](int32_t first, int32_t last) {
        if (picture.width <= 0) return;  // minimised: sent whole when shown again
        const int32_t lines = last - first + 1;
        info.bmiHeader.biHeight = -lines;
        const uint32_t* run = page + static_cast<size_t>(first) * kScreenWidth;
        if (unscaled) {
            SetDIBitsToDevice(dc, picture.x, picture.y + first, kScreenWidth, lines, 0, 0, 0,
                              static_cast<UINT>(lines), run, &info, DIB_RGB_COLORS);
        } else {
            const WindowRows rows = windowRowsFor(picture, first, last);
            StretchDIBits(dc, picture.x, rows.top, picture.width, rows.bottom - rows.top, 0, 0,
                          kScreenWidth, lines, run, &info, DIB_RGB_COLORS, SRCCOPY);
        }
    });
    // The page may change as soon as the lock is released: nothing of it may
    // wait in GDI's batch.
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
