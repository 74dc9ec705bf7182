#pragma once
// Names of virtual keys as the settings tool shows them, and the modifier
// bits both programs store (1 Alt, 2 Ctrl, 4 Shift, 8 Windows key).
#include <string>
#include <vector>

constexpr int altBit = 1;
constexpr int ctrlBit = 2;
constexpr int shiftBit = 4;
constexpr int windowsBit = 8;

struct ModifierChecks {
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool windows = false;
};

int modifierBits(const ModifierChecks& checks);
ModifierChecks modifierChecks(int bits);

// The key's name, or the code in decimal for a code without one.
std::wstring keyName(long code);

// "CS+F5": the modifier letters, Ctrl first, then the key's name. Fields 2
// and 3 of the row are the key code and the bits; a row that lacks them or
// holds no numbers there is shown with those fields as they are.
std::wstring formatHotkey(const std::vector<std::wstring>& row);
