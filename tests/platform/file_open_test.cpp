// Bounded file reads: loadBitmap and the numbered files (the map loader's)
// open only regular files of at most 64 MiB. A FIFO, a device, a link to
// /dev/zero or a file too big is error 3 at once; a missing file is 2.
#include "platform/file_open.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>

#include "platform/files.h"
#include "platform/headless/headless.h"
#include "platform/image.h"
#include "platform/screen.h"
#include "world/world_images.h"

namespace kestrway {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class FileOpenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        headless::reset();
        openScreen();
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "map");
        fs::copy_file(fs::path(KESTRWAY_DATA_DIR) / "gfx" / "tank2.bmp", folder_ / "good.bmp");
        ASSERT_EQ(::mkfifo((folder_ / "fifo.bmp").c_str(), 0600), 0);
        fs::create_symlink("/dev/zero", folder_ / "zero.bmp");
        fs::create_directories(folder_ / "folder.bmp");
        std::ofstream(folder_ / "big.bmp").close();
        fs::resize_file(folder_ / "big.bmp", kMaxGameFileBytes + 1);  // sparse: no disk used
        setDataFolder(folder_.string());
    }
    void TearDown() override {
        headless::reset();
        setDataFolder("");
        fs::remove_all(folder_);
    }
    // Runs the call on another thread; a call that blocks fails the test,
    // and a writer opened on the FIFO then lets it go.
    template <typename Call>
    auto promptly(Call call, const fs::path& fifo) {
        auto result = std::async(std::launch::async, call);
        if (result.wait_for(5s) == std::future_status::ready) return result.get();
        ADD_FAILURE() << "the call blocked";
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
        return result.get();
    }
    const fs::path folder_ =
        fs::temp_directory_path() / ("kestrway_open_" + std::to_string(::getpid()));
};

TEST_F(FileOpenTest, PicturesThatAreNotRegularFilesAreError3AtOnceAndLeaveTheImage) {
    ImagePtr image = createImage(16, 16, 0xFF123456u);
    const std::pair<const char*, ErrorCode> cases[] = {
        {"missing.bmp", ErrorCode::kFileNotFound},   {"folder.bmp", ErrorCode::kFileNotFound},
        {"missing/x.bmp", ErrorCode::kFileNotFound}, {"/dev/null", ErrorCode::kFileError},
        {"fifo.bmp", ErrorCode::kFileError},         {"zero.bmp", ErrorCode::kFileError},
        {"/dev/zero", ErrorCode::kFileError},        {"big.bmp", ErrorCode::kFileError}};
    for (const auto& [name, code] : cases) {
        const char* path = name;  // a lambda cannot capture a structured binding in clang 14
        EXPECT_EQ(promptly([&] { return loadBitmap(path, image.get()); }, folder_ / "fifo.bmp"),
                  code)
            << name;
    }
    for (int32_t y = 0; y < 16; ++y) {
        for (int32_t x = 0; x < 16; ++x) ASSERT_EQ(image->row(y)[x], 0xFF123456u);
    }
    // A good picture, and one with zeros after it up to exactly 64 MiB, load.
    EXPECT_EQ(loadBitmap("good.bmp", image.get()), ErrorCode::kOk);
    fs::resize_file(folder_ / "good.bmp", kMaxGameFileBytes);
    EXPECT_EQ(loadBitmap("good.bmp", image.get()), ErrorCode::kOk);
}

TEST_F(FileOpenTest, MapFilesThatAreNotRegularFilesAreSkippedLikeMissingOnes) {
    // 01 a FIFO, 02 a link to /dev/zero, 03 too big, 04 a real map: the
    // numbered files refuse them without keeping the number.
    ASSERT_EQ(::mkfifo((folder_ / "map" / "01.bmp").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder_ / "map" / "02.bmp");
    std::ofstream(folder_ / "map" / "03.bmp").close();
    fs::resize_file(folder_ / "map" / "03.bmp", kMaxGameFileBytes + 1);
    fs::copy_file(fs::path(KESTRWAY_DATA_DIR) / "map" / "04.bmp", folder_ / "map" / "04.bmp");
    auto game = std::make_unique<GameState>();
    promptly([&] { loadMapChunks(*game); }, folder_ / "map" / "01.bmp");
    auto reference = std::make_unique<GameState>();
    setDataFolder(KESTRWAY_DATA_DIR);
    loadMapChunks(*reference);
    EXPECT_EQ(game->mapChunks[0], reference->mapChunks[3]);  // the only one read moved up
    EXPECT_EQ(game->mapChunks[1], MapChunk{});
}

}  // namespace
}  // namespace kestrway
