// The program's icon as pixels, for window layers that show it in a title
// bar, taskbar or window switcher. Drawn by the data generator from the same
// shapes as the icon the desktop installs.
#pragma once

#include <cstdint>

namespace kestrway {

constexpr int32_t kAppIconSize = 64;
// kAppIconSize x kAppIconSize pixels, 0xAARRGGBB, top row first.
extern const uint32_t kAppIconPixels[kAppIconSize * kAppIconSize];

}  // namespace kestrway
