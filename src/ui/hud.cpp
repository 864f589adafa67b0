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

// Each of blue, green and red halved (rounded down); alpha kept.
inline __attribute__((always_inline)) void halveColours(uint32_t* row, int32_t count) {
    for (int32_t x = 0; x < count; ++x) {
        const uint32_t p = row[x];
        row[x] = (p & 0xFF000000u) | ((p >> 1) & 0x007F7F7Fu);
    }
}

using HalveRow = void (*)(uint32_t*, int32_t);

void halveRowBaseline(uint32_t* row, int32_t count) {
    halveColours(row, count);
}

#if defined(__x86_64__)
// The same loop with AVX2's wider registers, so the pass runs at memory
// speed; chosen at run time by a plain check (no ifunc, which the thread
// sanitizer's start-up cannot take).
__attribute__((target("avx2"))) void halveRowAvx2(uint32_t* row, int32_t count) {
    halveColours(row, count);
}

HalveRow chooseHalveRow() {
    return __builtin_cpu_supports("avx2") ? halveRowAvx2 : halveRowBaseline;
}
#else
HalveRow chooseHalveRow() {
    return halveRowBaseline;
}
#endif

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
    static const HalveRow halveRow = chooseHalveRow();
    lockScreen();
    for (int32_t y = 0; y < kScreenHeight; ++y) {
        halveRow(reinterpret_cast<uint32_t*>(pixels + static_cast<ptrdiff_t>(y) * info.pitch),
                 kScreenWidth);
    }
    unlockScreen(-1, -1);
}

}  // namespace kestrway
