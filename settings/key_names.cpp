#include "key_names.h"

#include "common/numbers.h"

#include <array>
#include <initializer_list>

namespace {

struct NamedRange {
    int first;
    std::initializer_list<const wchar_t*> names;
};

// Codes without an entry have no name. The punctuation keys carry the
// characters of the Japanese keyboard layout.
const std::array<const wchar_t*, 256>& nameTable() {
    static const std::array<const wchar_t*, 256> table = [] {
        std::array<const wchar_t*, 256> names{};
        const NamedRange ranges[] = {
            {1, {L"LBUTTON", L"RBUTTON", L"CANCEL", L"MBUTTON"}},
            {8, {L"BACK", L"TAB"}},
            {12, {L"CLEAR", L"RETURN"}},
            {16, {L"SHIFT", L"CONTROL", L"MENU", L"PAUSE", L"CAPITAL", L"KANA"}},
            {23, {L"JUNJA", L"FINAL", L"KANJI"}},
            {27, {L"ESCAPE", L"CONVERT", L"無変換", L"ACCEPT", L"MODECHANGE"}},
            {32, {L"SPACE", L"PRIOR", L"NEXT", L"END", L"HOME", L"LEFT", L"UP", L"RIGHT", L"DOWN", L"SELECT",
                  L"PRINT", L"EXECUTE", L"SNAPSHOT", L"INSERT", L"DELETE", L"HELP"}},
            {48, {L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"}},
            {65, {L"A", L"B", L"C", L"D", L"E", L"F", L"G", L"H", L"I", L"J", L"K", L"L", L"M",
                  L"N", L"O", L"P", L"Q", L"R", L"S", L"T", L"U", L"V", L"W", L"X", L"Y", L"Z"}},
            {91, {L"LWIN", L"RWIN", L"APPS"}},
            {96, {L"NUMPAD0", L"NUMPAD1", L"NUMPAD2", L"NUMPAD3", L"NUMPAD4", L"NUMPAD5", L"NUMPAD6", L"NUMPAD7",
                  L"NUMPAD8", L"NUMPAD9", L"MULTIPLY", L"ADD", L"SEPARATOR", L"SUBTRACT", L"DECIMAL", L"DIVIDE"}},
            {112, {L"F1", L"F2", L"F3", L"F4", L"F5", L"F6", L"F7", L"F8", L"F9", L"F10", L"F11", L"F12",
                   L"F13", L"F14", L"F15", L"F16", L"F17", L"F18", L"F19", L"F20", L"F21", L"F22", L"F23", L"F24"}},
            {144, {L"NUMLOCK", L"SCROLL"}},
            {160, {L"LSHIFT", L"RSHIFT", L"LCONTROL", L"RCONTROL", L"LMENU", L"RMENU"}},
            {186, {L":", L";", L",", L"-", L".", L"/", L"@"}},
            {219, {L"[", L"\\", L"]", L"^"}},
            {226, {L"\\"}},
            {229, {L"PROCESSKEY"}},
            {246, {L"ATTN", L"CRSEL", L"EXSEL", L"EREOF", L"PLAY", L"ZOOM", L"NONAME", L"PA1", L"OME_CLEAR"}},
        };
        for (const NamedRange& range : ranges) {
            int code = range.first;
            for (const wchar_t* name : range.names) names[static_cast<size_t>(code++)] = name;
        }
        return names;
    }();
    return table;
}

// Only whole decimal numbers count; "12a" or an empty field is no number.
bool wholeNumber(const std::vector<std::wstring>& row, size_t field, long& number) {
    if (row.size() <= field) return false;
    const std::wstring& text = row[field];
    const size_t start = !text.empty() && text[0] == L'-' ? 1 : 0;
    if (start == text.size()) return false;
    for (size_t i = start; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9') return false;
    }
    number = leadingIntOr(text, 0);
    return true;
}

} // namespace

int modifierBits(const ModifierChecks& checks) {
    return (checks.alt ? altBit : 0) | (checks.ctrl ? ctrlBit : 0) | (checks.shift ? shiftBit : 0) |
           (checks.windows ? windowsBit : 0);
}

ModifierChecks modifierChecks(int bits) {
    return {(bits & ctrlBit) != 0, (bits & altBit) != 0, (bits & shiftBit) != 0, (bits & windowsBit) != 0};
}

std::wstring keyName(long code) {
    if (code >= 0 && code < 256) {
        if (const wchar_t* name = nameTable()[static_cast<size_t>(code)]) return name;
    }
    return decimalText(code);
}

std::wstring formatHotkey(const std::vector<std::wstring>& row) {
    long key = 0;
    long bits = 0;
    if (!wholeNumber(row, 1, key) || !wholeNumber(row, 2, bits)) {
        std::wstring raw;
        for (size_t i = 1; i < row.size() && i < 3; ++i) raw += (i > 1 ? L" " : L"") + row[i];
        return raw;
    }
    std::wstring text;
    if (bits & ctrlBit) text += L'C';
    if (bits & altBit) text += L'A';
    if (bits & shiftBit) text += L'S';
    if (bits & windowsBit) text += L'W';
    if (!text.empty()) text += L'+';
    return text + keyName(key);
}
