// The player's tests against the road world: the tile under a point, spanner
// pick-up, and contact with obstacles and vehicles.
#include "actors/traffic.h"
#include "player/player.h"

namespace kestrway {

namespace {

// The car's contact box at (x, y): x + 5 to x + 27 across, y to y + 32 down,
// bounds included.
constexpr int32_t kCarBoxRight = 27;
constexpr int32_t kCarBoxBottom = 32;
constexpr int32_t kObstacleBoxSize = 32;
constexpr int32_t kSpannerBoxWidth = 16;
constexpr int32_t kSpannerBoxHeight = 32;
constexpr int32_t kCollectedSpanner = -1;
constexpr int32_t kObstacleEndMarker = -1;

// Inclusive ranges that share only an end still overlap.
bool rangesOverlap(int32_t firstA, int32_t lastA, int32_t firstB, int32_t lastB) {
    return firstA <= lastB && firstB <= lastA;
}

}  // namespace

int32_t tileAtScreen(const GameState& game, int32_t x, int32_t y) {
    // The screen y as a pixel row of the track, 0 at the top of track row 0.
    const int32_t trackY = kTileSize * (game.trackRows - game.scrollRow) + y - game.scrollOffset;
    if (x < 0 || x > kTileSize * game.trackWidth - 1) return -1;
    if (trackY < 0 || trackY > kTileSize * game.trackRows - 1) return -1;
    const int32_t cell = (trackY / kTileSize) * game.trackWidth + x / kTileSize;
    return game.track[static_cast<size_t>(cell)];
}

int32_t collectSpannerAt(GameState& game, int32_t x, int32_t y) {
    const int32_t travelled = kTileSize * game.scrollRow + game.scrollOffset;
    for (Spanner& spanner : game.spanners) {
        if (spanner.x == kCollectedSpanner) continue;
        const int32_t top = travelled - spanner.y;
        if (x >= spanner.x && x < spanner.x + kSpannerBoxWidth && y >= top &&
            y < top + kSpannerBoxHeight) {
            spanner.x = kCollectedSpanner;
            return 1;
        }
    }
    return 0;
}

bool hitsObstacle(const GameState& game, int32_t x, int32_t y) {
    // The road records every tree and tower it drew, then an end marker; a
    // full table has no marker, so the walk also stops at its end.
    for (const ScreenPoint& obstacle : game.obstacles) {
        if (obstacle.x == kObstacleEndMarker) return false;
        if (rangesOverlap(x + kContactInset, x + kCarBoxRight, obstacle.x,
                          obstacle.x + kObstacleBoxSize) &&
            rangesOverlap(y, y + kCarBoxBottom, obstacle.y, obstacle.y + kObstacleBoxSize)) {
            return true;
        }
    }
    return false;
}

namespace {

bool vehicleTouches(const GameState& game, const Vehicle& vehicle, int32_t x, int32_t y) {
    if (vehicle.kind == kNoVehicle) return false;
    const ScreenPoint at = vehicleScreenPosition(game, vehicle);
    return contactBoxesTouch(x + kContactInset, y, at.x + kContactInset, at.y);
}

}  // namespace

int32_t hitsVehicle(GameState& game, int32_t x, int32_t y) {
    for (Vehicle& vehicle : game.traffic.vehicles) {
        if (vehicleTouches(game, vehicle, x, y)) {
            // Stopped until the traffic sees the player far enough away.
            vehicle.moving = 0;
            return 1;
        }
    }
    return 0;
}

VehicleContact vehicleContact(GameState& game, int32_t x, int32_t y) {
    bool touchingAny = false;
    bool newContact = false;
    for (Vehicle& vehicle : game.traffic.vehicles) {
        const bool touching = vehicleTouches(game, vehicle, x, y);
        // The first vehicle touching is the one stopped, as in hitsVehicle.
        if (touching && !touchingAny) vehicle.moving = 0;
        touchingAny = touchingAny || touching;
        newContact = newContact || (touching && vehicle.touchingPlayer == 0);
        vehicle.touchingPlayer = touching ? 1 : 0;
    }
    if (newContact) return VehicleContact::kNew;
    return touchingAny ? VehicleContact::kContinued : VehicleContact::kNone;
}

}  // namespace kestrway
