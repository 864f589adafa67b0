// Loading BMP files: exact colours and alpha of masked forms and colour
// tables, files refused or read only in part, broken RLE streams, the BMP
// Suite against its reference pictures (which also pin the narrow colour
// components of 16-bit bit fields).
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <tuple>

#include "platform/image.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

constexpr uint32_t kU = 0xFF64FF64;  // an untouched pixel
constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();
using Pixels = std::vector<uint32_t>;
using Bytes = std::vector<uint8_t>;

// Colour i, opaque.
constexpr uint32_t c(uint32_t index) {
    return 0xFF000000 | index;
}

struct BmpFields {
    uint32_t headerSize = 40;
    int32_t width = 1;
    int32_t height = 1;  // negative: top row stored first
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    Pixels palette{};  // 0xRRGGBB entries
    Pixels masks{};    // inside headers of 56 bytes or more, else right behind the header
    Bytes pixels{};    // stored rows or an RLE stream
};

void put(Bytes& bytes, size_t at, uint64_t value, size_t count) {
    for (size_t i = 0; i < count; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

Bytes makeBmp(const BmpFields& bmp) {
    const size_t masksAt = bmp.headerSize >= 56 ? 54 : 14 + bmp.headerSize;
    const size_t paletteAt = std::max<size_t>(14 + bmp.headerSize, masksAt + 4 * bmp.masks.size());
    const size_t pixelsAt = paletteAt + 4 * bmp.palette.size();
    Bytes bytes(pixelsAt + bmp.pixels.size(), 0);
    put(bytes, 0, 0x4D42, 2);  // "BM"
    put(bytes, 2, bytes.size(), 4);
    put(bytes, 10, pixelsAt, 4);
    put(bytes, 14, bmp.headerSize, 4);
    put(bytes, 18, static_cast<uint32_t>(bmp.width), 4);
    put(bytes, 22, static_cast<uint32_t>(bmp.height), 4);
    put(bytes, 26, 1, 2);  // planes
    put(bytes, 28, bmp.bitCount, 2);
    put(bytes, 30, bmp.compression, 4);
    put(bytes, 46, bmp.colorsUsed, 4);
    for (size_t i = 0; i < bmp.masks.size(); ++i) put(bytes, masksAt + 4 * i, bmp.masks[i], 4);
    for (size_t i = 0; i < bmp.palette.size(); ++i)
        put(bytes, paletteAt + 4 * i, bmp.palette[i], 4);
    std::copy(bmp.pixels.begin(), bmp.pixels.end(),
              bytes.begin() + static_cast<ptrdiff_t>(pixelsAt));
    return bytes;
}

// Stored rows of width pixels of 8 to 32 bits, each row padded to 4 bytes;
// values (indices or packed colours) run row by row in stored order.
Bytes packRows(size_t width, size_t bits, const Pixels& values) {
    const size_t rowBytes = (width * bits / 8 + 3) / 4 * 4;
    Bytes rows(rowBytes * (values.size() / width), 0);
    for (size_t i = 0; i < values.size(); ++i)
        put(rows, i / width * rowBytes + i % width * bits / 8, values[i], bits / 8);
    return rows;
}

// Loads from a buffer of exactly the file's size, so any read past its end is caught.
ErrorCode loadExact(const Bytes& file, Image* image) {
    auto copy = std::make_unique<uint8_t[]>(file.size());
    if (!file.empty()) std::memcpy(copy.get(), file.data(), file.size());
    return loadBitmapBytes({copy.get(), file.size()}, image);
}

ImagePtr blank(int32_t width, int32_t height) {
    return createImage(width, height, kU);
}

// The image's pixels row by row, spare pixels left out.
Pixels pixelsOf(const Image& image) {
    Pixels pixels;
    for (int32_t y = 0; y < static_cast<int32_t>(image.header.height); ++y) {
        pixels.insert(pixels.end(), image.row(y), image.row(y) + image.header.width);
    }
    return pixels;
}

Bytes readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool sameHeader(const ImageHeader& a, const ImageHeader& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

using BmpLoadTest = OpenScreenTest;

TEST_F(BmpLoadTest, MaskedFormsAndColourTablesGiveExactColoursAndAlpha) {
    std::vector<std::tuple<std::string, BmpFields, Pixels>> cases = {
        {"32 bits keep the fourth byte as alpha",
         {.width = 2, .bitCount = 32, .pixels = packRows(2, 32, {0x00204020, 0x7F000000})},
         {0x00204020, 0x7F000000}},
        {"32-bit bit fields after a 40-byte header have no alpha",
         {.bitCount = 32,
          .compression = 3,
          .masks = {0xFF, 0xFF00, 0xFF0000},
          .pixels = packRows(1, 32, {0xFF332211})},
         {0x00112233}},
        {"indices past the 2 entries counted are black",
         {.width = 3,
          .bitCount = 8,
          .colorsUsed = 2,
          .palette = {1, 2, 3},
          .pixels = packRows(3, 8, {1, 2, 255})},
         {c(2), c(0), c(0)}},
        {"uncounted, the table ends where the pixel rows begin",
         {.width = 4,
          .bitCount = 8,
          .palette = {1, 2, 3},
          .pixels = packRows(4, 8, {2, 3, 4, 255})},
         {c(3), c(0), c(0), c(0)}},
    };
    for (uint32_t size : {56u, 108u, 124u}) {
        BmpFields bmp{.headerSize = size,
                      .bitCount = 32,
                      .masks = {0xFF00, 0xFF0000, 0xFF000000, 0xFF},
                      .pixels = packRows(1, 32, {0x11223344})};
        cases.emplace_back(std::to_string(size) + "-byte header, masks unused", bmp,
                           Pixels{0x11223344});
        bmp.compression = 3;
        cases.emplace_back(std::to_string(size) + "-byte header with bit fields", bmp,
                           Pixels{0x44332211});
    }
    for (const auto& [what, bmp, expected] : cases) {
        ImagePtr image = blank(bmp.width, 1);
        ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk) << what;
        EXPECT_EQ(pixelsOf(*image), expected) << what;
    }
}

// Bad bit counts and sizes past 32 bits are the suite's (b/badbitcount.bmp,
// b/reallybig.bmp).
TEST_F(BmpLoadTest, FilesItCannotReadLeaveTheImageUnchanged) {
    const Bytes good = makeBmp({.width = 2,
                                .height = 2,
                                .bitCount = 8,
                                .palette = {0x112233, 0x445566},
                                .pixels = Bytes(8, 1)});
    std::vector<Bytes> refused = {
        {},
        {good.begin(), good.begin() + 20},
        {good.begin(), good.begin() + 60}};  // ends inside the colour table
    const std::tuple<size_t, uint32_t, size_t> patches[] = {
        {1, 'A', 1},          // not "BM"
        {10, 0, 4},           // no pixel-row offset
        {10, 0xFFFFFFF0, 4},  // pixel rows far past the end
        {18, 0, 4},           // width 0
        {22, 0, 4},           // height 0
        {22, 0x80000000, 4},  // a height that cannot be made positive
        {30, 2, 4},           // RLE4 in an 8-bit file
    };
    for (const auto& [at, value, count] : patches) {
        refused.push_back(good);
        put(refused.back(), at, value, count);
    }
    ImagePtr image = blank(2, 2);
    for (size_t i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(loadExact(refused[i], image.get()), ErrorCode::kFileError) << "file " << i;
    }
    EXPECT_EQ(pixelsOf(*image), Pixels(4, kU));
    EXPECT_EQ(loadExact(good, nullptr), ErrorCode::kIllegalCall);
    ASSERT_EQ(loadExact(good, image.get()), ErrorCode::kOk);  // the unchanged file loads
    EXPECT_EQ(image->row(0)[0], 0xFF445566u);
}

// A run-length stream for a 6x3 picture of colours 0 and 1.
BmpFields rle(Bytes stream) {
    return {.width = 6,
            .height = 3,
            .bitCount = 8,
            .compression = 1,
            .palette = {0, 1},
            .pixels = std::move(stream)};
}

TEST_F(BmpLoadTest, FilesBrokenPartWayFailKeepingTheRowsDecodedBefore) {
    Pixels bottomRowOnly(12, kU);  // what each RLE stream below decodes first
    bottomRowOnly.insert(bottomRowOnly.end(), 6, c(1));
    const std::pair<BmpFields, Pixels> cases[] = {
        // Bottom row first, two of four rows held: picture rows 3 and 2 load.
        {{.height = 4, .bitCount = 32, .pixels = packRows(1, 32, {10, 11})}, {kU, kU, 11, 10}},
        // Top row first, 2^31 - 1 rows claimed, the third cut short.
        {{.height = -kMaxInt, .bitCount = 32, .pixels = {10, 0, 0, 0, 11, 0, 0, 0, 12, 0, 0}},
         {10, 11, kU, kU}},
        {rle({6, 1, 0, 0}), bottomRowOnly},                    // no end of bitmap
        {rle({6, 1, 0, 0, 7, 1}), bottomRowOnly},              // a run past the row's end
        {rle({6, 1, 0, 0, 0, 4, 1, 1, 1}), bottomRowOnly},     // an absolute run cut short
        {rle({6, 1, 0, 2, 0, 5, 1, 1}), bottomRowOnly},        // a delta above the top row
        {rle({6, 1, 0, 0, 0, 0, 0, 0, 1, 1}), bottomRowOnly},  // a run above the top row
        {rle({6, 1, 0}), bottomRowOnly},                       // a code cut in half
    };
    for (const auto& [bmp, kept] : cases) {
        SCOPED_TRACE(testing::Message() << bmp.pixels.size() << " bytes of rows");
        ImagePtr image = blank(bmp.width, static_cast<int32_t>(kept.size()) / bmp.width);
        EXPECT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kFileError);
        EXPECT_EQ(pixelsOf(*image), kept);
    }
}

const std::string kSuite = KESTRWAY_BMPSUITE_DIR;
constexpr uint32_t kSentinel = 0x12345678;  // no suite file gives this pixel

// Forms the game does not read (other header sizes, compressions from 4,
// more than 32 bits per pixel) and bad files whose headers rule them out.
const std::set<std::string> kRefused = {
    "q/pal1huffmsb.bmp", "q/pal8os2v2-16.bmp", "q/pal8os2v2-sz.bmp", "q/pal8os2v2.bmp",
    "q/rgb24jpeg.bmp",   "q/rgb24png.bmp",     "q/rgb24rle24.bmp",   "q/rgb32h52.bmp",
    "q/rgba32abf.bmp",   "q/rgba64.bmp",       "b/badbitcount.bmp",  "b/badheadersize.bmp",
    "b/badplanes.bmp",   "b/badwidth.bmp",     "b/reallybig.bmp",    "b/rletopdown.bmp"};

TEST_F(BmpLoadTest, SuiteGoodFilesMatchTheirReferencesAndTheRestFailSafely) {
    std::ifstream list(kSuite + "/images.tsv");
    list.ignore(1000, '\n');  // column names
    std::string name, reference;
    int32_t headerSize = 0, bits = 0, compression = 0, goodCompared = 0;
    int64_t fileWidth = 0, fileHeight = 0;
    while (list >> name >> headerSize >> bits >> compression >> fileWidth >> fileHeight >>
           reference) {
        SCOPED_TRACE(name);
        int32_t referenceWidth = 0, referenceHeight = 0;
        // Three columns more and five rows fewer than the file: its top-left part lands on the
        // image.
        const auto width =
            static_cast<int32_t>(std::clamp<int64_t>(std::abs(fileWidth) + 3, 1, 512));
        const auto height =
            static_cast<int32_t>(std::clamp<int64_t>(std::abs(fileHeight) - 5, 1, 512));
        ImagePtr image = createImage(width, height, kSentinel);
        const ImageHeader before = image->header;
        const ErrorCode result = loadBitmap(kSuite + "/images/" + name, image.get());
        EXPECT_TRUE(sameHeader(before, image->header));
        const bool refused = kRefused.count(name) != 0;
        const bool runLength = compression == 1 || compression == 2;
        // Bad RLE streams and short files load in part; the other bad files may load.
        const bool fails = refused || (name[0] == 'b' && (runLength || name == "b/shortfile.bmp"));
        const bool mayFail = fails || name[0] == 'b';
        EXPECT_TRUE(result == ErrorCode::kFileError ? mayFail : result == ErrorCode::kOk && !fails)
            << static_cast<int>(result);
        EXPECT_TRUE(!refused ||
                    pixelsOf(*image) == Pixels(static_cast<size_t>(width * height), kSentinel));
        // The non-square file's reference is a smoothed rendering stretched to twice its height.
        if (result != ErrorCode::kOk || name == "g/pal8nonsquare.bmp" ||
            std::sscanf(reference.c_str(), "%dx%d", &referenceWidth, &referenceHeight) != 2) {
            continue;
        }
        const Bytes want =
            readFile(kSuite + "/reference/" + name.substr(0, name.size() - 4) + ".rgba");
        ASSERT_EQ(want.size(), size_t{4} * referenceWidth * referenceHeight);
        // Fewer than 8 bits per component may differ by 1: the reference rounds where the game
        // repeats bits.
        const int32_t colourSlack = bits == 16 || compression == 3 ? 1 : 0;
        const bool ownAlpha = bits == 32 && name.find("/rgba32") != std::string::npos;
        int64_t compared = 0, skipped = 0;
        for (int32_t y = 0; y < std::min(height, referenceHeight); ++y) {
            for (int32_t x = 0; x < width; ++x) {
                const uint32_t got = image->row(y)[x];
                if (x >= referenceWidth) {
                    ASSERT_EQ(got, kSentinel) << x << "," << y;
                } else if (got == kSentinel) {
                    ++skipped;  // left alone by an RLE stream
                } else {
                    const uint8_t* rgba = &want[4 * static_cast<size_t>(y * referenceWidth + x)];
                    // A fully transparent reference pixel carries no colour. Up to 24 bits, pixels
                    // are opaque.
                    for (int32_t channel = 0; channel < 3 && rgba[3] != 0; ++channel) {
                        const auto value = static_cast<int32_t>(got >> (16 - 8 * channel) & 0xFF);
                        ASSERT_LE(std::abs(value - rgba[channel]), colourSlack)
                            << std::hex << got << " at " << x << "," << y;
                    }
                    const auto alpha = static_cast<int32_t>(got >> 24);
                    const int32_t wantAlpha = ownAlpha ? rgba[3] : bits <= 24 ? 0xFF : alpha;
                    ASSERT_LE(std::abs(alpha - wantAlpha), ownAlpha ? 1 : 0) << x << "," << y;
                    ++compared;
                }
            }
        }
        EXPECT_TRUE(runLength ? compared > skipped : compared > 0 && skipped == 0)
            << compared << ", " << skipped;
        goodCompared += name[0] == 'g';
    }
    EXPECT_EQ(goodCompared, 26);
}

}  // namespace
}  // namespace kestrway
