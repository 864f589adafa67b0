// loadBitmap from disk: game-style names, missing files and folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "bmp_test_fixture.h"
#include "platform/files.h"

namespace kestrway::bmptest {
namespace {

class BmpFileTest : public BmpTest {
protected:
    void SetUp() override {
        BmpTest::SetUp();
        folder_ = std::filesystem::temp_directory_path() /
                  ("kestrway_bmp_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        std::filesystem::create_directories(folder_ / "gfx" / "sub.bmp");
        BmpFields bmp;
        bmp.width = 2;
        bmp.height = 1;
        bmp.bitCount = 24;
        bmp.pixels = packRows(2, 1, 24, [](int32_t x, int32_t) { return x == 0 ? 0x102030u : 0x405060u; });
        const std::vector<uint8_t> file = makeBmp(bmp);
        std::ofstream(folder_ / "gfx" / "two.bmp", std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        setDataFolder(folder_.string());
    }
    void TearDown() override {
        setDataFolder("");
        std::filesystem::remove_all(folder_);
        BmpTest::TearDown();
    }
    std::filesystem::path folder_;
};

TEST_F(BmpFileTest, ReadsAFileNamedWithBackslashes) {
    ImagePtr image = blank(3, 1);
    ASSERT_EQ(loadBitmap("gfx\\two.bmp", image.get()), ErrorCode::kOk);
    EXPECT_EQ(pixelsOf(*image), (std::vector<uint32_t>{0xFF102030, 0xFF405060, kUntouched}));
    ImagePtr again = blank(2, 1);
    ASSERT_EQ(loadBitmap("gfx/two.bmp", again.get()), ErrorCode::kOk);
}

TEST_F(BmpFileTest, MissingFilesAndFoldersLeaveTheImageExactly) {
    ImagePtr image = blank(16, 16);
    EXPECT_EQ(loadBitmap("gfx\\missing.bmp", image.get()), ErrorCode::kFileNotFound);
    EXPECT_EQ(loadBitmap("gfx\\sub.bmp", image.get()), ErrorCode::kFileNotFound);
    EXPECT_TRUE(allUntouched(*image));
    EXPECT_EQ(image->header.width, 16u);
}

TEST_F(BmpFileTest, IllegalBeforeTheScreenOpensOrWithoutAnImage) {
    EXPECT_EQ(loadBitmap("gfx\\two.bmp", nullptr), ErrorCode::kIllegalCall);
    ImagePtr image = blank(2, 1);
    headless::reset();
    EXPECT_EQ(loadBitmap("gfx\\two.bmp", image.get()), ErrorCode::kIllegalCall);
    EXPECT_TRUE(allUntouched(*image));
}

}  // namespace
}  // namespace kestrway::bmptest
