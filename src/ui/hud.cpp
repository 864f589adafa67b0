// The HUD column to the right of the road.
#include "ui/hud.h"

#include "platform/screen.h"
#include "ui/decimal.h"

namespace kestrway {

namespace {

constexpr uint32_t kLabelGreen = 0xFF00FF00;
constexpr uint32_t kWarningRed = 0xFFFF0000;
constexpr uint32_t kValueWhite = 0xFFFFFFFF;
constexpr uint32_t kKeepBackground = 2;
constexpr float kColumnX = 528;
constexpr int32_t kRedDamageLevel = 3;

// Each of blue, green and red halved (rounded down); alpha kept. Built for
// AVX2 as well, chosen at run time, so the pass runs at memory speed.
__attribute__((target_clones("avx2", "default"))) void halveColours(uint32_t* row, int32_t count) {
    for (int32_t x = 0; x < count; ++x) {
        const uint32_t p = row[x];
        row[x] = (p & 0xFF000000u) | ((p >> 1) & 0x007F7F7Fu);
    }
}

}  // namespace

void drawHud(const GameState& game) {
    setColors(kLabelGreen, 0, kKeepBackground);
    drawText(kColumnX, 16, "Score");
    drawText(kColumnX, 64, "Bonus");
    if (game.damageLevel >= kRedDamageLevel) setColors(kWarningRed, 0, kKeepBackground);
    drawText(kColumnX, 112, "Damage");
    setColors(kValueWhite, 0, kKeepBackground);
    drawText(kColumnX, 32, Decimal(game.score).view());
    drawText(kColumnX, 80, Decimal(game.bonus).view());
    drawText(kColumnX, 128, Decimal(int64_t{game.damageLevel} * 20, "%").view());
}

void dimScreen() {
    auto* pixels = reinterpret_cast<uint8_t*>(screenPixels());
    ScreenInfo info;
    if (pixels == nullptr || getScreenInfo(info) != ErrorCode::kOk) return;
    lockScreen();
    for (int32_t y = 0; y < kScreenHeight; ++y) {
        halveColours(reinterpret_cast<uint32_t*>(pixels + static_cast<ptrdiff_t>(y) * info.pitch),
                     kScreenWidth);
    }
    unlockScreen(-1, -1);
}

}  // namespace kestrway
