// A tap between the game and what it reads from the keyboard: a recorder
// sees every answer of isKeyDown and readKey, a replay gives its own. The
// game cannot tell; only the replay code sets one.
#pragma once

#include <cstdint>
#include <string>

namespace kestrway {

class InputTap {
  public:
    virtual ~InputTap() = default;
    // The answer isKeyDown(scanCode) gives, from the live one (-1 or 0).
    virtual int32_t keyState(int32_t scanCode, int32_t live) = 0;
    // The answer readKey gives; `key` holds the live one (already taken from
    // the ring) and is replaced in place, so no string is made per read.
    virtual void typedKey(std::string& key) = 0;
};

// Game thread. nullptr (the default) for none. A tap may throw to stop the
// game where it reads: it is called after the read's own lock is released,
// and the game reads keys outside its drawing.
void setInputTap(InputTap* tap);
InputTap* inputTap();

}  // namespace kestrway
