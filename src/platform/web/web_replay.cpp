// The page's side of replays, in JavaScript.
#include "platform/web/web_replay.h"

#include <emscripten/emscripten.h>

EM_JS(void, jsAnnounceVerification, (int32_t status), {
    if (Module['onVerified']) Module['onVerified'](status);
});

namespace kestrway::web {

void announceVerification(int32_t status) {
    jsAnnounceVerification(status);
}

}  // namespace kestrway::web
