// Builds an icon from the built-in icon pixels.
#include "platform/win32/window_icon.h"

#include <cstring>

#include "platform/app_icon.h"

namespace kestrway {

HICON createWindowIcon() {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = kAppIconSize;
    header.bV5Height = -kAppIconSize;  // top row first, as the pixels are
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    const HBITMAP colour = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&header),
                                            DIB_RGB_COLORS, &bits, nullptr, 0);
    // With an alpha channel the mask is not looked at, but it must exist.
    const HBITMAP mask = CreateBitmap(kAppIconSize, kAppIconSize, 1, 1, nullptr);
    HICON icon = nullptr;
    if (colour != nullptr && mask != nullptr) {
        std::memcpy(bits, kAppIconPixels, sizeof kAppIconPixels);
        ICONINFO info{};
        info.fIcon = TRUE;
        info.hbmMask = mask;
        info.hbmColor = colour;
        icon = CreateIconIndirect(&info);
    }
    // The icon holds copies of both bitmaps.
    if (colour != nullptr) DeleteObject(colour);
    if (mask != nullptr) DeleteObject(mask);
    return icon;
}

}  // namespace kestrway
