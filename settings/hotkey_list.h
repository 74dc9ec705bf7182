#pragma once
// The extra hotkeys of "hotkey.txt" as the settings tool edits them: one row
// per line, fields split at TAB (command, key code, modifier bits).
#include "common/text_lines.h"

#include <string>
#include <vector>

using HotkeyRow = std::vector<std::wstring>;

struct HotkeyList {
    std::vector<HotkeyRow> rows;
    std::wstring path;
    // False while a file that exists could not be read (another program
    // holds it): its rows are unknown, so no row is added and nothing is
    // written over the file.
    bool fileRead = true;
};

// The longest command the entry field takes.
constexpr int maxCommandLength = 511;

// Every line gives a row, an empty line a row without fields, so that a
// hand-edited file is written back as it was read.
std::vector<HotkeyRow> hotkeyRowsFromLines(const TextLines& lines);
TextLines linesFromHotkeyRows(const std::vector<HotkeyRow>& rows);

// Index of the first row whose key and modifier fields equal the texts, or -1.
int findHotkeyRow(const std::vector<HotkeyRow>& rows, const std::wstring& keyText, const std::wstring& modifierText);

HotkeyRow makeHotkeyRow(const std::wstring& command, long keyCode, int bits);

// A TAB would split the command into more fields and the row would not read
// back; an over-long command could not be shown in the field again.
bool commandAcceptable(const std::wstring& command);

struct ExtraPageButtons {
    bool add = false;
    bool update = false;
    bool remove = false;
};

// Combinations stay unique: a free combination can only be added, and a row
// can only be updated while the fields hold its own combination.
ExtraPageButtons extraPageButtons(const std::wstring& command, bool keyFieldHasText, int clash, int selected);

// Key code and modifier bits of a row for the entry fields; missing or
// non-numeric fields read as 0.
long rowKeyCode(const HotkeyRow& row);
int rowModifierBits(const HotkeyRow& row);
