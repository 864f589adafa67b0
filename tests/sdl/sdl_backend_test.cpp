// The SDL backend without a display: the scan-code table behind isKeyDown, the typed codes and
// window actions that SDL events turn into, and the presented picture under the "Paused" line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/keyboard.h"
#include "platform/screen_device.h"
#include "platform/sdl/paused_line.h"
#include "platform/sdl/present_step.h"
#include "platform/sdl/scan_codes.h"
#include "platform/sdl/sdl_setup.h"
#include "platform/sdl/sdl_window.h"
#include "platform/sdl/window_events.h"

namespace kestrway {
namespace {

// Keypad 8 holds Up as the cursor key does. A shorter state array (an older SDL) is read only as
// far as it goes.
TEST(ScanCodes, EitherKeyOfACodeHoldsIt) {
    std::vector<uint8_t> states(SDL_NUM_SCANCODES, 0);
    states[SDL_SCANCODE_KP_8] = states[SDL_SCANCODE_SPACE] = 1;
    const KeyStates held = heldKeysFrom(states.data(), SDL_NUM_SCANCODES);
    EXPECT_TRUE(held[kScanUp] == 1 && held[kScanSpace] == 1);
    EXPECT_EQ(std::count(held.begin(), held.end(), 1), 2);
    EXPECT_EQ(heldKeysFrom(states.data(), SDL_SCANCODE_SPACE)[kScanSpace], 0);
}

SDL_Event keyDown(SDL_Scancode key, Uint8 repeat = 0, Uint16 mod = KMOD_NONE) {
    SDL_Event made{SDL_KEYDOWN};
    made.key.repeat = repeat;
    made.key.keysym = {key, SDLK_UNKNOWN, mod, 0};
    return made;
}
SDL_Event windowEvent(SDL_WindowEventID id) {
    SDL_Event made{SDL_WINDOWEVENT};
    made.window.event = static_cast<Uint8>(id);
    return made;
}
SDL_Event textInput(const char* utf8) {
    SDL_Event made{SDL_TEXTINPUT};
    SDL_strlcpy(made.text.text, utf8, sizeof(made.text.text));
    return made;
}

// Text keeps its Latin-1 characters and loses the rest and broken sequences (C3 'd' 80 'e' C3).
// Control keys type their codes, repeats included; cursor and function keys give extended codes,
// and so does the keypad unless Num Lock makes it type digits (as text); letters and Space arrive
// only as text, so never twice. The close button and a quit request give the close key. Fullscreen
// keys type nothing, and a held F11 must not flip the window back and forth. P and Pause each
// toggle the pause once however long they are held (P's letter still arrives as text);
// minimising and restoring the window count as losing and regaining its attention.
TEST(WindowEvents, EventsBecomeTypedCodesAndWindowActions) {
    const struct {
        std::vector<SDL_Event> events;
        std::vector<uint32_t> codes;
        // F toggle fullscreen, f focus changed, r redraw, pause presses, M presses
        std::string actions;
    } cases[] = {
        {{textInput("a Z"), textInput("\xC3\xA9x\xC2\xA0"), textInput("\u20ACb\U0001F697c"),
          textInput("\xC3\x64\x80\x65\xC3")},
         {'a', ' ', 'Z', 0xE9, 'x', 0xA0, 'b', 'c', 'd', 'e'},
         "---00"},
        {{keyDown(SDL_SCANCODE_ESCAPE), keyDown(SDL_SCANCODE_ESCAPE, 1),
          keyDown(SDL_SCANCODE_KP_ENTER), keyDown(SDL_SCANCODE_BACKSPACE)},
         {27, 27, 13, 8},
         "---00"},
        {{keyDown(SDL_SCANCODE_UP), keyDown(SDL_SCANCODE_DOWN, 1), keyDown(SDL_SCANCODE_F1),
          keyDown(SDL_SCANCODE_KP_4), keyDown(SDL_SCANCODE_KP_8, 0, KMOD_NUM),
          keyDown(SDL_SCANCODE_A), keyDown(SDL_SCANCODE_SPACE)},
         {0x48FF, 0x50FF, extendedKeyCode(59), 0x4BFF},
         "---00"},
        {{windowEvent(SDL_WINDOWEVENT_CLOSE), windowEvent(SDL_WINDOWEVENT_CLOSE), {SDL_QUIT}},
         {kCloseKeyCode, kCloseKeyCode, kCloseKeyCode},
         "---00"},
        {{keyDown(SDL_SCANCODE_RETURN, 0, KMOD_LALT), windowEvent(SDL_WINDOWEVENT_EXPOSED)},
         {},
         "F-r00"},
        {{keyDown(SDL_SCANCODE_F11), windowEvent(SDL_WINDOWEVENT_FOCUS_LOST)}, {}, "Ff-00"},
        {{keyDown(SDL_SCANCODE_F11, 1), windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED)}, {}, "--r00"},
        {{keyDown(SDL_SCANCODE_P), keyDown(SDL_SCANCODE_P, 1), keyDown(SDL_SCANCODE_PAUSE)},
         {},
         "---20"},
        {{keyDown(SDL_SCANCODE_M), keyDown(SDL_SCANCODE_M, 1), keyDown(SDL_SCANCODE_M)},
         {},
         "---02"},
        {{windowEvent(SDL_WINDOWEVENT_MINIMIZED)}, {}, "-f-00"},
        {{windowEvent(SDL_WINDOWEVENT_RESTORED)}, {}, "-fr00"}};
    for (const auto& [events, codes, actions] : cases) {
        WindowInput input;
        for (const SDL_Event& event : events) translateEvent(event, input);
        EXPECT_EQ(input.typedCodes, codes);
        EXPECT_EQ(
            std::string({input.toggleFullscreen ? 'F' : '-', input.focusChanged ? 'f' : '-',
                         input.redraw ? 'r' : '-', static_cast<char>('0' + input.pausePresses),
                         static_cast<char>('0' + input.soundKeyPresses)}),
            actions);
    }
}

// A screen page all of one colour, every line changed.
void fillScreen(uint32_t colour) {
    ScreenDevice& screen = screenDevice();
    screen.pages = std::make_unique<uint32_t[]>(kScreenWidth * kScreenHeight * kScreenPages);
    screen.work = screen.pages.get();
    std::fill_n(screen.work, kScreenWidth * kScreenHeight, colour);
    markLinesChanged(0, kScreenHeight - 1);
}

// Presents every line with these bands and reads back the window's pixels: from the renderer,
// or from the window's surface (plain 32-bit words) where our own scaler drew them.
std::vector<uint32_t> presentAndRead(SdlWindow& window, bool pausedLine,
                                     std::string_view soundLine = {}) {
    markLinesChanged(0, kScreenHeight - 1);
    takeChangedLines(window, pausedLine, false, soundLine);
    presentPicture(window, pausedLine, soundLine);
    std::vector<uint32_t> shown(kScreenWidth * kScreenHeight);
    if (window.renderer != nullptr) {
        EXPECT_EQ(0, SDL_RenderReadPixels(window.renderer, nullptr, SDL_PIXELFORMAT_RGB888,
                                          shown.data(), kScreenPitch));
        return shown;
    }
    SDL_Surface* surface = SDL_GetWindowSurface(window.window);
    if (surface == nullptr || surface->w != kScreenWidth || surface->h != kScreenHeight) return {};
    for (int32_t y = 0; y < kScreenHeight; ++y) {
        std::memcpy(shown.data() + y * kScreenWidth,
                    static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch,
                    kScreenPitch);
    }
    return shown;
}

// The "Paused" line darkens a band across the middle and writes the word white in it, on the
// presented picture only: the screen page keeps the game's pixels. The line after M has its own
// band lower down. SDL's software renderer draws them the same way our scaler does.
TEST(PresentStep, PausedLineCoversThePresentedPictureNotTheScreenPage) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_TRUE(startSdl());
    for (const bool withRenderer : {false, true}) {
        SCOPED_TRACE(withRenderer ? "SDL's software renderer" : "our scaler");
        SdlWindow window;
        ASSERT_TRUE(createSdlWindow("paused line", window));
        // With no graphics card, no software renderer is asked for by name and the window's
        // pixels are plain 32-bit words: our own scaler shows the picture.
        ASSERT_TRUE(window.renderer == nullptr && window.scaled != nullptr);
        if (withRenderer) {
            window.scaled.reset();
            window.renderer = SDL_CreateRenderer(window.window, -1, SDL_RENDERER_SOFTWARE);
            window.texture =
                SDL_CreateTexture(window.renderer, SDL_PIXELFORMAT_RGB888,
                                  SDL_TEXTUREACCESS_STREAMING, kScreenWidth, kScreenHeight);
            window.pausedText = createPausedTextTexture(window.renderer);
            window.soundOffText =
                createBandTextTexture(window.renderer, "Sound off", kSoundBandTop);
            ASSERT_TRUE(window.texture && window.pausedText && window.soundOffText);
        }
        fillScreen(0xFF80C040u);
        for (const bool paused : {true, false}) {
            const std::string_view soundLine = paused ? "" : "Sound off";
            const std::vector<uint32_t> shown = presentAndRead(window, paused, soundLine);
            ASSERT_FALSE(shown.empty());
            const auto at = [&](int32_t y) { return shown[y * kScreenWidth + 10] & 0xFFFFFF; };
            const auto whiteIn = [&](int32_t top) {
                return std::count_if(shown.begin() + top * kScreenWidth,
                                     shown.begin() + (top + kPausedBandHeight) * kScreenWidth,
                                     [](uint32_t p) { return (p & 0xFFFFFF) == 0xFFFFFF; });
            };
            const int32_t bandTop = paused ? kPausedBandTop : kSoundBandTop;
            const int32_t otherTop = paused ? kSoundBandTop : kPausedBandTop;
            EXPECT_EQ(at(bandTop - 1), 0x80C040u) << "above the band";
            EXPECT_EQ(at(bandTop + kPausedBandHeight), 0x80C040u) << "below the band";
            EXPECT_EQ(at(otherTop + 2), 0x80C040u) << "no other band";
            EXPECT_LT(at(bandTop + 2) >> 8 & 0xFF, 0x40u) << "the band darkens the picture";
            EXPECT_GT(at(bandTop + 2) >> 8 & 0xFF, 0u) << "and lets it show through";
            EXPECT_GT(whiteIn(bandTop), 200) << "the word is written";
        }
        ScreenDevice& screen = screenDevice();
        EXPECT_EQ(std::count(screen.work, screen.work + kScreenWidth * kScreenHeight, 0xFF80C040u),
                  kScreenWidth * kScreenHeight);
        destroySdlWindow(window);
    }
    SDL_Quit();
}

}  // namespace
}  // namespace kestrway
