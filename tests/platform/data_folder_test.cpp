// Finding the data folder from the working directory or the installed copy.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "platform/data_folder.h"

namespace kestrway {
namespace {

namespace fs = std::filesystem;

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("kestrway_datafolder_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "work");
        fs::create_directories(root_ / "prefix" / "bin");
    }
    void TearDown() override { fs::remove_all(root_); }
    static void addData(const fs::path& folder) {
        for (const char* part : {"gfx", "fonts", "map"}) fs::create_directories(folder / part);
    }
    std::string exe() const { return (root_ / "prefix" / "bin" / "kestrway").string(); }
    fs::path root_;
};

TEST_F(DataFolderTest, WorkingDirectoryWithDataWins) {
    addData(root_ / "work");
    addData(root_ / "prefix" / "share" / "kestrway");
    EXPECT_EQ(findDataFolder((root_ / "work").string(), exe()), "");
}

TEST_F(DataFolderTest, FallsBackToTheInstalledCopy) {
    fs::create_directories(root_ / "work" / "gfx");  // incomplete: not the game's data
    addData(root_ / "prefix" / "share" / "kestrway");
    EXPECT_EQ(findDataFolder((root_ / "work").string(), exe()),
              (root_ / "prefix" / "share" / "kestrway").string());
}

TEST_F(DataFolderTest, DataBesideTheProgramComesBeforeTheShareFolder) {
    addData(root_ / "prefix" / "bin");
    addData(root_ / "prefix" / "share" / "kestrway");
    EXPECT_EQ(findDataFolder((root_ / "work").string(), exe()), (root_ / "prefix" / "bin").string());
}

TEST_F(DataFolderTest, NothingFoundMeansTheWorkingDirectory) {
    EXPECT_EQ(findDataFolder((root_ / "work").string(), exe()), "");
    EXPECT_EQ(findDataFolder((root_ / "work").string(), ""), "");
    EXPECT_FALSE(executablePath().empty());
}

}  // namespace
}  // namespace kestrway
