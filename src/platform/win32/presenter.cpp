// The presenter thread and the window procedure.
#include "platform/win32/presenter.h"

#include <windows.h>

#include <array>
#include <mutex>
#include <string>

#include "platform/frame_hold.h"
#include "platform/screen_device.h"
#include "platform/sound_toggle.h"
#include "platform/win32/game_window.h"
#include "platform/win32/present_lines.h"
#include "platform/win32/system_clock.h"
#include "platform/win32/virtual_keys.h"
#include "platform/win32/window_messages.h"
#include "platform/win32/xinput_pads.h"

namespace kestrway {
namespace {

constexpr DWORD kPassIntervalMs = 10;
// While the user drags or resizes the window, Windows runs a loop of its own
// and ours waits; a timer keeps the passes going meanwhile.
constexpr UINT_PTR kModalPassTimer = 1;

struct Presenter {
    HANDLE thread = nullptr;
    HANDLE ready = nullptr;      // set once the window exists, or could not be made
    HANDLE endWanted = nullptr;  // set by the game thread in endProgram
    bool failed = false;
    GameWindow window;
    WindowInput input;
    WindowFocus focus;
    std::string title;  // a copy taken under the lock, shown without it
    PausedBand band;
    std::string_view soundLine;  // the sound line last drawn, to see it come and go
};

// Never destroyed: the game thread may be parked on it while the process ends.
Presenter& presenter() {
    static Presenter* const instance = new Presenter;
    return *instance;
}

// Activation, deactivation, minimising and restoring: no key reads as held,
// the whole picture is sent again, and play holds while the window is not
// attended. Screen lock held.
void applyFocusChange(const WindowFocus& focus) {
    focusChanged(focus.attended());
}

void runPass(Presenter& p) {
    WindowInput& input = p.input;
    // M flips the sound at once; the line saying so shows for a second.
    for (int32_t press = 0; press < input.soundKeyPresses; ++press) {
        soundKeyPressed(systemSeconds());
    }
    const std::string_view line = soundLine(systemSeconds());
    const bool soundLineChanged = line != p.soundLine;
    p.soundLine = line;
    if (input.toggleFullscreen) toggleFullscreen(p.window);
    RECT client{};
    GetClientRect(p.window.handle, &client);
    const PictureFit picture = fitPicture(client.right, client.bottom);
    KeyStates held{};
    std::array<uint8_t, 256> keyboard{};
    const bool focused = p.focus.active && GetKeyboardState(keyboard.data()) != 0;
    if (focused) held = heldKeysFrom(keyboard);
    {
        std::lock_guard lock(screenMutex());
        if (input.focusChanged) applyFocusChange(p.focus);
        if (input.pausePressed) pauseKeyPressed();
        if (focused) setKeyStates(held);
        feedXInputPads(GetTickCount64());
        for (int32_t i = 0; i < input.typedCount; ++i) {
            addKeyCode(input.typedCodes[static_cast<size_t>(i)]);
        }
        if (input.redraw || input.toggleFullscreen) markLinesChanged(0, kScreenHeight - 1);
        if (input.titleChanged) p.title = screenDevice().title;
        // The "Paused" line comes and goes with the hold: its rows are sent
        // plain again, then the band drawn over them while held.
        const bool holdChanged = takeHoldChanged();
        if (holdChanged) {
            markLinesChanged(kPausedBandTop, kPausedBandTop + kPausedBandHeight - 1);
        }
        // The sound line likewise: its rows plain again when it goes.
        if (soundLineChanged) {
            markLinesChanged(kSoundBandTop, kSoundBandTop + kPausedBandHeight - 1);
        }
        const bool sent = presentChangedLines(p.window.dc, picture);
        if (framesHeld() && (sent || holdChanged)) {
            presentPausedBand(p.window.dc, picture, p.band);
        }
        if (!line.empty() && (sent || soundLineChanged)) {
            presentBandLine(p.window.dc, picture, line, kSoundBandTop, p.band);
        }
    }
    if (input.titleChanged) setGameWindowTitle(p.window, p.title);
    input.clear();
}

LRESULT CALLBACK windowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(handle, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* p = reinterpret_cast<Presenter*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (p == nullptr) return DefWindowProcW(handle, message, wParam, lParam);
    if (translateMessage(message, wParam, lParam, p->input, p->focus)) return 0;
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(handle, &paint);
            RECT client{};
            GetClientRect(handle, &client);
            paintBars(dc, client.right, client.bottom, fitPicture(client.right, client.bottom));
            EndPaint(handle, &paint);
            p->input.redraw = true;
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = POINT{kScreenWidth / 4, kScreenHeight / 4};
            return 0;
        }
        case WM_DPICHANGED: {
            // Moved to a monitor of another scale: take the size Windows
            // suggests, and the picture scales to it.
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(handle, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_ENTERSIZEMOVE:
            SetTimer(handle, kModalPassTimer, kPassIntervalMs, nullptr);
            return 0;
        case WM_EXITSIZEMOVE:
            KillTimer(handle, kModalPassTimer);
            return 0;
        case WM_TIMER:
            if (wParam == kModalPassTimer) runPass(*p);
            return 0;
        default:
            return DefWindowProcW(handle, message, wParam, lParam);
    }
}

void handleMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
        // Turns key presses into WM_CHAR for the typed characters.
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

DWORD WINAPI presenterThread(void* parameter) {
    Presenter& p = *static_cast<Presenter*>(parameter);
    // The game thread waits on `ready` and has written the title before.
    if (!createGameWindow(screenDevice().title, windowProcedure, &p, p.window)) {
        p.failed = true;
        SetEvent(p.ready);
        return 1;
    }
    p.focus.active = GetActiveWindow() == p.window.handle;
    // Without XInput the game is played with the keyboard.
    startXInputPads();
    SetEvent(p.ready);
    for (;;) {
        handleMessages();
        runPass(p);
        if (WaitForSingleObject(p.endWanted, kPassIntervalMs) == WAIT_OBJECT_0) break;
    }
    destroyGameWindow(p.window);
    return 0;
}

}  // namespace

bool startPresenter() {
    Presenter& p = presenter();
    p.ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    p.endWanted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (p.ready == nullptr || p.endWanted == nullptr) return false;
    p.thread = CreateThread(nullptr, 0, presenterThread, &p, 0, nullptr);
    if (p.thread == nullptr) return false;
    WaitForSingleObject(p.ready, INFINITE);
    return !p.failed;
}

void presenterTitleChanged() {
    const Presenter& p = presenter();
    if (p.window.handle != nullptr) PostMessageW(p.window.handle, kTitleChangedMessage, 0, 0);
}

void stopPresenter() {
    Presenter& p = presenter();
    if (p.thread == nullptr) return;
    SetEvent(p.endWanted);
    WaitForSingleObject(p.thread, INFINITE);
}

}  // namespace kestrway
