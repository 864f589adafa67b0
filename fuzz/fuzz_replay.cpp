// Fuzzes the replay reader and playback: each input is read as a replay
// file, and every game it holds (up to a few hundred frames of reads) is
// played from its snapshot with its input, windowless, as --verify does.
// The sanitizers catch any read or write outside a table, and any overflow
// a hostile snapshot could cause.
#include <cstdint>
#include <span>
#include <vector>

#include "game/replay_run.h"
#include "game/run_game.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "platform/replay_file.h"
#include "platform/replay_input.h"
#include "platform/windowless.h"
#include "state/game_state.h"

namespace {

// A few hundred frames: enough to reach traffic, shots and the still
// screens, few enough for many inputs a second.
constexpr uint64_t kMaxReads = 3000;

kestrway::GameState& startedGame() {
    static kestrway::GameState& game = []() -> kestrway::GameState& {
        auto& state = *new kestrway::GameState;
        kestrway::headless::reset();
        kestrway::setDataFolder(KESTRWAY_DATA_DIR);
        kestrway::setWindowless(true);
        kestrway::setPixelsDiscarded(true);
        char program[] = "kestrway";
        char* argv[] = {program};
        kestrway::startUp(state, 1, argv);
        return state;
    }();
    return game;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kestrway::GameState& game = startedGame();
    // The checksum made right, so that mutations reach the structure behind
    // it (the unit tests cover damaged checksums).
    std::vector<uint8_t> bytes(data, data + size);
    if (bytes.size() >= 12) {
        const uint32_t crc = kestrway::crc32(std::span(bytes).first(bytes.size() - 4));
        for (size_t i = 0; i < 4; ++i)
            bytes[bytes.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
    }
    kestrway::Replay replay;
    if (!kestrway::decodeReplay(bytes, replay).empty()) return 0;
    for (const kestrway::RecordedGame& recorded : replay.games) {
        uint64_t reads = 0;
        if (!kestrway::inputWellFormed(recorded.input, reads) || reads > kMaxReads) continue;
        kestrway::GameEnd end;
        kestrway::replayGame(game, recorded, end);
    }
    return 0;
}
