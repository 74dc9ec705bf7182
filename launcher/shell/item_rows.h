#pragma once
// What the menu and hotkey rows of the data files ask for, checked before use.
#include <optional>
#include <string>
#include <vector>

using ItemRow = std::vector<std::wstring>;

struct HotkeyBinding {
    unsigned key = 0;
    unsigned modifiers = 0;
};

// A "hotkey.txt" row needs its text, a key code and modifier bits in decimal.
std::optional<HotkeyBinding> hotkeyBindingOf(const ItemRow& row);

// What a failed or unusable hotkey row is reported as: its text, or the
// general failure message for a row without any field.
std::wstring hotkeyRowLabel(const ItemRow& row);

// A "menu.txt" row is offered only with a label and something to open.
bool isUsableMenuRow(const ItemRow& row);
