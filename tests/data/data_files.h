// Helpers for the data tests: paths into the committed data and loading a picture the game's way.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/image.h"
#include "platform/screen.h"

namespace kestrway::datatest {

inline std::string dataPath(const std::string& relative) { return std::string(KESTRWAY_DATA_DIR) + "/" + relative; }

inline std::vector<uint8_t> readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline uint32_t rgbOf(uint32_t pixel) { return pixel & 0xFFFFFF; }
inline bool isMask(uint32_t pixel) { return rgbOf(pixel) == kMaskColour; }

// A fresh headless program with its screen open, since images need one.
class DataTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        openScreen();
    }
    void TearDown() override { headless::reset(); }

    // Creates an image of the size the game gives it, then loads the data file into it.
    static ImagePtr loadPicture(const std::string& relative, int32_t width, int32_t height,
                                std::optional<uint32_t> fill) {
        ImagePtr image = createImage(width, height, fill);
        EXPECT_NE(image, nullptr);
        if (image) {
            EXPECT_EQ(loadBitmap(dataPath(relative), image.get()), ErrorCode::kOk) << relative;
        }
        return image;
    }
};

}  // namespace kestrway::datatest
