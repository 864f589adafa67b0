// Row kernels shared by the image copies: keyed copies that skip mask-colour
// pixels and write the others with alpha 0.
#pragma once

#include <cstdint>

namespace kestrway {

// The one-pixel rule, for reference and for row tails.
void copyRowKeyedScalar(uint32_t* destination, const uint32_t* source, int64_t count);
// The same result, four pixels at a time where SSE2 is available.
void copyRowKeyed(uint32_t* destination, const uint32_t* source, int64_t count);

}  // namespace kestrway
