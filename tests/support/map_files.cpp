// Writes test map chunks and test data folders.
#include "support/map_files.h"

#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

namespace kestrway {

namespace {

// Little-endian, as BMP stores its numbers.
void put(std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(value >> (8 * i)));
}

uint8_t tileCodeForChar(char c) {
    const size_t code = std::string_view(".12~T").find(c);
    return static_cast<uint8_t>(code == std::string_view::npos ? static_cast<uint8_t>(c) : code);
}

// An 8-bit 16x50 BMP whose pixel values are the rows' tile codes.
void writeMapFile(const std::filesystem::path& file, const ChunkRows& rows) {
    constexpr uint32_t kPixelOffset = 14 + 40 + 256 * 4;
    std::ofstream out(file, std::ios::binary);
    out << "BM";
    for (uint32_t field : {kPixelOffset + 800, 0u, kPixelOffset, 40u, 16u, 50u}) put(out, field, 4);
    put(out, 1, 2);  // planes
    put(out, 8, 2);  // bits per pixel
    for (int i = 0; i < 6; ++i) put(out, 0, 4);
    for (uint32_t i = 0; i < 256; ++i) put(out, i * 0x010101, 4);  // grey palette
    for (int stored = 0; stored < 50; ++stored) {                  // bottom row first
        const size_t chunkRow = static_cast<size_t>(49 - stored);
        const std::string row = chunkRow < rows.size() ? rows[chunkRow] : "";
        for (size_t column = 0; column < 16; ++column) {
            out.put(static_cast<char>(tileCodeForChar(column < row.size() ? row[column] : '.')));
        }
    }
}

}  // namespace

TestDataFolder::TestDataFolder(const std::vector<ChunkRows>& chunks) {
    static std::atomic<int> counter{0};
    // Names are appended piece by piece: GCC 12 at -O3 reports a false
    // -Wrestrict on chained concatenations of temporaries.
    std::string name = "kestrway_data_";
    name += std::to_string(::getpid());
    name += '_';
    name += std::to_string(counter++);
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_ / "map");
    const std::filesystem::path real = KESTRWAY_DATA_DIR;
    for (const char* folder : {"gfx", "fonts"}) {
        std::error_code noLink;
        std::filesystem::create_directory_symlink(real / folder, path_ / folder, noLink);
        // Windows lets only administrators and developer mode make links.
        if (noLink) {
            std::filesystem::copy(real / folder, path_ / folder,
                                  std::filesystem::copy_options::recursive);
        }
    }
    for (size_t i = 0; i < chunks.size() && i < 4; ++i) {
        std::string file = "0";
        file += std::to_string(i + 1);
        file += ".bmp";
        writeMapFile(path_ / "map" / file, chunks[i]);
    }
}

TestDataFolder::~TestDataFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

ChunkRows uniformChunk(const std::string& row) {
    return ChunkRows(50, row);
}

}  // namespace kestrway
