// The invariants every frame of every game must keep.
#include "game/game_invariants.h"

#include <algorithm>
#include <utility>

namespace kestrway {

namespace {

bool within(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}

bool vehicleSound(const Vehicle& v) {
    return v.kind == 0 ||
           (within(v.kind, 1, 3) && within(v.column, -1, kTrackWidth) &&
            within(v.row, 0, kTrackRows - 1) && within(v.offsetX, -31, 31) &&
            within(v.offsetY, -31, 31) && within(v.sideStep, -1, 1) && within(v.moving, 0, 1) &&
            v.lane >= 1 && (v.heading == -1 || v.heading == 1) &&
            (v.lane <= 3) == (v.heading == -1) && within(v.fireDelay, 0, 20));
}

bool shotSound(const Shot& s) {
    return s.active == 0 ||
           (s.active == 1 && within(s.picture, 0, kShotPictures - 1) && within(s.owner, 0, 1) &&
            within(s.age, 0, 69) && within(s.x, -32, 512) && within(s.y, -32, 512));
}

// Before the first road is drawn the obstacle table is still all zero;
// after it, an x of -1 ends it.
bool obstaclesEnded(const GameState& game) {
    const auto& table = game.obstacles;
    return std::any_of(std::begin(table), std::end(table),
                       [](const ScreenPoint& p) { return p.x == -1; }) ||
           std::all_of(std::begin(table), std::end(table),
                       [](const ScreenPoint& p) { return p.x == 0 && p.y == 0; });
}

template <typename Table, typename Check>
bool all(const Table& table, Check check) {
    return std::all_of(std::begin(table), std::end(table), check);
}

}  // namespace

std::string brokenInvariant(const GameState& g) {
    const std::pair<bool, const char*> checks[] = {
        {g.damageLevel >= 0, "negative damage"},
        {within(g.bonus, 0, 200), "bonus"},
        {g.stageNumber >= 1, "stage number"},
        {within(g.playerGear, -2, 3) && within(g.playerVehicle, 0, 1) && g.playerY == 320,
         "player"},
        {within(g.frameCounter, 0, 29) && within(g.trafficPhase, 0, 1), "loop counters"},
        {within(g.controls.fireCooldown, 0, 10), "fire cooldown"},
        {within(g.scrollRow, 16, kTrackRows - 1) && within(g.scrollOffset, -31, 31), "scroll"},
        {obstaclesEnded(g), "obstacles without an end marker"},
        {all(g.spanners,
             [](const Spanner& s) {  // 0,0 before the first track
                 return s.x == -1 || (s.x == 0 && s.y == 0) ||
                        (within(s.x, 8, 488) && within(s.y, 3208, 9576));
             }),
         "spanner"},
        {all(g.traffic.laneMap, [](uint8_t lane) { return lane <= kTrackWidth; }), "lane number"},
        {all(g.traffic.vehicles, vehicleSound) && g.traffic.vehicles[kMaxPlacedVehicles].kind == 0,
         "vehicle"},
        {all(g.shots.shots, shotSound), "shot"},
        {all(g.explosions.explosions,
             [](const Explosion& e) {
                 return e.active == 0 || (e.active == 1 && within(e.radius, 0, 20));
             }),
         "explosion"},
    };
    for (const auto& [holds, name] : checks) {
        if (!holds) return name;
    }
    return "";
}

}  // namespace kestrway
