// Explosions: eight copies of one picture on a ring that grows a pixel a
// frame for 21 frames, carried down the screen with the road.
#include "actors/explosions.h"

#include "platform/image.h"
#include "state/world_tables.h"

namespace kestrway {

namespace {

constexpr int32_t kPictureSize = 16;
constexpr int32_t kLastRadius = 20;

void drawCopy(const Explosions& explosions, int32_t x, int32_t y) {
    blitTransparent(static_cast<float>(x), static_cast<float>(y), explosions.picture.get());
}

}  // namespace

int32_t diagonalDistance(int32_t radius) {
    // 0.75 r in quarters, rounded to nearest with halves to the even
    // neighbour; whole-number arithmetic keeps it exact for every radius.
    const int64_t quarters = int64_t{radius} * 3;
    const int64_t magnitude = quarters < 0 ? -quarters : quarters;
    int64_t whole = magnitude / 4;
    const int64_t rest = magnitude % 4;
    if (rest > 2 || (rest == 2 && whole % 2 == 1)) ++whole;
    return static_cast<int32_t>(quarters < 0 ? -whole : whole);
}

void loadExplosionPicture(Explosions& explosions) {
    explosions.picture = createImage(kPictureSize, kPictureSize, kBlankColour);
    loadBitmap("gfx\\explosion.bmp", explosions.picture.get());
    clearExplosions(explosions);
}

void clearExplosions(Explosions& explosions) {
    for (Explosion& explosion : explosions.explosions) explosion.active = 0;
}

void startExplosion(Explosions& explosions, int32_t x, int32_t y) {
    for (Explosion& explosion : explosions.explosions) {
        if (explosion.active == 0) {
            explosion = Explosion{1, 0, x, y};
            return;
        }
    }
}

void drawExplosions(Explosions& explosions, int32_t playerSpeed) {
    for (Explosion& explosion : explosions.explosions) {
        if (explosion.active != 1) continue;
        explosion.y += playerSpeed;  // stays on the same spot of the road
        const int32_t x = explosion.x;
        const int32_t y = explosion.y;
        const int32_t r = explosion.radius;
        const int32_t d = diagonalDistance(r);
        drawCopy(explosions, x - r, y);
        drawCopy(explosions, x + r, y);
        drawCopy(explosions, x, y - r);
        drawCopy(explosions, x, y + r);
        drawCopy(explosions, x + d, y + d);
        drawCopy(explosions, x + d, y - d);
        drawCopy(explosions, x - d, y - d);
        drawCopy(explosions, x - d, y + d);
        if (explosion.radius >= kLastRadius) {
            explosion.active = 0;
        } else {
            ++explosion.radius;
        }
    }
}

}  // namespace kestrway
