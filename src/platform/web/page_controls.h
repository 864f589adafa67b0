// The page's other ways to play, beside the keyboard: its touch controls
// and the gamepads the browser sees. The page gathers their buttons and
// axes; each pass hands them to the platform's one pad translation, so they
// reach the game exactly as the keyboard's keys do.
#pragma once

namespace kestrway::web {

// Presenter side, with the screen lock held: tells the page whether the
// game is in play (its Escape button shows then), reads the page's sources
// (the touch panel, each gamepad) and hands their state over; a source gone
// lets go of everything it held. Plays a new rumble request on the pads.
void feedPageControls(bool inPlay);

}  // namespace kestrway::web
