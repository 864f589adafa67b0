// The vehicles: the player's sports car and boat, two civilian cars and the enemy tank, top-down.
#include <algorithm>
#include <cmath>

#include "palette.h"
#include "pictures.h"
#include "pixel_art.h"

namespace kestrway {
namespace {

// Body colour across the car: darker flanks, a lit crown, so the top-down body reads as rounded.
uint32_t bodyShadeAt(uint32_t body, double x, double left, double right) {
    const double t = (x - left) / (right - left);  // 0 at the left flank, 1 at the right
    const double crown = 1.0 - std::abs(t - 0.42) * 2.0;
    return shade(body,
                 static_cast<int32_t>(std::lround(-34.0 + 52.0 * std::clamp(crown, 0.0, 1.0))));
}

// Row layout of a car body, counted from its first row, front at the top.
struct CarLook {
    uint32_t body;
    int32_t top;        // first row of the body
    int32_t length;     // rows of the body
    int32_t screenRow;  // first row of the windscreen
    int32_t roofRows;   // rows of roof between windscreen and rear window
    int32_t rearRows;   // rows of the rear window
    bool racingStripes;
    bool spoiler;
};

void paintWheels(Pixmap& car, const CarLook& look) {
    for (int32_t wheelY : {look.top + 4, look.top + look.length - 10}) {
        fillRect(car, 5, wheelY, 2, 6, colours::kTyre);
        fillRect(car, 25, wheelY, 2, 6, colours::kTyre);
        car.set(5, wheelY + 2, shade(colours::kTyre, 40));
        car.set(26, wheelY + 2, shade(colours::kTyre, 40));
    }
}

bool isGlass(uint32_t colour) {
    return colour == colours::kGlass || colour == colours::kGlassShine;
}

// A car pointing up the screen, within the 22-pixel contact width (columns 5 to 26).
Pixmap drawCar(const CarLook& look) {
    Pixmap car(32, 32, kTransparent);
    const int32_t top = look.top;
    const int32_t bottom = look.top + look.length - 1;
    paintWheels(car, look);
    const double left = 7.0;
    const double right = 25.0;
    fillWhere(
        car,
        [&](double x, double y) {
            if (x < left || x > right || y < top || y > bottom + 1) {
                return false;
            }
            // a rounder nose than tail
            const double radius = y < top + 8 ? 4.5 : 3.0;
            const double cx = std::clamp(x, left + radius, right - radius);
            const double cy = std::clamp(y, top + radius, bottom + 1 - radius);
            const double dx = x - cx;
            const double dy = y - cy;
            return dx * dx + dy * dy <= radius * radius;
        },
        look.body);
    for (int32_t y = top; y <= bottom; ++y) {
        for (int32_t x = 7; x < 25; ++x) {
            if (car.get(x, y) == look.body) {
                car.set(x, y, bodyShadeAt(look.body, x + 0.5, left, right));
            }
        }
    }
    const int32_t screenTop = top + look.screenRow;
    const int32_t roofTop = screenTop + 4;
    const int32_t rearTop = roofTop + look.roofRows;
    // windscreen: curved along its top edge, with a glint
    for (int32_t y = screenTop; y < roofTop; ++y) {
        const int32_t inset = y == screenTop ? 3 : (y == screenTop + 1 ? 2 : 1);
        for (int32_t x = 8 + inset; x < 24 - inset; ++x) {
            car.set(x, y, colours::kGlass);
        }
    }
    car.set(11, screenTop + 1, colours::kGlassShine);
    car.set(12, screenTop + 1, colours::kGlassShine);
    car.set(10, screenTop + 2, colours::kGlassShine);
    // roof, lighter than the body, framed by the side windows
    for (int32_t y = roofTop; y < rearTop; ++y) {
        car.set(8, y, colours::kGlass);
        car.set(23, y, colours::kGlass);
        for (int32_t x = 9; x < 23; ++x) {
            car.set(x, y, shade(car.get(x, y), 14));
        }
    }
    for (int32_t y = rearTop; y < rearTop + look.rearRows; ++y) {
        const int32_t inset = y == rearTop + look.rearRows - 1 ? 2 : 1;
        for (int32_t x = 8 + inset; x < 24 - inset; ++x) {
            car.set(x, y, colours::kGlass);
        }
    }
    // wing mirrors
    car.set(6, screenTop + 1, shade(look.body, -50));
    car.set(25, screenTop + 1, shade(look.body, -50));
    if (look.racingStripes) {
        for (int32_t y = top; y <= bottom; ++y) {
            for (int32_t x : {13, 14, 17, 18}) {
                const uint32_t here = car.get(x, y);
                if (!isMaskColour(here) && !isGlass(here)) {
                    car.set(x, y,
                            x == 13 || x == 17 ? colours::kWhite : shade(colours::kWhite, -30));
                }
            }
        }
    }
    // head and tail lights
    for (int32_t x : {9, 10, 21, 22}) {
        car.set(x, top, colours::kHeadlight);
        car.set(x, bottom, colours::kTailLight);
    }
    if (look.spoiler) {
        fillRect(car, 6, bottom - 2, 20, 2, shade(look.body, -70));
        fillRect(car, 7, bottom - 2, 18, 1, shade(look.body, -30));
    }
    outlineSprite(car, colours::kInk);
    return car;
}

// The player's speedboat: red hull with the car's white stripes, a cockpit and an outboard motor.
Pixmap drawBoat() {
    Pixmap boat(32, 32, kTransparent);
    // foam trailing from the stern
    for (int32_t y = 28; y < 32; ++y) {
        for (int32_t x = 8; x < 24; ++x) {
            if (noiseByte(x, y, 9) % 3 != 0 && std::abs(x + 0.5 - 16.0) < 3.5 + (y - 28) * 1.3) {
                boat.set(x, y, mix(colours::kWhite, colours::kRipple, (y - 28) / 4.0));
            }
        }
    }
    const auto hullHalfWidth = [](double y) {
        // pointed bow at the top, full beam from about a third of the way down
        const double t = std::clamp((y - 1.0) / 12.0, 0.0, 1.0);
        return 9.0 * std::sqrt(t);
    };
    fillWhere(
        boat,
        [&](double x, double y) {
            return y >= 1 && y <= 28 && std::abs(x - 16.0) <= hullHalfWidth(y);
        },
        colours::kPlayerRed);
    for (int32_t y = 1; y <= 28; ++y) {
        for (int32_t x = 0; x < 32; ++x) {
            if (boat.get(x, y) == colours::kPlayerRed) {
                boat.set(x, y, bodyShadeAt(colours::kPlayerRed, x + 0.5, 7.0, 25.0));
            }
        }
    }
    for (int32_t y = 3; y <= 27; ++y) {
        for (int32_t x : {13, 14, 17, 18}) {
            if (!isMaskColour(boat.get(x, y)) && (y < 12 || y > 23)) {
                boat.set(x, y, x == 13 || x == 17 ? colours::kWhite : shade(colours::kWhite, -30));
            }
        }
    }
    // windscreen, cockpit and seats
    for (int32_t x = 10; x < 22; ++x) {
        boat.set(x, 12, colours::kGlassShine);
        boat.set(x, 13, colours::kGlass);
    }
    const uint32_t cockpit = rgb(70, 56, 52);
    const uint32_t seat = rgb(222, 206, 170);
    fillRect(boat, 9, 14, 14, 9, cockpit);
    // steering wheel on the driver's side, then a bench seat across the back
    fillRect(boat, 11, 15, 3, 1, colours::kGunMetalLight);
    boat.set(12, 16, colours::kGunMetalLight);
    fillRect(boat, 10, 18, 12, 4, seat);
    fillRect(boat, 10, 18, 12, 1, rgb(244, 234, 208));
    fillRect(boat, 15, 19, 2, 3, shade(seat, -34));
    // outboard motor over the stern
    fillRect(boat, 13, 25, 6, 5, colours::kGunMetal);
    fillRect(boat, 14, 26, 4, 2, colours::kGunMetalLight);
    outlineSprite(boat, colours::kInk);
    return boat;
}

Pixmap drawTank(bool facingDown) {
    Pixmap tank(32, 32, kTransparent);
    // tracks with tread bars
    for (int32_t x0 : {5, 22}) {
        fillRect(tank, x0, 5, 5, 25, colours::kTyre);
        for (int32_t y = 6; y < 29; y += 3) {
            fillRect(tank, x0, y, 5, 1, shade(colours::kTyre, 36));
        }
    }
    fillRect(tank, 9, 7, 14, 21, colours::kOlive);
    fillRect(tank, 9, 7, 14, 1, shade(colours::kOlive, 30));
    fillRect(tank, 9, 27, 14, 1, colours::kOliveDark);
    fillRect(tank, 9, 8, 1, 19, shade(colours::kOlive, 16));
    fillRect(tank, 22, 8, 1, 19, colours::kOliveDark);
    // engine deck grille at the rear
    for (int32_t x = 11; x < 21; x += 2) {
        fillRect(tank, x, 23, 1, 3, colours::kOliveDark);
    }
    // turret
    fillEllipse(tank, 16, 16, 6.5, 6.5, colours::kOliveDark);
    for (int32_t y = 9; y < 23; ++y) {
        for (int32_t x = 9; x < 23; ++x) {
            const double dx = x + 0.5 - 16;
            const double dy = y + 0.5 - 16;
            if (dx * dx + dy * dy <= 5.5 * 5.5) {
                tank.set(x, y, mix(colours::kOliveDark, colours::kKhaki, 0.55 - (dx + dy) / 14.0));
            }
        }
    }
    fillEllipse(tank, 18, 18, 1.6, 1.6, colours::kOliveDark);
    // barrel pointing straight ahead, with a muzzle brake
    fillRect(tank, 15, 1, 3, 10, colours::kGunMetal);
    fillRect(tank, 15, 1, 1, 10, colours::kGunMetalLight);
    fillRect(tank, 14, 0, 5, 3, colours::kGunMetal);
    fillRect(tank, 14, 0, 1, 3, colours::kGunMetalLight);
    tank.set(16, 0, colours::kInk);
    if (facingDown) {
        flipVertical(tank);
    }
    // a red star on the turret marks it as hostile
    for (const auto& point :
         {std::pair{14, 13}, std::pair{12, 14}, std::pair{13, 14}, std::pair{14, 14},
          std::pair{15, 14}, std::pair{16, 14}, std::pair{13, 15}, std::pair{14, 15},
          std::pair{15, 15}, std::pair{13, 16}, std::pair{15, 16}}) {
        tank.set(point.first, point.second, colours::kWarningRed);
    }
    addGrain(tank, 3, 17);
    outlineSprite(tank, colours::kInk);
    return tank;
}

}  // namespace

std::vector<NamedPicture> vehiclePictures() {
    // car2 is a boxy van driving down the screen; car1 a saloon driving up
    Pixmap downCar = drawCar({colours::kCivilianTeal, 3, 27, 4, 14, 2, false, false});
    flipVertical(downCar);
    return {
        {"gfx/car.bmp", PictureKind::Sprite,
         drawCar({colours::kPlayerRed, 1, 30, 10, 5, 3, true, true})},
        {"gfx/boat.bmp", PictureKind::Sprite, drawBoat()},
        {"gfx/car1.bmp", PictureKind::Sprite,
         drawCar({colours::kCivilianBlue, 3, 26, 8, 6, 3, false, false})},
        {"gfx/car2.bmp", PictureKind::Sprite, downCar},
        {"gfx/tank.bmp", PictureKind::Sprite, drawTank(false)},
        {"gfx/tank2.bmp", PictureKind::Sprite, drawTank(true)},
    };
}

}  // namespace kestrway
