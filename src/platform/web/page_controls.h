// The page's other ways to play, beside the keyboard: its touch controls
// and the gamepads the browser sees. The page turns them into key events of
// its own, so they reach the game exactly as the keyboard's keys do.
#pragma once

namespace kestrway::web {

// Presenter side, at the start of each pass: the page reads its gamepads
// and learns whether the game is in play (its Escape button shows then).
void pollPageControls(bool inPlay);

}  // namespace kestrway::web
