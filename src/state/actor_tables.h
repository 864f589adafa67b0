// The actor tables: traffic, shots and explosions. A slot is free while its
// first field is 0; new actors take the lowest free slot.
#pragma once

#include <array>
#include <cstdint>

#include "platform/image.h"
#include "state/world_tables.h"

namespace kestrway {

enum VehicleKind : int32_t { kNoVehicle = 0, kCivilian1 = 1, kCivilian2 = 2, kTank = 3 };

struct Vehicle {
    int32_t kind = 0;
    int32_t column = 0;
    int32_t row = 0;
    int32_t offsetX = 0;
    int32_t offsetY = 0;
    int32_t sideStep = 0;
    int32_t heading = 0;
    int32_t lane = 0;
    int32_t fireDelay = 0;
    int32_t moving = 0;
    int32_t hitPoints = 0;
    // 1 while this vehicle touched the player's car at the last frame's
    // collision test: a contact that lasts from one frame to the next damages
    // the car only once.
    int32_t touchingPlayer = 0;
};

constexpr int32_t kVehicleSlots = 101;
constexpr int32_t kMaxPlacedVehicles = 100;
constexpr int32_t kVehiclePictures = 4;

struct Traffic {
    std::array<Vehicle, kVehicleSlots> vehicles{};
    std::array<uint8_t, kTrackCells> laneMap{};
    std::array<ImagePtr, kVehiclePictures> pictures;
};

enum ShotOwner : int32_t { kPlayerShot = 0, kEnemyShot = 1 };

struct Shot {
    int32_t active = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t dx = 0;
    int32_t dy = 0;
    int32_t owner = 0;
    int32_t picture = 0;
    int32_t age = 0;
};

constexpr int32_t kShotSlots = 41;
constexpr int32_t kShotPictures = 4;

struct Shots {
    std::array<Shot, kShotSlots> shots{};
    std::array<ImagePtr, kShotPictures> pictures;
};

struct Explosion {
    int32_t active = 0;
    int32_t radius = 0;
    int32_t x = 0;
    int32_t y = 0;
};

constexpr int32_t kExplosionSlots = 6;

struct Explosions {
    std::array<Explosion, kExplosionSlots> explosions{};
    ImagePtr picture;
};

}  // namespace kestrway
