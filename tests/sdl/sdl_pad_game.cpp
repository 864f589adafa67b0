// The real SDL presenter with a virtual game controller plugged in once the
// window is up (run by pad_game_test.sh in a display of its own, which gives
// the window the focus): SDL's D-pad, stick, A, Start and Back reach the game
// as the keyboard's keys, Start pauses play and resumes it, a hit rumbles the
// pad, and the pad pulled out lets go of all it held. A reader in the game's
// place takes the keys as play does; what whole games make of a pad is pinned
// by the headless pad games. Exits 0 when all of it held, 1 with the failed
// step on stderr.
#include <SDL.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "platform/files.h"
#include "platform/frame_hold.h"
#include "platform/keyboard.h"
#include "platform/pad_rumble.h"
#include "platform/program.h"
#include "platform/screen.h"
#include "platform/sdl/presenter.h"
#include "platform/sdl/sdl_setup.h"
#include "platform/timing.h"

namespace kestrway {
namespace {

using Clock = std::chrono::steady_clock;

// What the reader saw last, for the script thread to wait on.
std::atomic<bool> gWindowOpen{false};
std::atomic<bool> gUpHeld{false};
std::atomic<bool> gSpaceHeld{false};
std::atomic<bool> gEscapeHeld{false};
std::atomic<int32_t> gUpTyped{0};  // the Up key's extended code
std::atomic<int32_t> gSpacesTyped{0};
std::atomic<int32_t> gRumbles{0};

// The game thread: opens the window, then reads the keys in every frame of
// play until the close button.
[[noreturn]] void readKeysAsPlayDoes() {
    openScreen();
    gWindowOpen = true;
    for (;;) {
        sleepMs(10);
        gUpHeld = isKeyDown(kScanUp) != 0;
        gSpaceHeld = isKeyDown(kScanSpace) != 0;
        gEscapeHeld = isKeyDown(kScanEscape) != 0;
        for (std::string key = readKey(); !key.empty(); key = readKey()) {
            if (key == CloseKey) endProgram(0);
            gUpTyped += key == std::string("\xFFH", 2) ? 1 : 0;
            gSpacesTyped += key == " " ? 1 : 0;
        }
    }
}

[[noreturn]] void fail(const char* step) {
    std::fprintf(stderr,
                 "sdl_pad_game: %s (held: up %d space %d escape %d; typed: up %d spaces %d; "
                 "paused %d)\n",
                 step, gUpHeld ? 1 : 0, gSpaceHeld ? 1 : 0, gEscapeHeld ? 1 : 0, gUpTyped.load(),
                 gSpacesTyped.load(), framesHeld() ? 1 : 0);
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

// Long enough for several presenter passes and frames.
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

void script() {
    waitFor("the window", [] { return gWindowOpen.load(); });
    attachPad();
    waitFor("the presenter opens the pad", [] {
        SDL_LockJoysticks();
        const bool open = pad() != nullptr;
        SDL_UnlockJoysticks();
        return open;
    });

    press(SDL_CONTROLLER_BUTTON_DPAD_UP);
    waitFor("D-pad up types Up", [] { return gUpTyped == 1 && !gUpHeld; });
    SDL_LockJoysticks();
    SDL_JoystickSetVirtualAxis(pad(), SDL_CONTROLLER_AXIS_LEFTY, -30000);  // pushed up, held
    SDL_UnlockJoysticks();
    waitFor("stick up holds Up", [] { return gUpHeld && gUpTyped == 2; });
    press(SDL_CONTROLLER_BUTTON_A);
    waitFor("A types a space", [] { return gSpacesTyped == 1; });
    setButton(SDL_CONTROLLER_BUTTON_BACK, true);
    waitFor("Back holds Escape", [] { return gEscapeHeld.load(); });
    setButton(SDL_CONTROLLER_BUTTON_BACK, false);
    press(SDL_CONTROLLER_BUTTON_START);
    waitFor("Start pauses play", [] { return framesHeld(); });
    press(SDL_CONTROLLER_BUTTON_START);
    waitFor("Start again resumes it", [] { return !framesHeld() && gSpacesTyped == 3; });

    rumbleForEffect(SoundEffect::Hit);
    waitFor("a hit rumbles the pad", [] { return gRumbles > 0; });

    setButton(SDL_CONTROLLER_BUTTON_A, true);
    waitFor("A held holds Space", [] { return gSpaceHeld && gUpHeld; });
    SDL_LockJoysticks();
    SDL_JoystickDetachVirtual(gPadIndex);
    SDL_UnlockJoysticks();
    waitFor("the pad pulled out lets go of its keys", [] { return !gUpHeld && !gSpaceHeld; });

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);  // the close button: the reader ends with 0
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
    std::thread(readKeysAsPlayDoes).detach();
    std::thread(script).detach();
    runPresenter();
}
