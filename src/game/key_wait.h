// The wait for a typed Space that ends every interstitial screen.
#pragma once

namespace kestrway {

// Returns when Space is typed; Escape ends the program at once and the close
// button is ignored.
void waitForSpace();

// The still screens have no engine and no alarm.
void silenceLoopingSounds();

}  // namespace kestrway
