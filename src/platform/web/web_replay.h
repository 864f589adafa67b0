// What the page learns about replays: the end of a verification, run with
// no canvas, whose lines go to the page through standard output.
#pragma once

#include <cstdint>

namespace kestrway::web {

// Tells the page a verification has ended with this exit status.
void announceVerification(int32_t status);

}  // namespace kestrway::web
