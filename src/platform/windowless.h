// Running the game's rules with no window and no waiting, as fast as the
// machine allows: how a replay is verified. The screen pages exist and are
// drawn on, but no backend is asked for a window, a sleep or the end.
#pragma once

#include <cstdint>

namespace kestrway {

// Thrown by endProgram while windowless, for the caller to report.
struct WindowlessEnd {
    int32_t exitCode = 0;
};

// Game thread, before openScreen.
void setWindowless(bool on);
bool windowless();

// While on, clearScreen, blit and drawText do all but write their pixels:
// the drawing procedures still run (they also run rules: random draws, the
// obstacle table, tower fire), but the page is left as it was. For
// verifying replays, where nothing is shown.
void setPixelsDiscarded(bool on);
bool pixelsDiscarded();

}  // namespace kestrway
