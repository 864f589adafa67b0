// Replays of whole games: recording the run's games into a file, playing
// them back in the window, and verifying them with no window at all. The
// rules run exactly as in play; only the keyboard's answers and the random
// generator's starting state come from the file.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "game/play_game.h"
#include "platform/replay_file.h"
#include "platform/replay_input.h"
#include "state/game_state.h"

namespace kestrway {

// Bumped whenever a rule of play changes, so that older replays are refused
// instead of going their own way.
constexpr uint32_t kRulesVersion = 1;

// What the loaded data makes of a header: the map chunks' and start-up
// pictures' checksums.
ReplayHeader replayHeaderFor(const GameState& game);

// Recording (--record FILE): from here on, each game from beginRecordedGame
// to endRecordedGame is added to FILE, which is rewritten whole after each
// game and when the program ends. A file that cannot be written is reported
// once on standard error; play goes on.
void startRecording(const GameState& game, const std::string& path);
// `progress` is the game's end as playGame keeps it up to date.
void beginRecordedGame(GameState& game, const GameEnd& progress);
void endRecordedGame(const GameEnd& end);

enum class ReplayOutcome {
    kEnded,
    kIncomplete,
    kDesynchronised,
    kInputLeftOver,
    kViewerStopped,  // a live key the playback listens to
    kCloseButton,    // the live close button
};

// Plays one recorded game from its snapshot with its recorded input; the
// program's own ending inside it (endProgram) ends the game, not the
// program. `end` says how far it got; `liveKeys` which live keys stop it.
ReplayOutcome replayGame(GameState& game, const RecordedGame& recorded, GameEnd& end,
                         LiveKeys liveKeys = LiveKeys::kViewer);

// Reads and checks a replay against the loaded data: "" when it can be
// played; a warning (other pictures) goes to `warning`.
std::string loadReplay(const GameState& game, const std::string& path, Replay& replay,
                       std::string& warning);

// --verify FILE: every game of the file, windowless, as fast as the machine
// goes; one line per game on out, problems on err. Returns the exit
// status: 0 all match, 1 one differs or is incomplete, 2 unusable file.
int32_t verifyReplay(GameState& game, const std::string& path, std::ostream& out,
                     std::ostream& err);

// --verify FILE from the program's entry: start-up with no window, then
// verifyReplay. Returns the exit status.
int32_t runVerification(GameState& game, int argc, char** argv, const std::string& path,
                        std::ostream& out, std::ostream& err);

// --play FILE: the file's games in the window, at the normal pace; Escape or
// the close button stops it. Returns when done or stopped; false when the
// file cannot be played (said on standard error).
bool playReplay(GameState& game, const std::string& path);

}  // namespace kestrway
