// Sleeps and the seconds timer. On the headless backend both run on a
// virtual clock, so tests play thousands of frames in milliseconds.
#pragma once

#include <cstdint>

#include "platform/error_code.h"

namespace kestrway {

// The frame sleep: also waits as long as frames are held (frame_hold.h).
ErrorCode sleepMs(int32_t ms);
// -1: until a key is pressed (checked every 50 ms); 1..99: a plain sleep;
// 0 or below: returns at once; 100 or more: returns early on a key press.
ErrorCode sleepUntilKey(int32_t ms);
// Seconds from a monotonic clock; the zero point is arbitrary.
double timerSeconds();

}  // namespace kestrway
