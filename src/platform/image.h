// Pictures in memory (Image), BMP loading into them, and copying them onto
// the screen opaque, keyed on the mask colour, or as font text.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "platform/error_code.h"

namespace kestrway {

// Pixels whose low 24 bits are this are transparent, whatever their alpha.
constexpr uint32_t kMaskColour = 0xFF00FF;
// createImage's fill when none is given.
constexpr uint32_t kDefaultImageFill = 0xFFFF00FF;
constexpr uint32_t kImageType = 7;

// The 32 bytes in front of an Image's pixel rows.
struct ImageHeader {
    uint32_t type;
    uint32_t bytesPerPixel;
    uint32_t width;
    uint32_t height;
    uint32_t pitch;  // bytes per row: width x 4 rounded up to a multiple of 16
    uint8_t reserved[12];
};
static_assert(sizeof(ImageHeader) == 32);

// One 16-byte aligned block: the header, then height rows of pitch bytes.
struct alignas(16) Image {
    ImageHeader header;
    uint8_t* pixelArea() { return reinterpret_cast<uint8_t*>(this) + sizeof(ImageHeader); }
    const uint8_t* pixelArea() const {
        return reinterpret_cast<const uint8_t*>(this) + sizeof(ImageHeader);
    }
    uint32_t* row(int32_t y) { return reinterpret_cast<uint32_t*>(pixelArea() + y * header.pitch); }
    const uint32_t* row(int32_t y) const {
        return reinterpret_cast<const uint32_t*>(pixelArea() + y * header.pitch);
    }
};

struct ImageFree {
    void operator()(Image* image) const;
};
using ImagePtr = std::unique_ptr<Image, ImageFree>;

struct ImageInfo {
    int32_t width = -1;
    int32_t height = -1;
    int32_t bytesPerPixel = -1;
    int32_t pitch = -1;
    uint8_t* pixels = nullptr;
    int64_t sizeBytes = -1;  // pitch x height + 32
};

// A new image with every pixel (row-end spares included) set to fill; null
// before the screen is open, for sizes below 1 or when memory runs out.
ImagePtr createImage(int32_t width, int32_t height, std::optional<uint32_t> fill = std::nullopt,
                     ErrorCode* result = nullptr);
ErrorCode imageInfo(const Image* image, ImageInfo& info);
// Reads a BMP file into an existing image without changing its size.
ErrorCode loadBitmap(std::string_view fileName, Image* image);
// The same from bytes already in memory (the file loader and the fuzzer).
ErrorCode loadBitmapBytes(std::span<const uint8_t> file, Image* image);
ErrorCode blit(float x, float y, const Image* image);
ErrorCode blitTransparent(float x, float y, const Image* image);
ErrorCode drawFontText(float x, float y, std::string_view text, const Image* fontImage);

}  // namespace kestrway
