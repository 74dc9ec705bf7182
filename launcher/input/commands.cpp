#include "commands.h"

#include "text_helpers.h"

namespace {

struct CommandSpelling {
    CommandWord word;
    std::wstring_view text;
    bool prefix;
};

// Tried in this order; the first spelling that matches names the command.
constexpr CommandSpelling commandWords[] = {
    {CommandWord::clip, L"clip ", true},  {CommandWord::clipf, L"clipf ", true}, {CommandWord::date, L"date", false},
    {CommandWord::dates, L"dates", false}, {CommandWord::file, L"file", false},  {CommandWord::exec, L"exec ", true},
    {CommandWord::show, L"show ", true},  {CommandWord::txt, L"txt ", true},
};

} // namespace

ParsedCommand parseCommand(std::wstring_view text) {
    for (const CommandSpelling& spelling : commandWords) {
        if (spelling.prefix) {
            if (text.substr(0, spelling.text.size()) != spelling.text) continue;
            return {spelling.word, trimSpaces(text.substr(spelling.text.size()))};
        }
        if (text == spelling.text) return {spelling.word, {}};
    }
    return {};
}

std::wstring joinClipboardLines(const std::vector<std::wstring>& lines) {
    std::wstring joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) joined += L"\r\n";
        joined += lines[i];
    }
    return joined;
}
