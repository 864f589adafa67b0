// Runs the whole game on the headless backend until it ends, and records
// what the window showed at every presenter pass.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace kestrway {

// What a test can tell from one presenter pass.
struct PassRecord {
    double seconds;
    bool titleShown;  // the title's dark blue shows where the road would be
    int32_t frameCounter;
};

class GameHarness {
  public:
    explicit GameHarness(const std::filesystem::path& dataFolder, double clockStart = 1000.0);
    ~GameHarness();
    // Runs runGame until endProgram; gives its exit code. onPass runs after
    // each presenter pass with the game's state (to script reactive input).
    // arguments follow the program's name on its command line.
    int32_t run(std::function<void(GameState&)> onPass = {},
                std::vector<std::string> arguments = {});
    GameState& game() { return *game_; }
    // Frames of play so far: the frame counter moves on in each of them and
    // stands still on the still screens.
    int64_t playFrames() const;
    // First pass at or after a time.
    const PassRecord& passAt(double seconds) const;

  private:
    std::unique_ptr<GameState> game_;
    std::vector<PassRecord> passes_;
};

// A player mashing keys from 0.05 s to `seconds`: gears, steering, fire,
// Space for the still screens and typed junk; with `quits`, now and then
// Escape and rarely the close button too.
void scriptKeyMasher(std::mt19937& random, double seconds, bool quits);

}  // namespace kestrway
