// Where a vehicle stands on the screen and how it meets the player's car.
#include <cstdlib>

#include "actors/traffic.h"

namespace kestrway {

namespace {

constexpr int32_t kContactWidth = 22;
constexpr int32_t kContactHeight = 32;

}  // namespace

ScreenPoint vehicleScreenPosition(const GameState& game, const Vehicle& vehicle) {
    return ScreenPoint{
        vehicle.column * kTileSize + vehicle.offsetX,
        vehicle.row * kTileSize + vehicle.offsetY - (game.trackRows - game.scrollRow) * kTileSize +
            game.scrollOffset,
    };
}

int32_t verticalGapToPlayer(const GameState& game, int32_t index) {
    if (!isVehicleSlot(index)) return 0;
    const Vehicle& vehicle = game.traffic.vehicles[static_cast<size_t>(index)];
    return std::abs(game.playerY - vehicleScreenPosition(game, vehicle).y);
}

bool contactBoxesTouch(int32_t leftA, int32_t topA, int32_t leftB, int32_t topB) {
    return std::abs(leftA - leftB) <= kContactWidth && std::abs(topA - topB) <= kContactHeight;
}

int32_t vehicleBlockedByPlayer(GameState& game, int32_t index) {
    if (!isVehicleSlot(index)) return 0;
    Vehicle& vehicle = game.traffic.vehicles[static_cast<size_t>(index)];
    if (vehicle.kind == kNoVehicle) return 0;
    const ScreenPoint at = vehicleScreenPosition(game, vehicle);
    // Tested one pixel further on, where the next step would take it.
    if (!contactBoxesTouch(game.playerX + kContactInset, game.playerY, at.x + kContactInset,
                           at.y + vehicle.heading)) {
        return 0;
    }
    vehicle.moving = 0;
    return 1;
}

}  // namespace kestrway
