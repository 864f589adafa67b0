// Time on Windows: the seconds clock and the 1 ms system timer that keeps
// sleeps as short as the game asks.
#pragma once

namespace kestrway {

// The performance counter divided by its frequency, asked for once; the
// millisecond tick count times 0.001 where the counter is missing.
double systemSeconds();

// Sleep and timed waits are rounded up to the system timer's tick, 15.6 ms
// by default: the 10 ms frame sleep would then last a tick and a half and
// the game would run a third slower. Asked for at start, given back at the end.
void requestFineTimer();
void releaseFineTimer();

}  // namespace kestrway
