// The real SDL presenter and game with a virtual game controller attached
// during a game (run by pad_game_test.sh in a display of its own, which
// gives the window the focus): the D-pad and the stick change gear, A and
// Start continue, Back returns to the title, A and Up are held, a hit
// rumbles the pad, and the pad pulled out mid-game lets go of all it held.
// Exits 0 when all of it held, 1 with the failed step on stderr. The pause
// and the stick's hysteresis are the translation's, pinned by headless games.
#include <SDL.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "game/run_game.h"
#include "game/screens.h"
#include "platform/files.h"
#include "platform/frame_hold.h"
#include "platform/input_tap.h"
#include "platform/keyboard.h"
#include "platform/pad_rumble.h"
#include "platform/screen.h"
#include "platform/sdl/presenter.h"
#include "platform/sdl/sdl_setup.h"
#include "state/game_state.h"

namespace kestrway {
namespace {

using Clock = std::chrono::steady_clock;

// What the game thread saw last, for the script thread to wait on.
struct Seen {
    std::atomic<int32_t> gear{0};
    std::atomic<int32_t> frames{0};  // of play
    std::atomic<bool> title{false};
    std::atomic<bool> upDown{false};  // read in every frame of play
    std::atomic<bool> spaceDown{false};
};

Seen gSeen;
GameState* gGame = nullptr;
std::atomic<int32_t> gRumbles{0};

// Called on the game thread at each of its reads: copies what the script
// waits for out of the game's state, where no other thread may look.
class SeeingTap : public InputTap {
  public:
    int32_t keyState(int32_t scanCode, int32_t live) override {
        if (scanCode == kScanUp) gSeen.upDown = live != 0;
        if (scanCode == kScanSpace) gSeen.spaceDown = live != 0;
        look();
        return live;
    }
    void typedKey(std::string&) override { look(); }

  private:
    int32_t lastCounter_ = 0;

    void look() {
        gSeen.gear = gGame->playerGear;
        // The counter wraps at each bonus tick; every change is one frame.
        if (gGame->frameCounter != lastCounter_) ++gSeen.frames;
        lastCounter_ = gGame->frameCounter;
        gSeen.title = screenPixels()[40 * kScreenWidth + 40] == kTitleBlue;
    }
};

[[noreturn]] void fail(const char* step) {
    std::fprintf(stderr, "sdl_pad_game: %s (gear %d, frame %d, title %d, held %d)\n", step,
                 gSeen.gear.load(), gSeen.frames.load(), gSeen.title ? 1 : 0, framesHeld() ? 1 : 0);
    std::fflush(stderr);
    std::_Exit(1);
}

void waitFor(const char* step, const std::function<bool()>& done) {
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (Clock::now() > deadline) fail(step);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Long enough for several presenter passes and game frames.
void settle() {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

int gPadIndex = -1;

SDL_Joystick* pad() {
    return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(gPadIndex));
}

void setButton(SDL_GameControllerButton button, bool down) {
    SDL_LockJoysticks();
    SDL_JoystickSetVirtualButton(pad(), button, down ? 1 : 0);
    SDL_UnlockJoysticks();
}

void setAxis(SDL_GameControllerAxis axis, int16_t value) {
    SDL_LockJoysticks();
    SDL_JoystickSetVirtualAxis(pad(), axis, value);
    SDL_UnlockJoysticks();
}

void press(SDL_GameControllerButton button) {
    setButton(button, true);
    settle();
    setButton(button, false);
    settle();
}

int rumbleCallback(void*, Uint16 low, Uint16 high) {
    if (low != 0 || high != 0) ++gRumbles;
    return 0;
}

void attachPad() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Kestrway test pad";
    desc.Rumble = rumbleCallback;
    gPadIndex = SDL_JoystickAttachVirtualEx(&desc);
    if (gPadIndex < 0) fail("the virtual pad could not be attached");
}

void intoPlay() {
    press(SDL_CONTROLLER_BUTTON_A);
    waitFor("A continues the title", [] { return !gSeen.title; });
    press(SDL_CONTROLLER_BUTTON_START);
    const int32_t before = gSeen.frames;
    waitFor("Start continues Get Ready", [&] { return gSeen.frames > before + 5; });
}

void script() {
    waitFor("the title", [] { return gSeen.title.load(); });
    attachPad();
    waitFor("the presenter opens the pad", [] {
        SDL_LockJoysticks();
        const bool open = pad() != nullptr;
        SDL_UnlockJoysticks();
        return open;
    });
    intoPlay();

    press(SDL_CONTROLLER_BUTTON_DPAD_UP);
    waitFor("D-pad up: gear 1", [] { return gSeen.gear == 1; });
    setAxis(SDL_CONTROLLER_AXIS_LEFTY, -30000);  // pushed up, held
    waitFor("stick up: gear 2", [] { return gSeen.gear == 2; });
    settle();
    if (gSeen.gear != 2) fail("a held stick changed gear more than once");
    setAxis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    settle();

    rumbleForEffect(SoundEffect::Hit);
    waitFor("a hit rumbles the pad", [] { return gRumbles > 0; });

    press(SDL_CONTROLLER_BUTTON_BACK);
    waitFor("Back returns to the title", [] { return gSeen.title.load(); });

    intoPlay();
    setButton(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    setButton(SDL_CONTROLLER_BUTTON_A, true);
    waitFor("pad Up and A held", [] { return gSeen.upDown && gSeen.spaceDown; });
    SDL_LockJoysticks();
    SDL_JoystickDetachVirtual(gPadIndex);
    SDL_UnlockJoysticks();
    waitFor("the pad pulled out lets go of its keys",
            [] { return !gSeen.upDown && !gSeen.spaceDown; });

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);  // the close button: the game ends with 0
}

}  // namespace
}  // namespace kestrway

int main(int argc, char** argv) {
    using namespace kestrway;
    if (argc != 2) {
        std::fprintf(stderr, "usage: sdl_pad_game <data folder>\n");
        return 2;
    }
    setDataFolder(argv[1]);
    if (!startSdl()) return 77;
    static GameState& game = *new GameState;
    static SeeingTap tap;
    gGame = &game;
    std::thread([] {
        setInputTap(&tap);
        char name[] = "kestrway";
        char* arguments[] = {name, nullptr};
        runGame(game, 1, arguments);
    }).detach();
    std::thread(script).detach();
    runPresenter();
}
