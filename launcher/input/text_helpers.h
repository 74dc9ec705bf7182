#pragma once
// Small text helpers shared by the input handling, the commands and launching.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The folder part of a path; "\" is the only separator.
std::wstring folderOf(std::wstring_view path);
// Leading and trailing U+0020 and U+3000 removed, unless nothing else is left.
std::wstring trimSpaces(std::wstring_view text);
// One or two trimmed parts, split at the first U+0020.
std::vector<std::wstring> splitCommand(std::wstring_view text);
int32_t indexOfText(const std::vector<std::wstring>& list, std::wstring_view text);
bool removeText(std::vector<std::wstring>& list, std::wstring_view text);
// "1." to "9." before the first nine rows, nothing after.
std::wstring numberedLabel(std::wstring_view text, int32_t index);
// Each text cut by that many folder levels, duplicates and empty results dropped.
std::vector<std::wstring> reduceToParents(const std::vector<std::wstring>& list, int32_t parentLevels);
