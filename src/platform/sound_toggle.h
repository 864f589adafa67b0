// The M key, the same on every backend: sound off and on, and the short
// line the window layer shows for a second to say which.
#pragma once

#include <string_view>

namespace kestrway {

constexpr std::string_view kSoundOffLine = "Sound off";
constexpr std::string_view kSoundOnLine = "Sound on";

// How long the window layer shows the line after M.
constexpr double kSoundLineSeconds = 1.0;

// The window layer, when M goes down (a key repeat is not a press): flips
// the mute and starts the line. nowSeconds: backendSeconds().
void soundKeyPressed(double nowSeconds);

// "Sound off" or "Sound on" while the line shows, else empty. The window
// layer draws it over the picture, never into the game's screen page.
std::string_view soundLine(double nowSeconds);

// Back to no line (a fresh program; the mute itself is setSoundMuted's).
void resetSoundLine();

}  // namespace kestrway
