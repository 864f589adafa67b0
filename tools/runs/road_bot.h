// A scripted player for the headless backend that drives like a careful
// human (following the road, steering round trees, towers and traffic,
// picking up spanners, firing ahead) or a reckless one, game after game, and
// ends each game the way its plan says.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "state/game_state.h"
#include "support/run_tally.h"

namespace kestrway {

enum class GameClose {
    kEscape,       // Escape pressed and released in play: back to the title
    kCloseButton,  // the close button in play: the program ends in the game
    kDestroyed,    // played until the car is destroyed
};

struct GamePlan {
    bool careful = true;
    GameClose close = GameClose::kEscape;
    // For kEscape and kCloseButton: true once the game has shown enough.
    std::function<bool(const RunTally& game, double seconds)> enough;
};

class RoadBot {
  public:
    explicit RoadBot(std::vector<GamePlan> plans) : plans_(std::move(plans)) {}
    // Called after every presenter pass: reads the state (never changes it)
    // and scripts the keys for the next pass. After the last game it
    // presses the close button on the title.
    void onPass(const GameState& game);
    // Every game's tally so far, added up.
    RunTally total() const;
    int32_t gamesPlayed() const { return static_cast<int32_t>(tallies_.size()); }

  private:
    void drive(const GameState& game, double now, bool careful);

    std::vector<GamePlan> plans_;
    std::vector<RunTally> tallies_;
    RunObserver observer_;
    bool inGame_ = false;
    bool ending_ = false;
    bool closed_ = false;
    double gameStart_ = 0;
    double nextSpace_ = 0;
    int32_t lastFrameCounter_ = -1;
    int32_t stillPasses_ = 0;
};

}  // namespace kestrway
