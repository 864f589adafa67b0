// The page's focus: hiding the tab or leaving the window loses it, and the
// game must then see no key held (the releases will never arrive) and get
// the whole picture again. Every focus rule of the web backend lives here.
#pragma once

namespace kestrway::web {

// Listens for the window's blur and focus and the tab's visibility.
void startFocusWatch();

// A key event reached the page, so it has the focus whatever was said
// before (a headless browser may never send "focus").
void noteKeyEvent();

// Presenter side, with the screen lock held: tells the core about a focus
// change since the last pass (frames are held while the focus is away). True while the page has the
// focus, when the pass may publish held keys.
bool applyFocusChanges();

}  // namespace kestrway::web
