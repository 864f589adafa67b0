// Program start and end. endProgram is the only way the game ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrway {

void startProgram(int argc, char** argv);
const std::vector<std::string>& programArguments();
// Closes the window and ends the process with exitCode (the headless
// backend hands control back to the test instead). Never returns.
[[noreturn]] void endProgram(int32_t exitCode);

}  // namespace kestrway
