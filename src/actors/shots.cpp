// Shots and rockets: starting them in the lowest free slot, drawing and
// moving them with the road, retiring them, and the two hit tests.
#include "actors/shots.h"

#include "platform/image.h"
#include "state/world_tables.h"

namespace kestrway {

namespace {

constexpr int32_t kShotSize = 16;
constexpr int32_t kStartOffsetX = 8;
constexpr int32_t kPlayerShotSpeed = 8;
constexpr int32_t kEnemyShotSpeed = 4;
constexpr int32_t kSideShotPicture = 3;
constexpr int32_t kPlayAreaMin = -32;
constexpr int32_t kPlayAreaMax = 512;
constexpr const char* kPictureFiles[kShotPictures] = {"gfx\\shot.bmp", "gfx\\rocket.bmp",
                                                      "gfx\\rocket2.bmp", "gfx\\shot2.bmp"};

// The lowest free slot, or null when all are live (the shot is then not fired).
Shot* freeSlot(Shots& shots) {
    for (Shot& shot : shots.shots) {
        if (shot.active == 0) return &shot;
    }
    return nullptr;
}

void start(Shots& shots, int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t picture,
           int32_t owner) {
    Shot* shot = freeSlot(shots);
    if (shot == nullptr) return;
    *shot = Shot{1, x + kStartOffsetX, y, dx, dy, owner, picture, 0};
}

// Edges do not count: a point on the box's border misses.
bool strictlyInside(int32_t px, int32_t py, int32_t bx, int32_t by, int32_t bw, int32_t bh) {
    return bx < px && px < bx + bw && by < py && py < by + bh;
}

bool outsidePlayArea(int32_t value) {
    return value < kPlayAreaMin || value > kPlayAreaMax;
}

}  // namespace

void loadShotPictures(Shots& shots) {
    for (int32_t i = 0; i < kShotPictures; ++i) {
        ImagePtr& picture = shots.pictures[static_cast<size_t>(i)];
        picture = createImage(kShotSize, kShotSize, kBlankColour);
        loadBitmap(kPictureFiles[i], picture.get());
    }
    clearShots(shots);
}

void clearShots(Shots& shots) {
    for (Shot& shot : shots.shots) shot.active = 0;
}

void fireShot(Shots& shots, int32_t x, int32_t y, int32_t direction, int32_t picture,
              int32_t owner) {
    const int32_t speed = owner == kPlayerShot ? kPlayerShotSpeed : kEnemyShotSpeed;
    start(shots, x, y, 0, direction * speed, picture, owner);
}

void fireSideShot(Shots& shots, int32_t x, int32_t y, int32_t direction, int32_t owner) {
    start(shots, x, y, direction * kEnemyShotSpeed, 0, kSideShotPicture, owner);
}

void drawAndMoveShots(Shots& shots, int32_t playerSpeed) {
    for (Shot& shot : shots.shots) {
        if (shot.active != 1) continue;
        // A picture index outside the table draws nothing rather than reading past it.
        if (shot.picture >= 0 && shot.picture < kShotPictures) {
            blitTransparent(static_cast<float>(shot.x), static_cast<float>(shot.y),
                            shots.pictures[static_cast<size_t>(shot.picture)].get());
        }
        shot.y += shot.dy + playerSpeed;
        shot.x += shot.dx;
        ++shot.age;
        if (shot.age >= kShotLifetime) shot.active = 0;
        if (outsidePlayArea(shot.y) || outsidePlayArea(shot.x)) shot.active = 0;
    }
}

int32_t shotHitsBox(Shots& shots, int32_t bx, int32_t by, int32_t bw, int32_t bh) {
    for (Shot& shot : shots.shots) {
        if (shot.active != 1) continue;
        const int32_t middleY = shot.y + kShotSize / 2;
        // The player's shot is tested at its left and right edges, enemy rounds at their centre.
        if (shot.owner == kPlayerShot) {
            if (strictlyInside(shot.x + 1, middleY, bx, by, bw, bh) ||
                strictlyInside(shot.x + kShotSize - 2, middleY, bx, by, bw, bh)) {
                shot.active = 0;
                return 1;
            }
        } else if (shot.owner == kEnemyShot) {
            if (strictlyInside(shot.x + kShotSize / 2, middleY, bx, by, bw, bh)) {
                shot.active = 0;
                return 2;
            }
        }
    }
    return 0;
}

int32_t enemyShotHitsBox(Shots& shots, int32_t bx, int32_t by, int32_t bw, int32_t bh) {
    for (Shot& shot : shots.shots) {
        if (shot.active == 1 && shot.owner == kEnemyShot &&
            strictlyInside(shot.x + kShotSize / 2, shot.y + kShotSize / 2, bx, by, bw, bh)) {
            shot.active = 0;
            return 1;
        }
    }
    return 0;
}

}  // namespace kestrway
