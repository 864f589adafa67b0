// The performance counter, the tick count and the system timer's resolution.
#include "platform/win32/system_clock.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

namespace kestrway {
namespace {

constexpr UINT kTimerResolutionMs = 1;

// The seconds per counter step, or 0 when there is no counter.
double counterPeriod() {
    LARGE_INTEGER frequency{};
    if (QueryPerformanceFrequency(&frequency) == 0 || frequency.QuadPart <= 0) return 0.0;
    return 1.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

double systemSeconds() {
    static const double period = counterPeriod();
    LARGE_INTEGER count{};
    if (period > 0.0 && QueryPerformanceCounter(&count) != 0) {
        return static_cast<double>(count.QuadPart) * period;
    }
    return static_cast<double>(GetTickCount64()) * 0.001;
}

void requestFineTimer() {
    timeBeginPeriod(kTimerResolutionMs);
}

void releaseFineTimer() {
    timeEndPeriod(kTimerResolutionMs);
}

}  // namespace kestrway
