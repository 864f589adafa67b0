// The presenter loop on the main thread.
#include "platform/sdl/presenter.h"

#include <chrono>
#include <cstdlib>
#include <string>

#include "platform/backend.h"
#include "platform/frame_hold.h"
#include "platform/screen_device.h"
#include "platform/sdl/present_step.h"
#include "platform/sdl/presenter_requests.h"
#include "platform/sdl/scan_codes.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_pads.h"
#include "platform/sdl/window_events.h"
#include "platform/sound_toggle.h"

namespace kestrway {
namespace {

constexpr auto kPassInterval = std::chrono::milliseconds(10);

struct Presenter {
    SdlWindow window;
    bool windowOpen = false;
    // Set when the window appears: its texture holds nothing yet.
    bool sendWholePicture = false;
    // Focused and not minimised, as last told to the core.
    bool attended = true;
    // The sound line last drawn, so its coming and going is presented.
    std::string_view soundLine;
    WindowInput input;
};

[[noreturn]] void endProgramNow(Presenter& presenter, int32_t exitCode) {
    destroySdlWindow(presenter.window);
    SDL_Quit();
    std::exit(exitCode);
}

// Answers the game thread's requests; returns when none is left to answer.
void serveRequests(Presenter& presenter) {
    PresenterRequests& requests = presenterRequests();
    std::unique_lock lock(requests.mutex);
    if (requests.exitWanted.load(std::memory_order_acquire)) {
        lock.unlock();
        endProgramNow(presenter, requests.exitCode.load(std::memory_order_relaxed));
    }
    if (requests.windowWanted && !presenter.windowOpen) {
        // The game thread wrote the title and is now parked until the window
        // exists, so reading it here does not race.
        if (!createSdlWindow(screenDevice().title, presenter.window)) {
            lock.unlock();
            SDL_Quit();
            std::exit(EXIT_FAILURE);
        }
        presenter.windowOpen = true;
        presenter.sendWholePicture = true;
        requests.windowReady = true;
        requests.titleChanged = false;
        requests.changed.notify_all();
    }
    if (requests.titleChanged && presenter.windowOpen) {
        requests.titleChanged = false;
        const std::string title = requests.title;
        lock.unlock();
        setSdlWindowTitle(presenter.window, title);
    }
}

void runPass(Presenter& presenter) {
    WindowInput& input = presenter.input;
    input.clear();
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (event.type == SDL_AUDIODEVICEREMOVED) audioDeviceRemoved(event.adevice);
        translateEvent(event, input);
        noteSdlPadEvent(event);
    }
    for (int32_t press = 0; press < input.soundKeyPresses; ++press) {
        soundKeyPressed(backendSeconds());
    }
    const std::string_view line = soundLine(backendSeconds());
    const bool soundLineChanged = line != presenter.soundLine;
    presenter.soundLine = line;
    if (input.toggleFullscreen) {
        toggleFullscreen(presenter.window);
        input.redraw = true;
    }
    const Uint32 flags = SDL_GetWindowFlags(presenter.window.window);
    const bool focused = (flags & SDL_WINDOW_INPUT_FOCUS) != 0;
    const bool attended = focused && (flags & SDL_WINDOW_MINIMIZED) == 0;
    KeyStates held{};
    if (focused) {
        int count = 0;
        const uint8_t* sdlStates = SDL_GetKeyboardState(&count);
        held = heldKeysFrom(sdlStates, count);
    }

    bool sent = false;
    bool holdChanged = false;
    bool pausedLine = false;
    {
        std::lock_guard lock(screenMutex());
        if (input.focusChanged || attended != presenter.attended) {
            focusChanged(attended);
            presenter.attended = attended;
        }
        for (int32_t press = 0; press < input.pausePresses; ++press) {
            pauseKeyPressed();
        }
        if (focused) {
            setKeyStates(held);
        }
        feedSdlPads();
        for (const uint32_t code : input.typedCodes) {
            addKeyCode(code);
        }
        if (presenter.sendWholePicture) {
            markLinesChanged(0, kScreenHeight - 1);
            presenter.sendWholePicture = false;
        }
        // The "Paused" line comes and goes with the hold, even when the game
        // has drawn nothing new.
        holdChanged = takeHoldChanged();
        pausedLine = framesHeld();
        sent = takeChangedLines(presenter.window, pausedLine, input.redraw, line);
    }
    if (sent || input.redraw || holdChanged || soundLineChanged) {
        presentPicture(presenter.window, pausedLine, line);
    }
}

}  // namespace

void runPresenter() {
    Presenter presenter;
    PresenterRequests& requests = presenterRequests();
    for (;;) {
        serveRequests(presenter);
        if (presenter.windowOpen) {
            runPass(presenter);
        }
        // Sleeps the pass interval, but wakes at once when the game asks for
        // something so that opening the window or ending is not delayed.
        std::unique_lock lock(requests.mutex);
        requests.changed.wait_for(lock, kPassInterval, [&] {
            return requests.exitWanted.load(std::memory_order_acquire) ||
                   (requests.windowWanted && !presenter.windowOpen) ||
                   (requests.titleChanged && presenter.windowOpen);
        });
    }
}

}  // namespace kestrway
