// Keyed row copies: scalar and SSE2 forms of the transparency rule.
#include "platform/blit_rows.h"

#include "platform/image.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kestrway {

namespace {
constexpr uint32_t kColourBits = 0x00FFFFFF;
}

void copyRowKeyedScalar(uint32_t* destination, const uint32_t* source, int64_t count) {
    for (int64_t i = 0; i < count; ++i) {
        const uint32_t colour = source[i] & kColourBits;
        if (colour != kMaskColour) {
            destination[i] = colour;
        }
    }
}

void copyRowKeyed(uint32_t* destination, const uint32_t* source, int64_t count) {
    int64_t i = 0;
#if defined(__SSE2__)
    // Every lane is stored: masked lanes write back the destination's own
    // pixel, which leaves it unchanged, and no branch is taken per pixel.
    const __m128i colourBits = _mm_set1_epi32(static_cast<int32_t>(kColourBits));
    const __m128i key = _mm_set1_epi32(static_cast<int32_t>(kMaskColour));
    for (; i + 4 <= count; i += 4) {
        const __m128i colour = _mm_and_si128(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i)), colourBits);
        const __m128i below = _mm_loadu_si128(reinterpret_cast<const __m128i*>(destination + i));
        const __m128i keep = _mm_cmpeq_epi32(colour, key);
        const __m128i result =
            _mm_or_si128(_mm_and_si128(keep, below), _mm_andnot_si128(keep, colour));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + i), result);
    }
#endif
    copyRowKeyedScalar(destination + i, source + i, count - i);
}

}  // namespace kestrway
