#include "key_capture.h"

namespace {

constexpr long shiftKeys[] = {16, 160, 161};   // SHIFT, LSHIFT, RSHIFT
constexpr long controlKeys[] = {17, 162, 163}; // CONTROL, LCONTROL, RCONTROL
constexpr long altKeys[] = {18, 164, 165};     // MENU, LMENU, RMENU
constexpr long windowsKeys[] = {91, 92};       // LWIN, RWIN

template <size_t n>
bool isOneOf(long code, const long (&keys)[n]) {
    for (const long key : keys) {
        if (key == code) return true;
    }
    return false;
}

} // namespace

ModifierChecks heldModifierChecks(long code, const ModifierChecks& held) {
    return {held.ctrl && !isOneOf(code, controlKeys), held.alt && !isOneOf(code, altKeys),
            held.shift && !isOneOf(code, shiftKeys), held.windows && !isOneOf(code, windowsKeys)};
}

bool typesText(long code) {
    const bool mainKeys = code == 9 || code == 13 || code == 32 || (code >= 48 && code <= 57) ||
                          (code >= 65 && code <= 90);
    const bool keypad = code >= 96 && code <= 111;
    const bool punctuation = (code >= 186 && code <= 192) || (code >= 219 && code <= 222) || code == 226;
    return mainKeys || keypad || punctuation;
}

bool takesTypingFromEveryProgram(long code, int bits) {
    return typesText(code) && (bits & (ctrlBit | altBit | windowsBit)) == 0;
}
