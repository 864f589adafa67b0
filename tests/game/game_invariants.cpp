// The invariants every frame of every game must keep.
#include "game/game_invariants.h"

namespace kestrway {

namespace {

bool within(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

std::string checkVehicles(const GameState& game) {
    for (size_t i = 0; i < game.traffic.vehicles.size(); ++i) {
        const Vehicle& v = game.traffic.vehicles[i];
        if (!within(v.kind, 0, 3)) return "vehicle kind " + std::to_string(i);
        if (i == kMaxPlacedVehicles && v.kind != 0) return "vehicle slot 100 used";
        if (v.kind == 0) continue;
        if (!within(v.column, -1, kTrackWidth) || !within(v.row, 0, kTrackRows - 1)) {
            return "vehicle cell " + std::to_string(i);
        }
        if (!within(v.offsetX, -31, 31) || !within(v.offsetY, -31, 31)) {
            return "vehicle offset " + std::to_string(i);
        }
        if (!within(v.sideStep, -1, 1) || !within(v.moving, 0, 1) || v.lane < 1 ||
            (v.heading != -1 && v.heading != 1) || !within(v.fireDelay, 0, 20)) {
            return "vehicle fields " + std::to_string(i);
        }
        if ((v.lane <= 3) != (v.heading == -1)) return "vehicle heading " + std::to_string(i);
    }
    return "";
}

std::string checkShotsAndExplosions(const GameState& game) {
    for (const Shot& s : game.shots.shots) {
        if (!within(s.active, 0, 1)) return "shot active flag";
        if (s.active == 0) continue;
        if (!within(s.picture, 0, kShotPictures - 1) || !within(s.owner, 0, 1)) return "shot picture";
        if (!within(s.age, 0, 69) || !within(s.x, -32, 512) || !within(s.y, -32, 512)) {
            return "live shot out of its area";
        }
    }
    for (const Explosion& e : game.explosions.explosions) {
        if (!within(e.active, 0, 1)) return "explosion active flag";
        if (e.active == 1 && !within(e.radius, 0, 20)) return "explosion radius";
    }
    return "";
}

std::string checkWorld(const GameState& game) {
    if (!within(game.scrollRow, 16, kTrackRows - 1)) return "scrollRow";
    if (!within(game.scrollOffset, -31, 31)) return "scrollOffset";
    // Before the first road is drawn the table is still all zero.
    bool marker = false;
    bool neverDrawn = true;
    for (const ScreenPoint& p : game.obstacles) {
        if (p.x == -1) {
            marker = true;
            break;
        }
        neverDrawn = neverDrawn && p.x == 0 && p.y == 0;
    }
    if (!marker && !neverDrawn) return "obstacles without an end marker";
    for (const Spanner& s : game.spanners) {
        const bool unset = s.x == 0 && s.y == 0;  // before the first track
        if (s.x != -1 && !unset && (!within(s.x, 8, 488) || !within(s.y, 3208, 9576))) return "spanner";
    }
    for (uint8_t lane : game.traffic.laneMap) {
        if (lane > kTrackWidth) return "lane number";
    }
    return "";
}

}  // namespace

std::string brokenInvariant(const GameState& game) {
    if (game.damageLevel < 0) return "negative damage";
    if (!within(game.bonus, 0, 200)) return "bonus";
    if (game.stageNumber < 1) return "stage number";
    if (!within(game.playerGear, -2, 3)) return "gear";
    if (!within(game.playerVehicle, 0, 1)) return "vehicle picture";
    if (game.playerY != 320) return "player height";
    if (!within(game.frameCounter, 0, 29) || !within(game.trafficPhase, 0, 1)) return "loop counters";
    if (!within(game.controls.fireCooldown, 0, 10)) return "fire cooldown";
    for (const std::string& broken : {checkWorld(game), checkVehicles(game), checkShotsAndExplosions(game)}) {
        if (!broken.empty()) return broken;
    }
    return "";
}

}  // namespace kestrway
