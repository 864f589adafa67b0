// What the program does before it opens its window: answering --help and
// --version, and choosing the data folder. Shared by every program entry.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kestrway {

// The version CMake's project states, as --version prints it.
const char* programVersion();

// When any argument is --help or --version, prints its answer to out and
// returns true: the caller then ends with status 0 before any window opens.
// Other arguments are left to readReplayOptions.
bool answerInformationRequest(int argc, char** argv, std::ostream& out);

// The one line printed when none of the candidate folders holds the game's
// data; the game then runs with blank pictures.
std::string missingDataMessage(const std::vector<std::string>& candidates);

// Points file reading at the data folder for this working directory and
// program, and prints missingDataMessage to err when none holds the data.
void chooseDataFolder(const std::string& workingDirectory, const std::string& executablePath,
                      std::ostream& err);

}  // namespace kestrway
