// Row kernels shared by the image copies: keyed copies that skip mask-colour
// pixels and write the others with alpha 0. Inline so each copy's row loop
// gets them without a call per row, and with the row length known for the
// common sprite and tile widths.
#pragma once

#include <cstdint>

#include "platform/image.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kestrway {

constexpr uint32_t kColourBits = 0x00FFFFFF;

// The one-pixel rule, for reference and for row tails.
inline void copyRowKeyedScalar(uint32_t* destination, const uint32_t* source, int64_t count) {
    for (int64_t i = 0; i < count; ++i) {
        const uint32_t colour = source[i] & kColourBits;
        if (colour != kMaskColour) {
            destination[i] = colour;
        }
    }
}

#if defined(__SSE2__)
// Four pixels by the rule: colours in, destination lanes kept where the
// source is the mask colour.
inline void blendFourKeyed(uint32_t* destination, __m128i colour, __m128i keep) {
    const __m128i below = _mm_loadu_si128(reinterpret_cast<const __m128i*>(destination));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(destination),
                     _mm_or_si128(_mm_and_si128(keep, below), _mm_andnot_si128(keep, colour)));
}

inline void copyFourKeyed(uint32_t* destination, __m128i colour, __m128i keep, int keptLanes) {
    // Sprites are mostly runs of solid or of transparent pixels: those need
    // no look at the destination at all.
    if (keptLanes == 0) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(destination), colour);
    } else if (keptLanes != 0xF) {
        blendFourKeyed(destination, colour, keep);
    }
}
#endif

// The same result as the scalar rule, eight and then four pixels at a time
// where SSE2 is available.
inline void copyRowKeyed(uint32_t* destination, const uint32_t* source, int64_t count) {
    int64_t i = 0;
#if defined(__SSE2__)
    const __m128i colourBits = _mm_set1_epi32(static_cast<int32_t>(kColourBits));
    const __m128i key = _mm_set1_epi32(static_cast<int32_t>(kMaskColour));
    auto colourAt = [&](int64_t at) {
        return _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(source + at)),
                             colourBits);
    };
    auto lanes = [](__m128i keep) { return _mm_movemask_ps(_mm_castsi128_ps(keep)); };
    // Rows of the common widths are short and of known length: unrolled,
    // they run without loop overhead at -O2 as well.
#pragma GCC unroll 4
    for (; i + 8 <= count; i += 8) {
        const __m128i low = colourAt(i);
        const __m128i high = colourAt(i + 4);
        const __m128i keepLow = _mm_cmpeq_epi32(low, key);
        const __m128i keepHigh = _mm_cmpeq_epi32(high, key);
        const int kept = lanes(keepLow) | lanes(keepHigh) << 4;
        if (kept == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + i), low);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + i + 4), high);
        } else if (kept != 0xFF) {
            blendFourKeyed(destination + i, low, keepLow);
            blendFourKeyed(destination + i + 4, high, keepHigh);
        }
    }
    for (; i + 4 <= count; i += 4) {
        const __m128i colour = colourAt(i);
        const __m128i keep = _mm_cmpeq_epi32(colour, key);
        copyFourKeyed(destination + i, colour, keep, lanes(keep));
    }
#endif
    copyRowKeyedScalar(destination + i, source + i, count - i);
}

}  // namespace kestrway
