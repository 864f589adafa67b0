// The program's entry into the game: start-up, then the game, stage and
// frame loops. Never returns; the program ends through endProgram.
#pragma once

namespace kestrway {

struct GameState;

[[noreturn]] void runGame(GameState& game, int argc, char** argv);
// Start-up alone: the command line, the seed, the screen (a window unless
// windowless), every picture and the map chunks.
void startUp(GameState& game, int argc, char** argv);

}  // namespace kestrway
