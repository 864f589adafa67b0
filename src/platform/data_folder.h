// Where the game's pictures, font and maps are found: the working directory
// when it holds them, otherwise the copy installed with the program. Its
// sounds are read from sfx/ in the same folder, but a folder without them
// still counts (a missing sound is silence).
#pragma once

#include <string>
#include <vector>

namespace kestrway {

// The folders looked in, in order: the working directory, the executable's
// own folder (an unpacked release), <its folder>/../share/kestrway (an
// installed prefix) and <its folder>/../share/games/kestrway (Debian's
// games layout, the program in /usr/games).
std::vector<std::string> dataFolderCandidates(const std::string& workingDirectory,
                                              const std::string& executablePath);

// "" (read from the working directory) when workingDirectory holds gfx/,
// fonts/ and map/; otherwise the first other candidate that holds them; ""
// again when none does.
std::string findDataFolder(const std::string& workingDirectory, const std::string& executablePath);

// True when any candidate holds gfx/, fonts/ and map/.
bool anyDataFolderFound(const std::string& workingDirectory, const std::string& executablePath);

// The running program's own path (empty when the system does not say).
std::string executablePath();

}  // namespace kestrway
