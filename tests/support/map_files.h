// Map chunk files for tests, written from rows of characters: '.' grass,
// '1' and '2' the two road codes, '~' water, 'T' tree; any other character
// is written as its own byte value.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace kestrway {

// 50 rows of 16 characters, chunk row 0 (the far end) first. Shorter rows
// and missing rows are grass.
using ChunkRows = std::vector<std::string>;

// A temporary data folder: the real pictures and font (linked), and map
// files "01".."04" from the given chunks (fewer chunks, fewer files).
class TestDataFolder {
  public:
    explicit TestDataFolder(const std::vector<ChunkRows>& chunks);
    ~TestDataFolder();
    TestDataFolder(const TestDataFolder&) = delete;
    TestDataFolder& operator=(const TestDataFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Every row the same.
ChunkRows uniformChunk(const std::string& row);

}  // namespace kestrway
