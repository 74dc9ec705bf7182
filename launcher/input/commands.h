#pragma once
// The eight command words: which one a text starts with, and its argument.
#include <string>
#include <string_view>
#include <vector>

// The message box of a clipf command on a file it cannot copy.
inline constexpr wchar_t clipFileRefusedText[] = L"コピーできるのは16MBまでの通常のファイルです。";
inline constexpr wchar_t clipFileRefusedCaption[] = L"コピーに失敗";

enum class CommandWord { none, clip, clipf, date, dates, file, exec, show, txt };

struct ParsedCommand {
    CommandWord word = CommandWord::none;
    std::wstring argument; // trimmed text after the word; empty for the whole-text words
};

// The words are tried in a fixed order and compared unit by unit: "Clip x",
// "clip" and "dates " are no commands.
ParsedCommand parseCommand(std::wstring_view text);

// Lines joined with CR LF between them, none after the last.
std::wstring joinClipboardLines(const std::vector<std::wstring>& lines);
