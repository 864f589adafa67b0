// The KeyboardEvent.code to PC set-1 table and the typed-key translation.
#include "platform/web/key_codes.h"

namespace kestrway::web {
namespace {

struct CodePair {
    std::string_view code;
    uint8_t pc;
};

// Extended keys (E0-prefixed on the PC) keep their second byte, so the
// cursor block and the keypad share codes.
constexpr CodePair kCodePairs[] = {
    {"Escape", 1},
    {"Digit1", 2},
    {"Digit2", 3},
    {"Digit3", 4},
    {"Digit4", 5},
    {"Digit5", 6},
    {"Digit6", 7},
    {"Digit7", 8},
    {"Digit8", 9},
    {"Digit9", 10},
    {"Digit0", 11},
    {"Minus", 12},
    {"Equal", 13},
    {"Backspace", 14},
    {"Tab", 15},
    {"KeyQ", 16},
    {"KeyW", 17},
    {"KeyE", 18},
    {"KeyR", 19},
    {"KeyT", 20},
    {"KeyY", 21},
    {"KeyU", 22},
    {"KeyI", 23},
    {"KeyO", 24},
    {"KeyP", 25},
    {"BracketLeft", 26},
    {"BracketRight", 27},
    {"Enter", 28},
    {"NumpadEnter", 28},
    {"ControlLeft", 29},
    {"ControlRight", 29},
    {"KeyA", 30},
    {"KeyS", 31},
    {"KeyD", 32},
    {"KeyF", 33},
    {"KeyG", 34},
    {"KeyH", 35},
    {"KeyJ", 36},
    {"KeyK", 37},
    {"KeyL", 38},
    {"Semicolon", 39},
    {"Quote", 40},
    {"Backquote", 41},
    {"ShiftLeft", 42},
    {"Backslash", 43},
    {"KeyZ", 44},
    {"KeyX", 45},
    {"KeyC", 46},
    {"KeyV", 47},
    {"KeyB", 48},
    {"KeyN", 49},
    {"KeyM", 50},
    {"Comma", 51},
    {"Period", 52},
    {"Slash", 53},
    {"NumpadDivide", 53},
    {"ShiftRight", 54},
    {"NumpadMultiply", 55},
    {"AltLeft", 56},
    {"AltRight", 56},
    {"Space", 57},
    {"CapsLock", 58},
    {"F1", 59},
    {"F2", 60},
    {"F3", 61},
    {"F4", 62},
    {"F5", 63},
    {"F6", 64},
    {"F7", 65},
    {"F8", 66},
    {"F9", 67},
    {"F10", 68},
    {"NumLock", 69},
    {"ScrollLock", 70},
    {"Numpad7", 71},
    {"Home", 71},
    {"Numpad8", 72},
    {"ArrowUp", 72},
    {"Numpad9", 73},
    {"PageUp", 73},
    {"NumpadSubtract", 74},
    {"Numpad4", 75},
    {"ArrowLeft", 75},
    {"Numpad5", 76},
    {"Numpad6", 77},
    {"ArrowRight", 77},
    {"NumpadAdd", 78},
    {"Numpad1", 79},
    {"End", 79},
    {"Numpad2", 80},
    {"ArrowDown", 80},
    {"Numpad3", 81},
    {"PageDown", 81},
    {"Numpad0", 82},
    {"Insert", 82},
    {"NumpadDecimal", 83},
    {"Delete", 83},
    {"IntlBackslash", 86},
    {"F11", 87},
    {"F12", 88},
    {"MetaLeft", 91},
    {"MetaRight", 92},
    {"ContextMenu", 93},
};

constexpr int32_t kPairCount = static_cast<int32_t>(sizeof(kCodePairs) / sizeof(kCodePairs[0]));

constexpr uint32_t kCodeBackspace = 8;
constexpr uint32_t kCodeTab = 9;
constexpr uint32_t kCodeEnter = 13;
constexpr uint32_t kCodeEscape = 27;

// Keys that type no character but still reach the game, by
// KeyboardEvent.key, so that the keypad with Num Lock off ("ArrowUp" on
// Numpad8) counts while with Num Lock on it types its digit.
constexpr std::string_view kCharacterlessKeys[] = {
    "ArrowUp",  "ArrowDown", "ArrowLeft", "ArrowRight", "Home", "End", "PageUp",
    "PageDown", "Insert",    "Delete",    "F1",         "F2",   "F3",  "F4",
    "F5",       "F6",        "F7",        "F8",         "F9",   "F10", "F12",
};

bool isCharacterless(std::string_view key) {
    for (std::string_view name : kCharacterlessKeys) {
        if (key == name) return true;
    }
    return false;
}

// The Latin-1 code of a key that is exactly one character up to U+00FF in
// UTF-8; 0 for names ("Shift"), dead keys and characters beyond Latin-1.
uint32_t latin1Character(std::string_view key) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(key[i]); };
    if (key.size() == 1 && byte(0) >= 0x20 && byte(0) < 0x7F) return byte(0);
    if (key.size() == 2 && (byte(0) == 0xC2 || byte(0) == 0xC3) && (byte(1) & 0xC0) == 0x80) {
        const uint32_t code = ((byte(0) & 0x1Fu) << 6) | (byte(1) & 0x3Fu);
        return code >= 0xA0 ? code : 0;  // U+0080..U+009F are controls
    }
    return 0;
}

}  // namespace

int32_t physicalKeyCount() {
    return kPairCount;
}

int32_t physicalKeySlot(std::string_view code) {
    for (int32_t slot = 0; slot < kPairCount; ++slot) {
        if (kCodePairs[slot].code == code) return slot;
    }
    return -1;
}

int32_t scanCodeOfSlot(int32_t slot) {
    return slot >= 0 && slot < kPairCount ? kCodePairs[slot].pc : 0;
}

int32_t pcScanCode(std::string_view code) {
    return scanCodeOfSlot(physicalKeySlot(code));
}

KeyStates heldKeysFrom(const uint8_t* heldSlots) {
    KeyStates states{};
    for (int32_t slot = 0; slot < kPairCount; ++slot) {
        if (heldSlots[slot] != 0) states[kCodePairs[slot].pc] = 1;
    }
    return states;
}

bool isFullscreenKey(const KeyPress& press) {
    return press.code == "F11" ||
           (press.alt && (press.code == "Enter" || press.code == "NumpadEnter"));
}

uint32_t typedKeyCode(const KeyPress& press) {
    if (isFullscreenKey(press)) return 0;
    if (press.key == "Enter") return kCodeEnter;
    if (press.key == "Escape") return kCodeEscape;
    if (press.key == "Backspace") return kCodeBackspace;
    if (press.key == "Tab") return kCodeTab;
    if (isCharacterless(press.key)) {
        const int32_t scanCode = pcScanCode(press.code);
        return scanCode != 0 ? extendedKeyCode(static_cast<uint32_t>(scanCode)) : 0;
    }
    // Ctrl or Meta with a letter is a shortcut, not typing; AltGr (reported
    // as Ctrl+Alt on some systems) still types its character.
    if ((press.ctrl && !press.alt) || press.meta) return 0;
    return latin1Character(press.key);
}

bool browserKeepsKey(const KeyPress& press) {
    if (isFullscreenKey(press)) return false;
    if (press.ctrl || press.alt || press.meta) return true;
    const int32_t scanCode = pcScanCode(press.code);
    // F1..F10 and F12: help, reload, developer tools.
    return (scanCode >= 59 && scanCode <= 68) || scanCode == 88;
}

}  // namespace kestrway::web
