// The windowless switch.
#include "platform/windowless.h"

namespace kestrway {

namespace {

bool gWindowless = false;
bool gPixelsDiscarded = false;

}  // namespace

void setWindowless(bool on) {
    gWindowless = on;
}

bool windowless() {
    return gWindowless;
}

void setPixelsDiscarded(bool on) {
    gPixelsDiscarded = on;
}

bool pixelsDiscarded() {
    return gPixelsDiscarded;
}

}  // namespace kestrway
