// Creating, describing and freeing Images: one 16-byte aligned block holding
// the header and the pixel rows.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>

#include "platform/image.h"
#include "platform/screen_device.h"

namespace kestrway {

namespace {

constexpr std::align_val_t kImageAlignment{alignof(Image)};
constexpr uint32_t kBytesPerPixel = 4;
// Image::row and ImageInfo use 32-bit sizes, so the pixel area must stay
// below 2 GiB; anything larger is treated as memory we cannot have.
constexpr uint64_t kMaxPixelAreaBytes = 0x7FFFFFFFull;

}  // namespace

void ImageFree::operator()(Image* image) const {
    if (image != nullptr) {
        ::operator delete(image, kImageAlignment);
    }
}

ImagePtr createImage(int32_t width, int32_t height, std::optional<uint32_t> fill,
                     ErrorCode* result) {
    auto answer = [result](ErrorCode code) {
        if (result != nullptr) {
            *result = code;
        }
        return ImagePtr{};
    };
    if (!screenDevice().open || width < 1 || height < 1) {
        return answer(ErrorCode::kIllegalCall);
    }
    const uint64_t pitch = (static_cast<uint64_t>(width) * kBytesPerPixel + 15) & ~uint64_t{15};
    const uint64_t areaBytes = pitch * static_cast<uint64_t>(height);
    if (areaBytes > kMaxPixelAreaBytes) {
        return answer(ErrorCode::kOutOfMemory);
    }
    void* block = ::operator new(sizeof(ImageHeader) + static_cast<size_t>(areaBytes),
                                 kImageAlignment, std::nothrow);
    if (block == nullptr) {
        return answer(ErrorCode::kOutOfMemory);
    }
    ImagePtr image{new (block) Image{}};
    image->header.type = kImageType;
    image->header.bytesPerPixel = kBytesPerPixel;
    image->header.width = static_cast<uint32_t>(width);
    image->header.height = static_cast<uint32_t>(height);
    image->header.pitch = static_cast<uint32_t>(pitch);
    auto* pixels = reinterpret_cast<uint32_t*>(image->pixelArea());
    std::fill_n(pixels, areaBytes / kBytesPerPixel, fill.value_or(kDefaultImageFill));
    if (result != nullptr) {
        *result = ErrorCode::kOk;
    }
    return image;
}

ErrorCode imageInfo(const Image* image, ImageInfo& info) {
    info = ImageInfo{};
    if (image == nullptr) {
        return ErrorCode::kIllegalCall;
    }
    const ImageHeader& header = image->header;
    info.width = static_cast<int32_t>(header.width);
    info.height = static_cast<int32_t>(header.height);
    info.bytesPerPixel = static_cast<int32_t>(header.bytesPerPixel);
    info.pitch = static_cast<int32_t>(header.pitch);
    info.pixels = const_cast<uint8_t*>(image->pixelArea());
    info.sizeBytes = static_cast<int64_t>(header.pitch) * header.height + sizeof(ImageHeader);
    return ErrorCode::kOk;
}

}  // namespace kestrway
