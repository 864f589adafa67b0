// The virtual key to PC set-1 table.
#include "platform/win32/virtual_keys.h"

#include <windows.h>

namespace kestrway {
namespace {

struct KeyPair {
    uint8_t virtualKey;
    uint8_t pc;
};

// The same keys as the other backends' tables. GetKeyboardState tells the
// left and right Shift, Ctrl and Alt apart, so those are listed by side;
// with Num Lock off the keypad arrives as the cursor keys' virtual keys.
constexpr KeyPair kKeyPairs[] = {
    {VK_ESCAPE, 1},
    {'1', 2},
    {'2', 3},
    {'3', 4},
    {'4', 5},
    {'5', 6},
    {'6', 7},
    {'7', 8},
    {'8', 9},
    {'9', 10},
    {'0', 11},
    {VK_OEM_MINUS, 12},
    {VK_OEM_PLUS, 13},
    {VK_BACK, 14},
    {VK_TAB, 15},
    {'Q', 16},
    {'W', 17},
    {'E', 18},
    {'R', 19},
    {'T', 20},
    {'Y', 21},
    {'U', 22},
    {'I', 23},
    {'O', 24},
    {'P', 25},
    {VK_OEM_4, 26},
    {VK_OEM_6, 27},
    {VK_RETURN, 28},
    {VK_LCONTROL, 29},
    {VK_RCONTROL, 29},
    {'A', 30},
    {'S', 31},
    {'D', 32},
    {'F', 33},
    {'G', 34},
    {'H', 35},
    {'J', 36},
    {'K', 37},
    {'L', 38},
    {VK_OEM_1, 39},
    {VK_OEM_7, 40},
    {VK_OEM_3, 41},
    {VK_LSHIFT, 42},
    {VK_OEM_5, 43},
    {'Z', 44},
    {'X', 45},
    {'C', 46},
    {'V', 47},
    {'B', 48},
    {'N', 49},
    {'M', 50},
    {VK_OEM_COMMA, 51},
    {VK_OEM_PERIOD, 52},
    {VK_OEM_2, 53},
    {VK_DIVIDE, 53},
    {VK_RSHIFT, 54},
    {VK_MULTIPLY, 55},
    {VK_LMENU, 56},
    {VK_RMENU, 56},
    {VK_SPACE, 57},
    {VK_CAPITAL, 58},
    {VK_F1, 59},
    {VK_F2, 60},
    {VK_F3, 61},
    {VK_F4, 62},
    {VK_F5, 63},
    {VK_F6, 64},
    {VK_F7, 65},
    {VK_F8, 66},
    {VK_F9, 67},
    {VK_F10, 68},
    {VK_NUMLOCK, 69},
    {VK_SCROLL, 70},
    {VK_NUMPAD7, 71},
    {VK_HOME, 71},
    {VK_NUMPAD8, 72},
    {VK_UP, 72},
    {VK_NUMPAD9, 73},
    {VK_PRIOR, 73},
    {VK_SUBTRACT, 74},
    {VK_NUMPAD4, 75},
    {VK_LEFT, 75},
    {VK_NUMPAD5, 76},
    {VK_CLEAR, 76},
    {VK_NUMPAD6, 77},
    {VK_RIGHT, 77},
    {VK_ADD, 78},
    {VK_NUMPAD1, 79},
    {VK_END, 79},
    {VK_NUMPAD2, 80},
    {VK_DOWN, 80},
    {VK_NUMPAD3, 81},
    {VK_NEXT, 81},
    {VK_NUMPAD0, 82},
    {VK_INSERT, 82},
    {VK_DECIMAL, 83},
    {VK_DELETE, 83},
    {VK_OEM_102, 86},
    {VK_F11, 87},
    {VK_F12, 88},
    {VK_LWIN, 91},
    {VK_RWIN, 92},
    {VK_APPS, 93},
};

constexpr std::array<uint8_t, 256> makeTable() {
    std::array<uint8_t, 256> table{};
    for (const KeyPair& pair : kKeyPairs) table[pair.virtualKey] = pair.pc;
    return table;
}

constexpr std::array<uint8_t, 256> kPcCodeOfVirtualKey = makeTable();

}  // namespace

int32_t pcScanCode(uint32_t virtualKey) {
    return virtualKey < kPcCodeOfVirtualKey.size() ? kPcCodeOfVirtualKey[virtualKey] : 0;
}

KeyStates heldKeysFrom(const std::array<uint8_t, 256>& keyboardState) {
    KeyStates states{};
    for (const KeyPair& pair : kKeyPairs) {
        if ((keyboardState[pair.virtualKey] & 0x80u) != 0) states[pair.pc] = 1;
    }
    return states;
}

}  // namespace kestrway
