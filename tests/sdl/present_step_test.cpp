// The presenter's picture work on SDL's dummy video driver: only changed
// lines reach the window, and the screen's pixels arrive as colours.
#include "platform/sdl/present_step.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/screen_device.h"
#include "platform/sdl/sdl_setup.h"
#include "platform/sdl/sdl_window.h"

namespace kestrway {
namespace {

constexpr size_t kPagePixels = static_cast<size_t>(kScreenWidth) * kScreenHeight;

class PresentStep : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        ASSERT_TRUE(startSdl());
        ASSERT_TRUE(createSdlWindow("present step", window_));
    }
    static void TearDownTestSuite() {
        destroySdlWindow(window_);
        SDL_Quit();
    }
    void SetUp() override {
        resetScreenDevice();
        ScreenDevice& device = screenDevice();
        device.pages = std::make_unique<uint32_t[]>(kPagePixels * kScreenPages);
        device.work = device.pages.get();
    }
    void TearDown() override { resetScreenDevice(); }

    static uint32_t* page() { return screenDevice().work; }
    static void fillRows(int32_t first, int32_t last, uint32_t colour) {
        std::fill(page() + static_cast<size_t>(first) * kScreenWidth,
                  page() + static_cast<size_t>(last + 1) * kScreenWidth, colour);
    }
    // The window's picture as 0x00RRGGBB pixels.
    static std::vector<uint32_t> shownPicture() {
        std::vector<uint32_t> shown(kPagePixels);
        EXPECT_EQ(SDL_RenderReadPixels(window_.renderer, nullptr, SDL_PIXELFORMAT_RGB888,
                                       shown.data(), kScreenPitch),
                  0)
            << SDL_GetError();
        for (uint32_t& pixel : shown) {
            pixel &= 0xFFFFFF;
        }
        return shown;
    }
    static uint32_t shownAt(const std::vector<uint32_t>& shown, int32_t x, int32_t y) {
        return shown[static_cast<size_t>(y) * kScreenWidth + static_cast<size_t>(x)];
    }

    static SdlWindow window_;
};

SdlWindow PresentStep::window_;

TEST_F(PresentStep, RendersInSoftware) {
    // A GL renderer would load the whole GL stack for a picture the
    // processor already drew.
    SDL_RendererInfo info{};
    ASSERT_EQ(SDL_GetRendererInfo(window_.renderer, &info), 0);
    EXPECT_NE(info.flags & SDL_RENDERER_SOFTWARE, 0u) << info.name;
}

TEST_F(PresentStep, SendsOnlyTheChangedLines) {
    fillRows(0, kScreenHeight - 1, 0xFF204060);
    markLinesChanged(0, kScreenHeight - 1);
    ASSERT_TRUE(uploadChangedLines(window_.texture));
    presentPicture(window_);

    fillRows(10, 19, 0xFFA0B0C0);
    fillRows(30, 30, 0xFFA0B0C0);  // drawn but not marked: must not be sent
    markLinesChanged(10, 19);
    markLinesChanged(479, 479);
    ASSERT_TRUE(uploadChangedLines(window_.texture));
    presentPicture(window_);

    const std::vector<uint32_t> shown = shownPicture();
    EXPECT_EQ(shownAt(shown, 0, 9), 0x204060u);
    EXPECT_EQ(shownAt(shown, 0, 10), 0xA0B0C0u);
    EXPECT_EQ(shownAt(shown, 639, 19), 0xA0B0C0u);
    EXPECT_EQ(shownAt(shown, 0, 20), 0x204060u);
    EXPECT_EQ(shownAt(shown, 320, 30), 0x204060u);
    EXPECT_EQ(shownAt(shown, 639, 479), 0x204060u);

    const auto& flags = screenDevice().changedLines;
    EXPECT_TRUE(std::all_of(flags.begin(), flags.end(), [](uint8_t f) { return f == 0; }));
    EXPECT_FALSE(uploadChangedLines(window_.texture)) << "nothing left to send";
}

TEST_F(PresentStep, ShowsColoursWhateverTheAlphaByte) {
    // The alpha byte is carried along but never blended: a pixel whose alpha
    // is 0 must still show its colour.
    fillRows(0, kScreenHeight - 1, 0x00000000);
    page()[5 * kScreenWidth + 7] = 0x00123456;
    page()[5 * kScreenWidth + 8] = 0x80FF0000;
    markLinesChanged(0, kScreenHeight - 1);
    ASSERT_TRUE(uploadChangedLines(window_.texture));
    presentPicture(window_);

    const std::vector<uint32_t> shown = shownPicture();
    EXPECT_EQ(shownAt(shown, 7, 5), 0x123456u);
    EXPECT_EQ(shownAt(shown, 8, 5), 0xFF0000u);
    EXPECT_EQ(shownAt(shown, 6, 5), 0x000000u);
}

TEST_F(PresentStep, FullscreenTogglesBackAndForth) {
    toggleFullscreen(window_);
    EXPECT_EQ(SDL_GetWindowFlags(window_.window) & SDL_WINDOW_FULLSCREEN_DESKTOP,
              static_cast<Uint32>(SDL_WINDOW_FULLSCREEN_DESKTOP));
    toggleFullscreen(window_);
    EXPECT_EQ(SDL_GetWindowFlags(window_.window) & SDL_WINDOW_FULLSCREEN, 0u);
}

}  // namespace
}  // namespace kestrway
