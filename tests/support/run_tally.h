// What happened in a run, told from the game's state pass by pass: tanks and
// civilian cars destroyed (by the score's steps), spanners taken, the boat
// on water, rockets and tower rounds in the air, stages completed, and how
// each game ended. Shared by the scripted player and the tests that check
// what a recording holds.
#pragma once

#include <array>
#include <cstdint>

#include "state/game_state.h"

namespace kestrway {

struct RunTally {
    int32_t tanksDestroyed = 0;
    int32_t civiliansDestroyed = 0;
    int32_t spannersTaken = 0;
    int32_t waterPasses = 0;
    int32_t rocketsSeen = 0;
    int32_t towerRoundsSeen = 0;
    int32_t stagesCompleted = 0;
    int32_t highestStage = 1;

    // Adds another game's counts; the highest stage is the higher of the two.
    RunTally& operator+=(const RunTally& other);
};

class RunObserver {
  public:
    // Called once per presenter pass with the state as it is then.
    void observe(const GameState& game);
    const RunTally& tally() const { return tally_; }

  private:
    RunTally tally_;
    bool seen_ = false;
    int32_t score_ = 0;
    int32_t stage_ = 1;
    int32_t spannersLeft_ = 0;
    // Shots alive at the last pass, by slot: a slot that turns active, or
    // holds a younger shot than before, holds a new one.
    std::array<int32_t, kShotSlots> shotAge_{};
    std::array<bool, kShotSlots> shotActive_{};
};

}  // namespace kestrway
