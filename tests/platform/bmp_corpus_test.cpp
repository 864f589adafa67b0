// Replays the fuzzer's regression corpus through the loader: each input
// loads into a 32x32 and a 1073x24 image, answers ok or file error, and
// leaves the images' headers as they were. Under the sanitizer build any
// stray read or write fails the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bmp_test_fixture.h"

namespace kestrway::bmptest {
namespace {

using BmpCorpusTest = BmpTest;

std::vector<uint8_t> readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(BmpCorpusTest, EveryRegressionInputLoadsSafely) {
    const std::filesystem::path corpus = std::filesystem::path(KESTRWAY_SOURCE_DIR) / "fuzz" / "corpus" / "bmp";
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    ASSERT_FALSE(inputs.empty()) << "no corpus at " << corpus;

    ImagePtr sprite = blank(32, 32);
    ImagePtr font = createImage(1073, 24);
    for (const auto& input : inputs) {
        const std::vector<uint8_t> file = readWholeFile(input);
        for (Image* image : {sprite.get(), font.get()}) {
            const ImageHeader before = image->header;
            const ErrorCode result = loadExact(file, image);
            EXPECT_TRUE(result == ErrorCode::kOk || result == ErrorCode::kFileError)
                << input.filename() << " gave " << static_cast<int>(result);
            EXPECT_EQ(std::memcmp(&before, &image->header, sizeof before), 0) << input.filename();
        }
    }
}

}  // namespace
}  // namespace kestrway::bmptest
