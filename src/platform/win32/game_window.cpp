// Creating, titling, switching and closing the game's window.
#include "platform/win32/game_window.h"

#include <array>
#include <cstdio>

#include "platform/screen.h"
#include "platform/win32/window_icon.h"

namespace kestrway {
namespace {

constexpr wchar_t kClassName[] = L"KestrwayWindow";
constexpr DWORD kWindowedStyle = WS_OVERLAPPEDWINDOW;

using WideTitle = std::array<wchar_t, kMaxTitleLength + 1>;

WideTitle widenLatin1(std::string_view title) {
    WideTitle wide{};
    const size_t length = title.size() < kMaxTitleLength ? title.size() : kMaxTitleLength;
    for (size_t i = 0; i < length; ++i) wide[i] = static_cast<unsigned char>(title[i]);
    return wide;
}

// Whole steps only, so that every game pixel stays the same number of
// window pixels: 1 up to 199 % display scaling, 2 from 200 %, and so on.
int32_t wholeDisplayScale() {
    constexpr int32_t kUnscaledDpi = 96;
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr) return 1;
    const int32_t dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi >= 2 * kUnscaledDpi ? dpi / kUnscaledDpi : 1;
}

bool registerWindowClass(WNDPROC procedure, HICON icon) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // Redrawn whole on every resize: the bars move with the picture.
    windowClass.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    // No background brush: the presenter paints every pixel itself, and an
    // erase first would flicker.
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool createGameWindow(std::string_view title, WNDPROC procedure, void* owner, GameWindow& out) {
    GameWindow made;
    made.icon = createWindowIcon();
    if (!registerWindowClass(procedure, made.icon)) {
        std::fprintf(stderr, "kestrway: cannot register the window class (error %lu)\n",
                     GetLastError());
        if (made.icon != nullptr) DestroyIcon(made.icon);
        return false;
    }
    const int32_t scale = wholeDisplayScale();
    RECT frame{0, 0, kScreenWidth * scale, kScreenHeight * scale};
    AdjustWindowRectEx(&frame, kWindowedStyle, FALSE, 0);
    const WideTitle wideTitle = widenLatin1(title);
    made.handle = CreateWindowExW(0, kClassName, wideTitle.data(), kWindowedStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), owner);
    if (made.handle == nullptr) {
        std::fprintf(stderr, "kestrway: cannot open the window (error %lu)\n", GetLastError());
        if (made.icon != nullptr) DestroyIcon(made.icon);
        return false;
    }
    made.dc = GetDC(made.handle);
    // Nearest-neighbour scaling: every game pixel stays a sharp block.
    SetStretchBltMode(made.dc, COLORONCOLOR);
    made.windowed.length = sizeof made.windowed;
    out = made;
    ShowWindow(out.handle, SW_SHOWNORMAL);
    SetForegroundWindow(out.handle);
    return true;
}

void destroyGameWindow(GameWindow& window) {
    if (window.handle != nullptr) {
        ReleaseDC(window.handle, window.dc);
        DestroyWindow(window.handle);
    }
    UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
    if (window.icon != nullptr) DestroyIcon(window.icon);
    window = GameWindow{};
}

void setGameWindowTitle(const GameWindow& window, std::string_view title) {
    const WideTitle wideTitle = widenLatin1(title);
    SetWindowTextW(window.handle, wideTitle.data());
}

void toggleFullscreen(GameWindow& window) {
    const HWND handle = window.handle;
    const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
    if (!window.fullscreen) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        if (!GetWindowPlacement(handle, &window.windowed) ||
            !GetMonitorInfoW(MonitorFromWindow(handle, MONITOR_DEFAULTTONEAREST), &monitor)) {
            return;
        }
        SetWindowLongPtrW(handle, GWL_STYLE, (style & ~LONG_PTR{kWindowedStyle}) | WS_POPUP);
        const RECT& area = monitor.rcMonitor;
        SetWindowPos(handle, HWND_TOP, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
        window.fullscreen = true;
    } else {
        SetWindowLongPtrW(handle, GWL_STYLE, (style & ~LONG_PTR{WS_POPUP}) | kWindowedStyle);
        SetWindowPlacement(handle, &window.windowed);
        SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
        window.fullscreen = false;
    }
}

}  // namespace kestrway
