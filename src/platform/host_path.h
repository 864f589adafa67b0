// Paths held as UTF-8 strings, whatever the system's own path encoding: on
// Windows a narrow path would be read in the user's code page, and a folder
// named with characters outside it could not be opened at all.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace kestrway {

std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);
// fopen(utf8Path, "rb"), with the name read as UTF-8 on every system.
std::FILE* openBinaryForReading(const std::string& utf8Path);

}  // namespace kestrway
