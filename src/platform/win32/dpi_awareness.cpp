// The newest DPI awareness the system offers, looked up at run time so that
// the program still starts on systems without it.
#include "platform/win32/dpi_awareness.h"

#include <windows.h>

namespace kestrway {
namespace {

using SetContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);

}  // namespace

void becomeDpiAware() {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const FARPROC found =
        user32 != nullptr ? GetProcAddress(user32, "SetProcessDpiAwarenessContext") : nullptr;
    if (found != nullptr) {
        // GetProcAddress returns a generic function pointer; this is its
        // documented signature.
        const auto setContext = reinterpret_cast<SetContext>(reinterpret_cast<void*>(found));
        if (setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) != 0 ||
            setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE) != 0) {
            return;
        }
    }
    SetProcessDPIAware();  // Windows 7 and 8: the system DPI at least
}

}  // namespace kestrway
