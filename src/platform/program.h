// Program start and end. endProgram is the only way the game ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrway {

void startProgram(int argc, char** argv);
const std::vector<std::string>& programArguments();
// Game thread: called by endProgram first, before the window closes (a
// recording is saved there). nullptr for none. Returns the hook it replaces.
using ProgramEndHook = void (*)(int32_t exitCode);
ProgramEndHook setProgramEndHook(ProgramEndHook hook);
// Closes the window and ends the process with exitCode (the headless
// backend hands control back to the test instead). Never returns.
[[noreturn]] void endProgram(int32_t exitCode);

}  // namespace kestrway
