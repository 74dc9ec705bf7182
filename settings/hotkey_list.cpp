#include "hotkey_list.h"

#include "common/numbers.h"

std::vector<HotkeyRow> hotkeyRowsFromLines(const TextLines& lines) {
    std::vector<HotkeyRow> rows;
    rows.reserve(lines.size());
    for (const std::wstring& line : lines) rows.push_back(splitFields(line, L'\t'));
    return rows;
}

TextLines linesFromHotkeyRows(const std::vector<HotkeyRow>& rows) {
    TextLines lines;
    lines.reserve(rows.size());
    for (const HotkeyRow& row : rows) {
        std::wstring line;
        for (size_t i = 0; i < row.size(); ++i) line += (i > 0 ? L"\t" : L"") + row[i];
        lines.push_back(line);
    }
    return lines;
}

int findHotkeyRow(const std::vector<HotkeyRow>& rows, const std::wstring& keyText, const std::wstring& modifierText) {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].size() >= 3 && rows[i][1] == keyText && rows[i][2] == modifierText) return static_cast<int>(i);
    }
    return -1;
}

HotkeyRow makeHotkeyRow(const std::wstring& command, long keyCode, int bits) {
    return splitFields(command + L"\t" + decimalText(keyCode) + L"\t" + decimalText(bits), L'\t');
}

bool commandAcceptable(const std::wstring& command) {
    return !command.empty() && command.size() <= static_cast<size_t>(maxCommandLength) &&
           command.find(L'\t') == std::wstring::npos;
}

ExtraPageButtons extraPageButtons(const std::wstring& command, bool keyFieldHasText, int clash, int selected) {
    const bool fieldsFilled = commandAcceptable(command) && keyFieldHasText;
    ExtraPageButtons buttons;
    buttons.add = fieldsFilled && clash == -1;
    buttons.update = fieldsFilled && selected >= 0 && clash == selected;
    buttons.remove = selected >= 0;
    return buttons;
}

long rowKeyCode(const HotkeyRow& row) {
    return row.size() > 1 ? leadingIntOr(row[1], 0) : 0;
}

int rowModifierBits(const HotkeyRow& row) {
    return row.size() > 2 ? static_cast<int>(leadingIntOr(row[2], 0)) : 0;
}
