// Telling a run's events from its state, pass by pass.
#include "support/run_tally.h"

#include <algorithm>

namespace kestrway {

namespace {

constexpr int32_t kVehicleScore = 10;
constexpr int32_t kSpannerScore = 20;
constexpr int32_t kRocketUpPicture = 1;
constexpr int32_t kRocketDownPicture = 2;
constexpr int32_t kTowerRoundPicture = 3;
constexpr int32_t kBoat = 1;

int32_t spannersLeft(const GameState& game) {
    int32_t left = 0;
    for (const Spanner& spanner : game.spanners) left += spanner.x != -1;
    return left;
}

}  // namespace

void RunObserver::observe(const GameState& game) {
    const int32_t left = spannersLeft(game);
    if (!seen_) {
        seen_ = true;
        score_ = game.score;
        stage_ = game.stageNumber;
        spannersLeft_ = left;
    }
    int32_t step = game.score - score_;
    if (game.stageNumber > stage_) {
        // The stage's bonus went into the score on its last screen.
        ++tally_.stagesCompleted;
        step = 0;
    } else if (game.stageNumber < stage_) {
        step = 0;  // a new game
    } else if (left < spannersLeft_) {
        tally_.spannersTaken += spannersLeft_ - left;
        // A spanner taken with no damage to mend scores.
        if (step >= kSpannerScore) step -= kSpannerScore;
    }
    if (step > 0) tally_.tanksDestroyed += step / kVehicleScore;
    if (step < 0) tally_.civiliansDestroyed += -step / kVehicleScore;
    if (game.stageNumber > tally_.highestStage) tally_.highestStage = game.stageNumber;
    tally_.waterPasses += game.playerVehicle == kBoat;
    for (size_t i = 0; i < game.shots.shots.size(); ++i) {
        const Shot& shot = game.shots.shots[i];
        const bool active = shot.active != 0;
        const bool fresh = active && (!shotActive_[i] || shot.age < shotAge_[i]);
        if (fresh && shot.owner == kEnemyShot) {
            if (shot.picture == kRocketUpPicture || shot.picture == kRocketDownPicture) {
                ++tally_.rocketsSeen;
            } else if (shot.picture == kTowerRoundPicture) {
                ++tally_.towerRoundsSeen;
            }
        }
        shotActive_[i] = active;
        shotAge_[i] = shot.age;
    }
    score_ = game.score;
    stage_ = game.stageNumber;
    spannersLeft_ = left;
}

RunTally& RunTally::operator+=(const RunTally& other) {
    tanksDestroyed += other.tanksDestroyed;
    civiliansDestroyed += other.civiliansDestroyed;
    spannersTaken += other.spannersTaken;
    waterPasses += other.waterPasses;
    rocketsSeen += other.rocketsSeen;
    towerRoundsSeen += other.towerRoundsSeen;
    stagesCompleted += other.stagesCompleted;
    highestStage = std::max(highestStage, other.highestStage);
    return *this;
}

}  // namespace kestrway
