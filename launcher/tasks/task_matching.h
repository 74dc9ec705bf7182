#pragma once
// Stand-ins for the shared matching and text helpers until the input handling
// provides them; the task, folder and command code calls them through interim::
// so that switching over is a plain rename.
#include "common/text_lines.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace interim {

inline std::wstring lowerText(std::wstring_view text) {
    std::wstring lowered(text);
    for (wchar_t& unit : lowered)
        if (unit >= L'A' && unit <= L'Z') unit = static_cast<wchar_t>(unit - L'A' + L'a');
    return lowered;
}

inline bool matchesQuery(std::wstring_view text, std::wstring_view query) {
    const std::wstring lowered = lowerText(text);
    for (const std::wstring& word : splitFields(lowerText(query), L' ')) {
        if (word[0] == L'^') {
            if (lowered.find(word.substr(1)) != std::wstring::npos) return false;
        } else if (lowered.find(word) == std::wstring::npos) {
            return false;
        }
    }
    return true;
}

inline std::wstring numberedLabel(std::wstring_view text, int32_t index) {
    if (index < 0 || index >= 9) return std::wstring(text);
    std::wstring label(1, static_cast<wchar_t>(L'1' + index));
    label += L'.';
    label += text;
    return label;
}

inline std::wstring trimSpaces(std::wstring_view text) {
    auto blank = [](wchar_t unit) { return unit == L' ' || unit == L'\x3000'; };
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    if (begin == end) return std::wstring(text);
    return std::wstring(text.substr(begin, end - begin));
}

inline std::vector<std::wstring> splitCommand(std::wstring_view text) {
    const size_t space = text.find(L' ');
    if (space == std::wstring_view::npos) return {trimSpaces(text)};
    return {trimSpaces(text.substr(0, space)), trimSpaces(text.substr(space + 1))};
}

} // namespace interim
