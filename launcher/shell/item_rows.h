#pragma once
// What the menu and hotkey rows of the data files ask for, checked before use.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

using ItemRow = std::vector<std::wstring>;

struct HotkeyBinding {
    unsigned key = 0;
    unsigned modifiers = 0;
};

// Hotkey rows take the ids 0, 1, ... below the show hotkey's, command menu
// rows 1000, 1001, ... below the first fixed menu command. A row beyond its
// range gets no id, so that it can never take over a fixed one.
constexpr int mainHotkeyId = 5345;
constexpr int firstCommandId = 1000;
std::optional<int> hotkeyRowId(size_t position);
std::optional<int> commandRowId(size_t position);

// A "hotkey.txt" row needs its text, a key code and modifier bits in decimal.
std::optional<HotkeyBinding> hotkeyBindingOf(const ItemRow& row);

// What a failed or unusable hotkey row is reported as: its text, or the
// general failure message for a row without any field.
std::wstring hotkeyRowLabel(const ItemRow& row);

// A "menu.txt" row is offered only with a label and something to open.
bool isUsableMenuRow(const ItemRow& row);
