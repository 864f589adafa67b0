// The game starts and plays whatever lies in its data folder: nothing at
// all, maps full of unknown codes, truncated or garbage pictures and maps.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "game/game_invariants.h"
#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "support/game_harness.h"
#include "support/map_files.h"

namespace kestrway {
namespace {

namespace fs = std::filesystem;
using Rewrite = std::function<std::string(const std::string& original)>;

// Two stages' worth of driving, steering, firing and gear changes, then
// Escape to the title and the close button there: every invariant holds
// and the game ends by itself.
void playExpectingCleanEnd(const fs::path& folder) {
    GameHarness harness(folder);
    headless::typeKey(' ', 0.1);
    headless::typeKey(' ', 0.2);
    for (int i = 0; i < 3; ++i) headless::holdKey(kScanUp, 0.3 + 0.1 * i, 0.33 + 0.1 * i);
    headless::holdKey(kScanSpace, 0.3, 12.0);
    headless::holdKey(kScanLeft, 2.0, 3.0);
    headless::holdKey(kScanRight, 4.0, 6.0);
    for (int i = 0; i < 10; ++i) {
        headless::holdKey(kScanUp, 6.0 + i, 6.05 + i);  // back in gear after any crash
        headless::typeKey(' ', 6.5 + i);                // through any still screen
    }
    headless::holdKey(kScanEscape, 17.0, 17.1);
    headless::typeKey(' ', 17.5);
    headless::holdKey(kScanEscape, 17.6, 17.7);
    headless::holdKey(kScanEscape, 18.0, 18.1);
    std::string broken;
    EXPECT_EQ(harness.run([&](GameState& game) {
        if (broken.empty()) broken = brokenInvariant(game);
    }),
              0);
    EXPECT_EQ(broken, "");
    EXPECT_GT(harness.playFrames(), 500);
}

TEST(BadData, MissingTruncatedOrGarbageFilesAreSurvived) {
    std::mt19937 random(99);
    const std::pair<const char*, Rewrite> cases[] = {
        {"no files at all", nullptr},
        {"truncated", [](const std::string& whole) { return whole.substr(0, whole.size() / 3); }},
        {"garbage",
         [&](const std::string&) {
             std::string bytes = "BM";
             const size_t size = 2 + random() % 3000;
             while (bytes.size() < size) bytes.push_back(static_cast<char>(random()));
             return bytes;
         }},
    };
    const fs::path folder =
        fs::temp_directory_path() / ("kestrway_bad_" + std::to_string(::getpid()));
    for (const auto& [name, rewrite] : cases) {
        SCOPED_TRACE(name);
        fs::remove_all(folder);
        fs::create_directories(folder);
        // Every file of the real data folder, rewritten.
        for (const auto& entry : fs::recursive_directory_iterator(KESTRWAY_DATA_DIR)) {
            if (!rewrite || !entry.is_regular_file()) continue;
            const fs::path file = folder / fs::relative(entry.path(), KESTRWAY_DATA_DIR);
            fs::create_directories(file.parent_path());
            std::ifstream in(entry.path(), std::ios::binary);
            std::ofstream(file, std::ios::binary) << rewrite(
                std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
        }
        playExpectingCleanEnd(folder);
    }
    fs::remove_all(folder);
}

TEST(BadData, MapsFullOfUnknownCodesArePlayed) {
    const ChunkRows high = uniformChunk(
        std::string("\xFF\x15\x80\x16\xC8\x15\xFF\xFE\x15\x30\x40\x7F\x99\x15\x21\xFF"));
    ChunkRows mixed = uniformChunk("....1112222....T");
    for (size_t row = 0; row < mixed.size(); row += 3) mixed[row][6] = '\xF0';
    TestDataFolder data({high, mixed, high, mixed});
    playExpectingCleanEnd(data.path());
}

}  // namespace
}  // namespace kestrway
