// Writes the whole generated data tree: gfx/, fonts/, map/ and sfx/ under one root folder.
#pragma once

#include <filesystem>

namespace kestrway {

// Throws std::runtime_error when a picture breaks its rules or a file cannot be written.
void writeDataTree(const std::filesystem::path& root);

}  // namespace kestrway
