// The program's entry into the game: start-up, then the game, stage and
// frame loops. Never returns; the program ends through endProgram.
#pragma once

namespace kestrway {

struct GameState;

[[noreturn]] void runGame(GameState& game, int argc, char** argv);

}  // namespace kestrway
