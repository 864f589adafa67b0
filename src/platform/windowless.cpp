// The windowless switch.
#include "platform/windowless.h"

namespace kestrway {

namespace {

bool gWindowless = false;

}  // namespace

void setWindowless(bool on) {
    gWindowless = on;
}

bool windowless() {
    return gWindowless;
}

}  // namespace kestrway
