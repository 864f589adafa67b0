// The "Demo" line every frame of a demo carries, so nobody mistakes it for
// a game in play.
#pragma once

namespace kestrway {

void showDemoLine(bool shown);
// Draws the line into the page while it is shown; the foreground colour is
// left as it was.
void drawDemoLine();

}  // namespace kestrway
