// The demo's line, under the HUD column.
#include "ui/demo_line.h"

#include "platform/screen.h"

namespace kestrway {

namespace {

constexpr uint32_t kDemoYellow = 0xFFFFFF00;
constexpr uint32_t kKeepBackground = 2;
constexpr float kColumnX = 528;
constexpr float kLineY = 176;

bool gShown = false;

}  // namespace

void showDemoLine(bool shown) {
    gShown = shown;
}

void drawDemoLine() {
    if (!gShown) return;
    const uint32_t previous = setColors(kDemoYellow, 0, kKeepBackground);
    drawText(kColumnX, kLineY, "Demo");
    setColors(previous, 0, kKeepBackground);
}

}  // namespace kestrway
