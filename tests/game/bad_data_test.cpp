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

const char* const kGameFiles[] = {
    "gfx/car.bmp", "gfx/boat.bmp", "gfx/ui/square1.bmp", "gfx/ui/square2.bmp", "gfx/car1.bmp",
    "gfx/car2.bmp", "gfx/tank.bmp", "gfx/tank2.bmp", "gfx/start.bmp", "gfx/collect/spanner.bmp",
    "gfx/shot.bmp", "gfx/rocket.bmp", "gfx/rocket2.bmp", "gfx/shot2.bmp", "gfx/explosion.bmp",
    "gfx/logo.bmp", "fonts/arial_16_white.bmp", "map/01.bmp", "map/02.bmp", "map/03.bmp",
    "map/04.bmp",
    "gfx/forest/grass.bmp", "gfx/forest/road.bmp", "gfx/forest/water.bmp", "gfx/forest/tree.bmp",
    "gfx/forest/corner1.bmp", "gfx/forest/corner2.bmp", "gfx/forest/corner3.bmp",
    "gfx/forest/corner4.bmp", "gfx/forest/tower.bmp",
    "gfx/desert/grass.bmp", "gfx/desert/road.bmp", "gfx/desert/water.bmp", "gfx/desert/tree.bmp",
    "gfx/desert/corner1.bmp", "gfx/desert/corner2.bmp", "gfx/desert/corner3.bmp",
    "gfx/desert/corner4.bmp", "gfx/desert/tower.bmp",
};

class BadDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("kestrway_bad_" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void writeEveryFile(const std::function<std::string(const std::string&)>& contents) {
        for (const char* name : kGameFiles) {
            const fs::path file = folder_ / name;
            fs::create_directories(file.parent_path());
            std::ofstream(file, std::ios::binary) << contents(name);
        }
    }

    // Two stages' worth of driving, steering, firing and gear changes, then
    // Escape to the title and the close button there.
    void playAndExpectCleanEnd() {
        GameHarness harness(folder_);
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
        int64_t frames = 0;
        int32_t lastFrameCounter = -1;
        const int32_t exitCode = harness.run([&](GameState& game) {
            if (broken.empty()) broken = brokenInvariant(game);
            if (game.frameCounter != lastFrameCounter) ++frames;
            lastFrameCounter = game.frameCounter;
        });
        EXPECT_EQ(exitCode, 0);
        EXPECT_EQ(broken, "");
        EXPECT_GT(frames, 500);
    }

    fs::path folder_;
};

TEST_F(BadDataTest, NoFilesAtAll) { playAndExpectCleanEnd(); }

TEST_F(BadDataTest, MapsFullOfUnknownCodes) {
    for (const char* picture : kGameFiles) {
        const fs::path from = fs::path(KESTRWAY_DATA_DIR) / picture;
        if (std::string(picture).starts_with("map/") || !fs::exists(from)) continue;
        fs::create_directories((folder_ / picture).parent_path());
        fs::copy_file(from, folder_ / picture);
    }
    fs::create_directories(folder_ / "map");
    const ChunkRows high = uniformChunk(std::string("\xFF\x15\x80\x16\xC8\x15\xFF\xFE\x15\x30\x40\x7F\x99\x15\x21\xFF"));
    ChunkRows mixed = uniformChunk("....1112222....T");
    for (size_t row = 0; row < mixed.size(); row += 3) mixed[row][6] = '\xF0';
    writeMapFile(folder_ / "map" / "01.bmp", high);
    writeMapFile(folder_ / "map" / "02.bmp", mixed);
    writeMapFile(folder_ / "map" / "03.bmp", high);
    writeMapFile(folder_ / "map" / "04.bmp", mixed);
    playAndExpectCleanEnd();
}

TEST_F(BadDataTest, TruncatedFiles) {
    writeEveryFile([](const std::string& name) {
        std::ifstream in(fs::path(KESTRWAY_DATA_DIR) / name, std::ios::binary);
        std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return whole.substr(0, whole.size() / 3);
    });
    playAndExpectCleanEnd();
}

TEST_F(BadDataTest, GarbageFiles) {
    std::mt19937 random(99);
    writeEveryFile([&](const std::string&) {
        std::string bytes = "BM";
        const size_t size = 2 + random() % 3000;
        while (bytes.size() < size) bytes.push_back(static_cast<char>(random()));
        return bytes;
    });
    playAndExpectCleanEnd();
}

TEST_F(BadDataTest, HeadersThatPromiseHugePictures) {
    writeEveryFile([](const std::string&) {
        // A 40-byte header claiming 2^31-1 by -2^31 pixels of 32 bits, then nothing.
        std::string bytes("BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\xFF\xFF\xFF\x7F\0\0\0\x80\x01\0\x20\0", 30);
        bytes.append(24, '\0');
        return bytes;
    });
    playAndExpectCleanEnd();
}

}  // namespace
}  // namespace kestrway
