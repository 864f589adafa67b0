// The waveOut backend's life: it starts when a device opens (under the test
// suite's Wine there is none, on a desktop there may be), keeps playing while
// fed, and stops, again and again, without leaving anything behind.
#include "platform/win32/wave_out.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace kestrway {
namespace {

TEST(Win32WaveOut, StartsOnlyWithADeviceAndStopsCleanlyEitherWay) {
    const bool started = startWaveOut();
    EXPECT_EQ(waveOutPlaying(), started);
    if (started) {
        // Several buffers' worth: the feeding thread keeps them coming.
        Sleep(100);
        EXPECT_TRUE(waveOutPlaying());
    }
    stopWaveOut();
    EXPECT_FALSE(waveOutPlaying());
    stopWaveOut();  // nothing left to stop
    // The handles were released: it opens (or fails) the same way again.
    EXPECT_EQ(startWaveOut(), started);
    stopWaveOut();
    EXPECT_FALSE(waveOutPlaying());
}

}  // namespace
}  // namespace kestrway
