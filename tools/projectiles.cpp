// The 16x16 sprites: the player's bolt, tank rockets, the tower's round, the explosion and the
// spanner.
#include <cmath>
#include <numbers>

#include "palette.h"
#include "pictures.h"
#include "pixel_art.h"

namespace kestrway {
namespace {

constexpr int32_t kSpriteSize = 16;

// A bright energy bolt flying up: white-hot head, yellow body, orange trail.
Pixmap drawShot() {
    Pixmap shot(kSpriteSize, kSpriteSize, kTransparent);
    for (int32_t y = 1; y < 14; ++y) {
        const double t = (y - 1) / 12.0;
        const uint32_t core =
            t < 0.25 ? colours::kFireWhite
                     : mix(colours::kFireYellow, colours::kFireOrange, (t - 0.25) / 0.75);
        shot.set(7, y, core);
        shot.set(8, y, core);
        if (y > 2 && y < 10) {
            shot.set(6, y, mix(colours::kFireYellow, colours::kFireOrange, t));
            shot.set(9, y, mix(colours::kFireYellow, colours::kFireOrange, t));
        }
    }
    shot.set(7, 0, colours::kFireYellow);
    shot.set(8, 0, colours::kFireYellow);
    outlineSprite(shot, colours::kFireRed);
    return shot;
}

// A rocket flying up: red nose, pale body, fins, and flame from the nozzle.
Pixmap drawRocket() {
    Pixmap rocket(kSpriteSize, kSpriteSize, kTransparent);
    rocket.set(7, 1, colours::kWarningRed);
    rocket.set(8, 1, colours::kWarningRed);
    fillRect(rocket, 6, 2, 4, 2, colours::kWarningRed);
    fillRect(rocket, 6, 4, 4, 7, colours::kConcreteLight);
    fillRect(rocket, 8, 4, 2, 7, colours::kConcrete);
    fillRect(rocket, 4, 9, 2, 3, colours::kGunMetal);
    fillRect(rocket, 10, 9, 2, 3, colours::kGunMetal);
    fillRect(rocket, 6, 11, 4, 1, colours::kGunMetal);
    rocket.set(7, 12, colours::kFireWhite);
    rocket.set(8, 12, colours::kFireWhite);
    fillRect(rocket, 6, 13, 4, 1, colours::kFireYellow);
    rocket.set(7, 14, colours::kFireOrange);
    rocket.set(8, 14, colours::kFireOrange);
    rocket.set(7, 15, colours::kFireRed);
    outlineSprite(rocket, colours::kInk);
    // the flame glows rather than carrying a hard outline
    for (int32_t y = 13; y < 16; ++y) {
        for (int32_t x = 0; x < kSpriteSize; ++x) {
            if (rocket.get(x, y) == colours::kInk) {
                rocket.set(x, y, kTransparent);
            }
        }
    }
    return rocket;
}

// The tower's round: a glowing orange ball.
Pixmap drawCannonBall() {
    Pixmap ball(kSpriteSize, kSpriteSize, kTransparent);
    for (int32_t y = 0; y < kSpriteSize; ++y) {
        for (int32_t x = 0; x < kSpriteSize; ++x) {
            const double dx = x + 0.5 - 8.0;
            const double dy = y + 0.5 - 8.0;
            const double r = std::sqrt(dx * dx + dy * dy);
            if (r <= 4.6) {
                const double glow =
                    std::sqrt((dx + 1.5) * (dx + 1.5) + (dy + 1.5) * (dy + 1.5)) / 6.0;
                ball.set(x, y,
                         glow < 0.3 ? colours::kFireYellow
                                    : mix(colours::kFireOrange, colours::kFireRed, glow));
            }
        }
    }
    ball.set(6, 6, colours::kFireWhite);
    outlineSprite(ball, shade(colours::kFireRed, -90));
    return ball;
}

// A fiery burst: a spiky star of red, orange and yellow around a white-hot core.
Pixmap drawExplosion() {
    Pixmap burst(kSpriteSize, kSpriteSize, kTransparent);
    for (int32_t y = 0; y < kSpriteSize; ++y) {
        for (int32_t x = 0; x < kSpriteSize; ++x) {
            const double dx = x + 0.5 - 8.0;
            const double dy = y + 0.5 - 8.0;
            const double r = std::sqrt(dx * dx + dy * dy);
            const double angle = std::atan2(dy, dx);
            const double reach = 5.0 + 2.8 * std::pow(std::abs(std::cos(4.0 * angle + 0.4)), 3.0) +
                                 0.6 * std::sin(7.0 * angle);
            if (r > reach) {
                continue;
            }
            const double depth = r / reach;
            uint32_t colour = colours::kFireRed;
            if (depth < 0.3) {
                colour = colours::kFireWhite;
            } else if (depth < 0.55) {
                colour = colours::kFireYellow;
            } else if (depth < 0.8) {
                colour = colours::kFireOrange;
            }
            burst.set(x, y, colour);
        }
    }
    for (const auto& spark :
         {std::pair{2, 3}, std::pair{13, 2}, std::pair{14, 12}, std::pair{1, 12}}) {
        burst.set(spark.first, spark.second, colours::kFireYellow);
    }
    burst.set(4, 5, colours::kSmoke);
    burst.set(11, 10, colours::kSmoke);
    return burst;
}

// A silver open-ended wrench lying diagonally: ring at the lower left, jaw at the upper right.
Pixmap drawSpanner() {
    Pixmap spanner(kSpriteSize, kSpriteSize, kTransparent);
    const uint32_t steel = rgb(196, 202, 210);
    const uint32_t steelLight = rgb(240, 244, 248);
    const uint32_t steelDark = rgb(128, 136, 148);
    // shaft from (4,11) to (11,4), three pixels thick
    for (int32_t i = 0; i < 8; ++i) {
        spanner.set(4 + i, 11 - i, steelLight);
        spanner.set(5 + i, 11 - i, steel);
        spanner.set(5 + i, 12 - i, steelDark);
    }
    // jaw: a ring with its upper-right quarter cut open
    for (int32_t y = 0; y < kSpriteSize; ++y) {
        for (int32_t x = 0; x < kSpriteSize; ++x) {
            const double dx = x + 0.5 - 11.5;
            const double dy = y + 0.5 - 4.5;
            const double r = std::sqrt(dx * dx + dy * dy);
            const bool mouth = dx > -0.5 && dy < 0.5 && std::abs(dx + dy) < 2.2;
            if (r <= 3.6 && r >= 1.4 && !mouth) {
                spanner.set(x, y, dx + dy < 0 ? steelLight : steel);
            }
        }
    }
    // ring end
    for (int32_t y = 0; y < kSpriteSize; ++y) {
        for (int32_t x = 0; x < kSpriteSize; ++x) {
            const double dx = x + 0.5 - 4.0;
            const double dy = y + 0.5 - 12.0;
            const double r = std::sqrt(dx * dx + dy * dy);
            if (r <= 3.2 && r >= 1.3) {
                spanner.set(x, y, dx + dy < 0 ? steelLight : steelDark);
            }
        }
    }
    outlineSprite(spanner, colours::kInk);
    return spanner;
}

}  // namespace

std::vector<NamedPicture> projectilePictures() {
    Pixmap downRocket = drawRocket();
    flipVertical(downRocket);
    return {
        {"gfx/shot.bmp", PictureKind::Sprite, drawShot()},
        {"gfx/rocket.bmp", PictureKind::Sprite, drawRocket()},
        {"gfx/rocket2.bmp", PictureKind::Sprite, downRocket},
        {"gfx/shot2.bmp", PictureKind::Sprite, drawCannonBall()},
        {"gfx/explosion.bmp", PictureKind::Sprite, drawExplosion()},
        {"gfx/collect/spanner.bmp", PictureKind::Sprite, drawSpanner()},
    };
}

}  // namespace kestrway
