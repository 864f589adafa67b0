// Where the game's pictures, font and maps are found: the working directory
// when it holds them, otherwise the copy installed with the program.
#pragma once

#include <string>

namespace kestrway {

// "" (read from the working directory) when workingDirectory holds gfx/,
// fonts/ and map/; otherwise the first of the executable's own folder and
// <its folder>/../share/kestrway that holds them; "" again when none does.
std::string findDataFolder(const std::string& workingDirectory, const std::string& executablePath);

// The running program's own path (empty when the system does not say).
std::string executablePath();

}  // namespace kestrway
