#include "text_helpers.h"

#include <algorithm>

namespace {

bool isBlank(wchar_t unit) {
    return unit == L' ' || unit == L'\x3000';
}

} // namespace

std::wstring folderOf(std::wstring_view path) {
    // Each round strips one trailing separator, so the recursion of "C:\a\b\"
    // is a loop over ever shorter text.
    for (;;) {
        const size_t last = path.rfind(L'\\');
        if (last == std::wstring_view::npos) return std::wstring(path);
        const std::wstring_view parent = path.substr(0, last);
        if (parent.find(L'\\') == std::wstring_view::npos) return std::wstring(parent) + L'\\';
        if (last + 1 != path.size()) return std::wstring(parent);
        path = parent;
    }
}

std::wstring trimSpaces(std::wstring_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    if (begin == end) return std::wstring(text);
    return std::wstring(text.substr(begin, end - begin));
}

std::vector<std::wstring> splitCommand(std::wstring_view text) {
    const size_t space = text.find(L' ');
    if (space == std::wstring_view::npos) return {trimSpaces(text)};
    return {trimSpaces(text.substr(0, space)), trimSpaces(text.substr(space + 1))};
}

int32_t indexOfText(const std::vector<std::wstring>& list, std::wstring_view text) {
    const auto found = std::find(list.begin(), list.end(), text);
    return found == list.end() ? -1 : static_cast<int32_t>(found - list.begin());
}

bool removeText(std::vector<std::wstring>& list, std::wstring_view text) {
    const auto found = std::find(list.begin(), list.end(), text);
    if (found == list.end()) return false;
    list.erase(found);
    return true;
}

std::wstring numberedLabel(std::wstring_view text, int32_t index) {
    if (index < 0 || index >= 9) return std::wstring(text);
    std::wstring label;
    label += static_cast<wchar_t>(L'1' + index);
    label += L'.';
    label += text;
    return label;
}

std::vector<std::wstring> reduceToParents(const std::vector<std::wstring>& list, int32_t parentLevels) {
    if (parentLevels <= 0) return list;
    std::vector<std::wstring> reduced;
    for (const std::wstring& entry : list) {
        std::wstring_view text = entry;
        for (int32_t level = 0; level < parentLevels && !text.empty(); ++level) {
            const size_t last = text.rfind(L'\\');
            text = last == std::wstring_view::npos ? std::wstring_view() : text.substr(0, last);
        }
        if (text.empty()) continue;
        if (std::find(reduced.begin(), reduced.end(), text) == reduced.end()) reduced.emplace_back(text);
    }
    return reduced;
}
