// The loader against the BMP Suite: good files match their reference
// pictures, questionable ones load or are refused as the game's rules say,
// bad ones never break the loader or the image.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/image.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

const std::string kSuite = KESTRWAY_BMPSUITE_DIR;
constexpr uint32_t kSentinel = 0x12345678;  // never produced by any suite file
constexpr int64_t kLargestTestImage = 512;

struct SuiteFile {
    std::string name;  // "g/pal8.bmp"
    int32_t bitCount = 0;
    int32_t compression = 0;
    int64_t width = 0;
    int64_t height = 0;
    int32_t referenceWidth = 0;  // 0: no reference picture
    int32_t referenceHeight = 0;
};

std::vector<SuiteFile> readSuiteList() {
    std::ifstream list(kSuite + "/images.tsv");
    std::vector<SuiteFile> files;
    std::string line;
    std::getline(list, line);  // column names
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        SuiteFile file;
        std::string headerSize, reference;
        fields >> file.name >> headerSize >> file.bitCount >> file.compression >> file.width >>
            file.height >> reference;
        if (reference != "-") {
            std::sscanf(reference.c_str(), "%dx%d", &file.referenceWidth, &file.referenceHeight);
        }
        files.push_back(file);
    }
    return files;
}

std::vector<uint8_t> readReference(const SuiteFile& file) {
    const std::string stem = file.name.substr(0, file.name.size() - 4);
    std::ifstream in(kSuite + "/reference/" + stem + ".rgba", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Files of forms the game does not read: header sizes other than 12, 40,
// 56, 108 and 124, compressions from 4, and more than 32 bits per pixel.
const std::set<std::string> kRefusedQuestionable = {
    "q/pal1huffmsb.bmp", "q/pal8os2v2-16.bmp", "q/pal8os2v2-sz.bmp", "q/pal8os2v2.bmp",
    "q/rgb24jpeg.bmp",   "q/rgb24png.bmp",     "q/rgb24rle24.bmp",   "q/rgb32h52.bmp",
    "q/rgba32abf.bmp",   "q/rgba64.bmp"};

// Bad files whose headers already rule them out: nothing may change.
const std::set<std::string> kRefusedBad = {"b/badbitcount.bmp", "b/badheadersize.bmp", "b/badplanes.bmp",
                                           "b/badwidth.bmp",    "b/reallybig.bmp",     "b/rletopdown.bmp"};

struct Comparison {
    int64_t compared = 0;
    int64_t skipped = 0;    // pixels an RLE stream left alone
    int32_t worstColour = 0;  // largest difference in red, green or blue
    int32_t worstAlpha = 0;
    std::string firstBad;
};

// Compares the loaded picture with the reference. Files stored with fewer
// than 8 bits per component may differ by 1 (the reference rounds where the
// game repeats bits).
Comparison compareWithReference(const SuiteFile& file, const Image& image, const std::vector<uint8_t>& reference,
                                bool checkAlpha) {
    Comparison result;
    const int64_t rows = std::min<int64_t>(image.header.height, file.referenceHeight);
    const int64_t columns = std::min<int64_t>(image.header.width, file.referenceWidth);
    for (int64_t y = 0; y < rows; ++y) {
        for (int64_t x = 0; x < columns; ++x) {
            const uint32_t pixel = image.row(static_cast<int32_t>(y))[x];
            if (pixel == kSentinel) {
                ++result.skipped;
                continue;
            }
            const uint8_t* ref = &reference[static_cast<size_t>((y * file.referenceWidth + x) * 4)];
            const int32_t got[4] = {static_cast<int32_t>(pixel >> 16 & 0xFF), static_cast<int32_t>(pixel >> 8 & 0xFF),
                                    static_cast<int32_t>(pixel & 0xFF), static_cast<int32_t>(pixel >> 24)};
            // A fully transparent reference pixel carries no colour.
            int32_t colourDiff = 0;
            for (int c = 0; c < 3 && ref[3] != 0; ++c) colourDiff = std::max(colourDiff, std::abs(got[c] - ref[c]));
            const int32_t alphaDiff = checkAlpha ? std::abs(got[3] - ref[3]) : 0;
            if ((colourDiff > result.worstColour || alphaDiff > result.worstAlpha) && result.firstBad.empty() &&
                (colourDiff > 1 || alphaDiff > 1)) {
                std::ostringstream where;
                where << "at " << x << "," << y << std::hex << " got 0x" << pixel << " reference rgba " << int{ref[0]}
                      << " " << int{ref[1]} << " " << int{ref[2]} << " " << int{ref[3]};
                result.firstBad = where.str();
            }
            result.worstColour = std::max(result.worstColour, colourDiff);
            result.worstAlpha = std::max(result.worstAlpha, alphaDiff);
            ++result.compared;
        }
    }
    return result;
}

using BmpSuiteTest = OpenScreenTest;

TEST_F(BmpSuiteTest, EveryFileLoadsOrIsRefusedAsTheRulesSay) {
    const std::vector<SuiteFile> files = readSuiteList();
    ASSERT_GE(files.size(), 80u) << "suite list missing at " << kSuite;
    int32_t goodCompared = 0;
    for (const SuiteFile& file : files) {
        SCOPED_TRACE(file.name);
        const char category = file.name[0];
        const int64_t width = std::clamp<int64_t>(std::abs(file.width), 1, kLargestTestImage);
        const int64_t height = std::clamp<int64_t>(std::abs(file.height), 1, kLargestTestImage);
        ImagePtr image = createImage(static_cast<int32_t>(width), static_cast<int32_t>(height), kSentinel);
        ASSERT_NE(image, nullptr);
        const ImageHeader before = image->header;
        const ErrorCode result = loadBitmap(kSuite + "/images/" + file.name, image.get());
        EXPECT_EQ(std::memcmp(&before, &image->header, sizeof before), 0);

        const bool refused = kRefusedQuestionable.count(file.name) != 0 || kRefusedBad.count(file.name) != 0;
        if (category == 'g' || (category == 'q' && !refused)) {
            ASSERT_EQ(result, ErrorCode::kOk);
        } else if (refused) {
            ASSERT_EQ(result, ErrorCode::kFileError);
            ImagePtr untouched = createImage(static_cast<int32_t>(width), static_cast<int32_t>(height), kSentinel);
            EXPECT_EQ(std::memcmp(image->pixelArea(), untouched->pixelArea(), image->header.pitch * height), 0);
        } else {
            // Broken streams and short files load in part and say so.
            EXPECT_TRUE(result == ErrorCode::kOk || result == ErrorCode::kFileError) << static_cast<int>(result);
            if (file.name.find("rle") != std::string::npos || file.name == "b/shortfile.bmp") {
                EXPECT_EQ(result, ErrorCode::kFileError);
            }
        }
        // The non-square file's reference is a smoothed rendering stretched to twice its height.
        if (result != ErrorCode::kOk || file.referenceWidth == 0 || file.name == "g/pal8nonsquare.bmp") continue;

        const std::vector<uint8_t> reference = readReference(file);
        ASSERT_EQ(reference.size(), size_t{4} * file.referenceWidth * file.referenceHeight);
        const bool ownAlpha = file.bitCount == 32 && file.name.find("/rgba32") != std::string::npos;
        const Comparison comparison = compareWithReference(file, *image, reference, ownAlpha);
        const bool narrowComponents = file.bitCount == 16 || file.compression == 3;
        EXPECT_LE(comparison.worstColour, narrowComponents ? 1 : 0) << comparison.firstBad;
        EXPECT_LE(comparison.worstAlpha, 1) << comparison.firstBad;
        const bool runLength = file.compression == 1 || file.compression == 2;
        if (!runLength) {
            EXPECT_EQ(comparison.skipped, 0);
        }
        EXPECT_GT(comparison.compared, comparison.skipped);
        // Game rules for alpha: opaque up to 24 bits per pixel.
        if (file.bitCount <= 24) {
            for (int64_t y = 0; y < height; ++y) {
                for (int64_t x = 0; x < width; ++x) {
                    const uint32_t pixel = image->row(static_cast<int32_t>(y))[x];
                    ASSERT_TRUE(pixel == kSentinel || pixel >> 24 == 0xFF) << x << "," << y;
                }
            }
        }
        if (category == 'g') ++goodCompared;
    }
    EXPECT_EQ(goodCompared, 26);
}

}  // namespace
}  // namespace kestrway
