// Key states and the typed-key ring: filled by the presenter, read by the game.
#include "platform/keyboard.h"

#include "platform/frame_hold.h"
#include "platform/input_tap.h"
#include "platform/pad_input.h"
#include "platform/screen_device.h"

namespace kestrway {

namespace {

InputTap* gTap = nullptr;

int32_t liveKeyState(int32_t scanCode) {
    ScreenDevice& device = screenDevice();
    if (!device.open || scanCode < 0 || scanCode >= kKeyStateCount) return 0;
    lockScreen();
    // The keyboard and every pad together, as one keyboard would be.
    const bool down = device.keyStates[static_cast<size_t>(scanCode)] != 0 || padHoldsKey(scanCode);
    if (down) notePadKeyRead(scanCode);
    unlockScreenUnmarked();
    return down ? -1 : 0;
}

void takeLiveKey(std::string& key) {
    ScreenDevice& device = screenDevice();
    if (!device.open) return;
    lockScreen();
    KeyRing& ring = device.keys;
    device.keyPressed = false;
    if (ring.readIndex != ring.writeIndex) {
        const uint32_t code = ring.codes[static_cast<size_t>(ring.readIndex)];
        ring.readIndex = (ring.readIndex + 1) % kKeyBufferSlots;
        if (code <= 255) {
            key.push_back(static_cast<char>(code));
        } else {
            key.push_back(static_cast<char>(code & 255u));
            key.push_back(static_cast<char>((code / 256u) & 255u));
        }
    }
    unlockScreenUnmarked();
}

}  // namespace

void setInputTap(InputTap* tap) {
    gTap = tap;
}

InputTap* inputTap() {
    return gTap;
}

int32_t isKeyDown(int32_t scanCode) {
    const int32_t live = liveKeyState(scanCode);
    return gTap != nullptr ? gTap->keyState(scanCode, live) : live;
}

std::string readKey() {
    std::string key;  // at most two characters: stays in the string's own storage
    takeLiveKey(key);
    if (gTap != nullptr) gTap->typedKey(key);
    return key;
}

void addKeyCode(uint32_t code) {
    KeyRing& ring = screenDevice().keys;
    ring.codes[static_cast<size_t>(ring.writeIndex)] = code;
    ring.writeIndex = (ring.writeIndex + 1) % kKeyBufferSlots;
    if (ring.writeIndex == ring.readIndex) {
        ring.readIndex = (ring.readIndex + 1) % kKeyBufferSlots;  // full: the oldest is lost
    }
    screenDevice().keyPressed = true;
    if (code == kCloseKeyCode) closeRequested();
}

void setKeyStates(const std::array<uint8_t, kKeyStateCount>& states) {
    screenDevice().keyStates = states;
}

void focusChanged(bool attended) {
    screenDevice().keyStates.fill(0);
    padsAttended(attended);
    markLinesChanged(0, kScreenHeight - 1);
    setWindowAttended(attended);
}

}  // namespace kestrway
