// The software screen: pages, lock, changed lines, colours and clearing.
#include "platform/screen.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "platform/backend.h"
#include "platform/frame_hold.h"
#include "platform/pad_input.h"
#include "platform/screen_device.h"
#include "platform/windowless.h"

namespace kestrway {

namespace {

// Never destroyed: whatever way the process ends (a thread calling exit, a
// library's handler), the game thread may still be drawing into the pages or
// holding the lock; nothing it touches is torn down before the process goes.
ScreenDevice& gDevice = *new ScreenDevice;
std::mutex& gScreenMutex = *new std::mutex;
void (*gReleasedHook)() = nullptr;

constexpr size_t kPagePixels = static_cast<size_t>(kScreenWidth) * kScreenHeight;

// Where wchar_t is 32 bits the C library's wide fill is the fastest way to
// fill pixels (it picks the widest stores the processor has).
void fillPixels(uint32_t* pixels, size_t count, uint32_t colour) {
    if constexpr (sizeof(wchar_t) == sizeof(uint32_t)) {
        std::wmemset(reinterpret_cast<wchar_t*>(pixels), static_cast<wchar_t>(colour), count);
    } else {
        std::fill_n(pixels, count, colour);
    }
}

}  // namespace

ScreenDevice& screenDevice() {
    return gDevice;
}

std::mutex& screenMutex() {
    return gScreenMutex;
}

int32_t pixelCoordinate(float value) {
    // NaN and values beyond the int32 range would make the conversion
    // undefined; pin them far outside any view instead.
    if (!(value > -2.0e9f)) return value != value ? 0 : -2000000000;
    if (value > 2.0e9f) return 2000000000;
    if (value > 0.0f) return static_cast<int32_t>(value);
    return static_cast<int32_t>(value - 0.5f);
}

void markLinesChanged(int32_t first, int32_t last) {
    first = std::max(first, 0);
    last = std::min(last, kScreenHeight - 1);
    if (last < first) return;
    std::fill(gDevice.changedLines.begin() + first, gDevice.changedLines.begin() + last + 1,
              uint8_t{1});
}

ErrorCode openScreen() {
    if (!gDevice.pages) {
        gDevice.pages = std::make_unique<uint32_t[]>(kPagePixels * kScreenPages);
    }
    gDevice.work = gDevice.pages.get();
    gDevice.foreground = 0xFFFFFFFF;
    gDevice.background = 0xFF000000;
    fillPixels(gDevice.pages.get(), kPagePixels * kScreenPages, gDevice.background);
    gDevice.view = ScreenView{};
    gDevice.textRow = 1;
    gDevice.textColumn = 1;
    gDevice.cursorX = kScreenWidth / 2;
    gDevice.cursorY = kScreenHeight / 2;
    if (!gDevice.titleSet) {
        gDevice.title = "kestrway";
    }
    {
        std::lock_guard lock(gScreenMutex);
        gDevice.keyStates.fill(0);
        gDevice.changedLines.fill(1);
        gDevice.open = true;
    }
    if (!windowless()) backendOpenWindow();
    return ErrorCode::kOk;
}

ErrorCode setWindowTitle(std::string_view text) {
    const std::string_view kept = text.substr(0, std::min<size_t>(text.size(), kMaxTitleLength));
    {
        std::lock_guard lock(gScreenMutex);
        gDevice.title.assign(kept);
        gDevice.titleSet = true;
    }
    if (gDevice.open && !windowless()) backendTitleChanged();
    return ErrorCode::kOk;
}

ErrorCode getScreenInfo(ScreenInfo& info) {
    if (!gDevice.open) {
        info = ScreenInfo{};
        return ErrorCode::kIllegalCall;
    }
    info = ScreenInfo{kScreenWidth, kScreenHeight, 32, 4, kScreenPitch, 100, "software"};
    return ErrorCode::kOk;
}

ErrorCode lockScreen() {
    if (gDevice.lockCount == 0) gScreenMutex.lock();
    ++gDevice.lockCount;
    return ErrorCode::kOk;
}

void unlockScreenUnmarked() {
    if (gDevice.lockCount == 0) return;
    --gDevice.lockCount;
    if (gDevice.lockCount == 0) {
        gScreenMutex.unlock();
        if (gReleasedHook != nullptr) gReleasedHook();
    }
}

void setScreenReleasedHook(void (*hook)()) {
    gReleasedHook = hook;
}

ErrorCode unlockScreen(int32_t firstLine, int32_t lastLine) {
    if (firstLine < 0) firstLine = 0;
    if (lastLine < 0) lastLine = kScreenHeight - 1;
    const bool mark = lastLine <= kScreenHeight - 1 && lastLine >= firstLine;
    if (gDevice.lockCount == 0) {
        // Not inside a frame: the presenter may be reading the flags, so take
        // the lock just for the marking.
        if (mark) {
            std::lock_guard lock(gScreenMutex);
            markLinesChanged(firstLine, lastLine);
        }
        return ErrorCode::kOk;
    }
    if (mark) markLinesChanged(firstLine, lastLine);
    unlockScreenUnmarked();
    return ErrorCode::kOk;
}

uint32_t* screenPixels() {
    return gDevice.open ? gDevice.work : nullptr;
}

ErrorCode clearScreen() {
    if (!gDevice.open) return ErrorCode::kIllegalCall;
    lockScreen();
    if (!pixelsDiscarded()) fillPixels(gDevice.work, kPagePixels, gDevice.background);
    markLinesChanged(0, kScreenHeight - 1);
    gDevice.textRow = 1;
    gDevice.textColumn = 1;
    gDevice.cursorX = kScreenWidth / 2;
    gDevice.cursorY = kScreenHeight / 2;
    unlockScreenUnmarked();
    return ErrorCode::kOk;
}

uint32_t setColors(uint32_t foreground, uint32_t background, uint32_t keep) {
    const uint32_t previous = gDevice.foreground;
    if ((keep & 1u) == 0) gDevice.foreground = foreground;
    if ((keep & 2u) == 0) gDevice.background = background;
    return previous;
}

void resetScreenDevice() {
    if (gDevice.lockCount > 0) {
        gDevice.lockCount = 0;
        gScreenMutex.unlock();
    }
    std::unique_ptr<uint32_t[]> pages = std::move(gDevice.pages);
    gDevice = ScreenDevice{};
    gDevice.pages = std::move(pages);  // reused: tests open thousands of screens
    resetFrameHold();
    resetPads();
}

}  // namespace kestrway
