// Numbered file reading: positions counted from 1, zero fill, number errors.
#include "platform/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/headless/headless.h"

namespace kestrway {
namespace {

// A data folder holding sub/data.bin: the bytes 1..100.
class FilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        headless::reset();
        std::filesystem::create_directories(folder_ / "sub");
        std::ofstream out(folder_ / "sub" / "data.bin", std::ios::binary);
        for (int i = 1; i <= 100; ++i) out.put(static_cast<char>(i));
        setDataFolder(folder_.string());
    }
    void TearDown() override {
        headless::reset();
        setDataFolder("");
        std::filesystem::remove_all(folder_);
    }
    const std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() / ("kestrway_files_" + std::to_string(::getpid()));
};

TEST_F(FilesTest, PositionsCountFromOneZeroMeansCurrentAndPastTheEndReadsZero) {
    ASSERT_EQ(openFileRead("sub\\data.bin", 1), ErrorCode::kOk);  // either separator
    uint8_t bytes[101];
    ASSERT_EQ(readFileBytes(1, 0, bytes, 2), ErrorCode::kOk);
    ASSERT_EQ(readFileBytes(1, 0, bytes + 2, 2), ErrorCode::kOk);  // continues
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 4), (std::vector<uint8_t>{1, 2, 3, 4}));
    ASSERT_EQ(readFileBytes(1, 11, bytes, 1), ErrorCode::kOk);
    EXPECT_EQ(bytes[0], 11);
    std::fill(std::begin(bytes), std::end(bytes), 0xAA);
    ASSERT_EQ(readFileBytes(1, 1, bytes, sizeof bytes), ErrorCode::kOk);
    EXPECT_EQ(bytes[99], 100);
    EXPECT_EQ(bytes[100], 0);  // a short file fills with zero
    std::fill(std::begin(bytes), std::end(bytes), 0xAA);
    EXPECT_EQ(readFileBytes(1, 5000000000LL, bytes, 8), ErrorCode::kOk);
    EXPECT_EQ(bytes[0] | bytes[7], 0);
    EXPECT_EQ(closeFile(1), ErrorCode::kOk);
}

TEST_F(FilesTest, FileNumbersAreCheckedAndFreedOnClose) {
    EXPECT_EQ(openFileRead("sub/data.bin", 0), ErrorCode::kIllegalCall);
    EXPECT_EQ(openFileRead("sub/data.bin", 256), ErrorCode::kIllegalCall);
    EXPECT_EQ(openFileRead("sub/missing.bin", 1), ErrorCode::kFileNotFound);
    ASSERT_EQ(openFileRead("sub/data.bin", 1), ErrorCode::kOk);  // the failure left 1 free
    EXPECT_EQ(openFileRead("sub/data.bin", 1), ErrorCode::kIllegalCall);
    uint8_t byte = 0;
    EXPECT_EQ(readFileBytes(1, -1, &byte, 1), ErrorCode::kIllegalCall);
    EXPECT_EQ(readFileBytes(2, 0, &byte, 1), ErrorCode::kIllegalCall);
    EXPECT_EQ(closeFile(1), ErrorCode::kOk);
    EXPECT_EQ(closeFile(1), ErrorCode::kIllegalCall);
    EXPECT_EQ(closeFile(0), ErrorCode::kIllegalCall);
}

}  // namespace
}  // namespace kestrway
