// Numbered file reading: positions counted from 1, zero fill, number errors.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "platform/headless/headless.h"

namespace kestrway {
namespace {

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        folder_ = std::filesystem::temp_directory_path() /
                  ("kestrway_files_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        std::filesystem::create_directories(folder_ / "sub");
        std::ofstream out(folder_ / "sub" / "data.bin", std::ios::binary);
        for (int i = 0; i < 100; ++i) out.put(static_cast<char>(i + 1));
        setDataFolder(folder_.string());
    }
    void TearDown() override {
        headless::reset();
        setDataFolder("");
        std::filesystem::remove_all(folder_);
    }
    std::filesystem::path folder_;
};

TEST_F(FilesTest, BothSeparatorsOpenTheSameFile) {
    ASSERT_EQ(openFileRead("sub\\data.bin", 1), ErrorCode::kOk);
    ASSERT_EQ(openFileRead("sub/data.bin", 2), ErrorCode::kOk);
    EXPECT_EQ(closeFile(1), ErrorCode::kOk);
    EXPECT_EQ(closeFile(2), ErrorCode::kOk);
}

TEST_F(FilesTest, PositionsCountFromOneAndZeroMeansCurrent) {
    ASSERT_EQ(openFileRead("sub\\data.bin", 1), ErrorCode::kOk);
    uint8_t bytes[4] = {};
    ASSERT_EQ(readFileBytes(1, 0, bytes, 2), ErrorCode::kOk);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 2);
    ASSERT_EQ(readFileBytes(1, 0, bytes, 2), ErrorCode::kOk);  // continues
    EXPECT_EQ(bytes[0], 3);
    ASSERT_EQ(readFileBytes(1, 11, bytes, 1), ErrorCode::kOk);  // byte 10
    EXPECT_EQ(bytes[0], 11);
    closeFile(1);
}

TEST_F(FilesTest, ShortFilesAndPositionsPastTheEndFillWithZero) {
    ASSERT_EQ(openFileRead("sub/data.bin", 1), ErrorCode::kOk);
    uint8_t bytes[101];
    std::fill(std::begin(bytes), std::end(bytes), 0xAA);
    ASSERT_EQ(readFileBytes(1, 1, bytes, sizeof bytes), ErrorCode::kOk);
    EXPECT_EQ(bytes[99], 100);
    EXPECT_EQ(bytes[100], 0);
    std::fill(std::begin(bytes), std::end(bytes), 0xAA);
    EXPECT_EQ(readFileBytes(1, 5000000000LL, bytes, 8), ErrorCode::kOk);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[7], 0);
    closeFile(1);
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
