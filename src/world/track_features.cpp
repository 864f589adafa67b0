// Dressing a built track: road corners, gun towers, repair spanners and the
// start and finish lines, in that order.
#include <cmath>

#include "platform/random.h"
#include "world/track.h"

namespace kestrway {

namespace {

constexpr int32_t kStartLineRow = 394;
constexpr int32_t kFinishLineRow = 11;
constexpr int32_t kFirstSpannerRow = 100;
constexpr int32_t kSpannerRowSpan = 200;
constexpr int32_t kSpannerMargin = 8;
constexpr int32_t kTowerChanceBase = 3;  // per cent at stage 0

int32_t randomBelow(int32_t n) {
    return static_cast<int32_t>(std::floor(randomUnit() * n));
}

// A neighbour before the start of the track counts as not road.
uint8_t codeAt(const GameState& game, int32_t entry) {
    return entry < 0 ? uint8_t{kGrass} : game.track[static_cast<size_t>(entry)];
}

// Both lanes of a pair must be the same kind of road to form a bend.
bool formRoad(uint8_t a, uint8_t b) {
    return (a == kRoad1 && b == kRoad1) || (a == kRoad2 && b == kRoad2);
}

// Neighbours follow the track's row-major order, so a column-0 cell's left
// neighbour is the last cell of the row above, and a column-15 cell's right
// neighbour the first cell of the row below. The last row keeps its codes.
void placeCorners(GameState& game) {
    for (int32_t entry = 0; entry < (kTrackRows - 1) * kTrackWidth; ++entry) {
        if (game.track[static_cast<size_t>(entry)] != kGrass) continue;
        const uint8_t right = codeAt(game, entry + 1);
        const uint8_t left = codeAt(game, entry - 1);
        const uint8_t below = codeAt(game, entry + kTrackWidth);
        const uint8_t above = codeAt(game, entry - kTrackWidth);
        uint8_t code = kGrass;
        // Later tests win.
        if (formRoad(right, below)) code = kCorner1;
        if (formRoad(left, below)) code = kCorner4;
        if (formRoad(right, above)) code = kCorner3;
        if (formRoad(left, above)) code = kCorner2;
        game.track[static_cast<size_t>(entry)] = code;
    }
}

// One draw per cell, tree or not, so later stages keep the same sequence.
void placeTowers(GameState& game) {
    const int64_t chance = int64_t{game.stageNumber} + kTowerChanceBase;
    for (uint8_t& code : game.track) {
        const int32_t roll = randomBelow(100);
        if (code == kTree && roll < chance) code = kTower;
    }
}

void placeSpanners(GameState& game) {
    for (Spanner& spanner : game.spanners) {
        spanner = Spanner{-1, 0};
        for (int32_t attempt = 0; attempt < kMaxSpannerAttempts; ++attempt) {
            const int32_t column = randomBelow(kTrackWidth);
            const int32_t row = randomBelow(kSpannerRowSpan) + kFirstSpannerRow;
            if (game.track[static_cast<size_t>(row * kTrackWidth + column)] < kTree) {
                spanner =
                    Spanner{kTileSize * column + kSpannerMargin, kTileSize * row + kSpannerMargin};
                break;
            }
        }
    }
}

// Road cells keep their codes so the traffic lanes run through the lines.
void placeLines(GameState& game) {
    for (int32_t row : {kStartLineRow, kFinishLineRow}) {
        for (int32_t column = 0; column < kTrackWidth; ++column) {
            uint8_t& code = game.track[static_cast<size_t>(row * kTrackWidth + column)];
            if (code != kRoad1 && code != kRoad2) code = kStartLine;
        }
    }
}

}  // namespace

void placeTrackFeatures(GameState& game) {
    placeCorners(game);
    placeTowers(game);
    placeSpanners(game);
    placeLines(game);
    game.stageComplete = 0;
}

}  // namespace kestrway
