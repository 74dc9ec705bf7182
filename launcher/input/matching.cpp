#include "matching.h"

#include "common/text_lines.h"

namespace {

wchar_t foldUnit(wchar_t unit) {
    return (unit >= L'A' && unit <= L'Z') ? static_cast<wchar_t>(unit - L'A' + L'a') : unit;
}

// Whether the lowered word occurs in the text, folding the text as it goes
// so that no lowered copy of every history line is made.
bool containsFolded(std::wstring_view text, std::wstring_view word) {
    if (word.size() > text.size()) return false;
    if (word.empty()) return true;
    const size_t last = text.size() - word.size();
    // The first unit is looked for in both cases, which keeps the scan of the
    // text (most of the time spent on a long history) to two comparisons.
    const wchar_t first = word[0];
    const wchar_t firstUpper = (first >= L'a' && first <= L'z') ? static_cast<wchar_t>(first - L'a' + L'A') : first;
    for (size_t start = 0; start <= last; ++start) {
        if (text[start] != first && text[start] != firstUpper) continue;
        size_t i = 1;
        while (i < word.size() && foldUnit(text[start + i]) == word[i]) ++i;
        if (i == word.size()) return true;
    }
    return false;
}

} // namespace

std::wstring lowerText(std::wstring_view text) {
    std::wstring lowered(text);
    for (wchar_t& unit : lowered) unit = foldUnit(unit);
    return lowered;
}

CompiledQuery compileQuery(std::wstring_view query) {
    CompiledQuery compiled;
    for (std::wstring& word : splitFields(lowerText(query), L' ')) {
        if (word[0] == L'^') compiled.excluded.push_back(word.substr(1));
        else compiled.required.push_back(std::move(word));
    }
    return compiled;
}

bool matchesCompiled(std::wstring_view text, const CompiledQuery& query) {
    for (const std::wstring& word : query.required)
        if (!containsFolded(text, word)) return false;
    for (const std::wstring& word : query.excluded) {
        // A word longer than the text cannot occur in it; an empty exclusion
        // (a lone "^") excludes everything.
        if (word.size() > text.size()) continue;
        if (word.empty() || containsFolded(text, word)) return false;
    }
    return true;
}

bool matchesQuery(std::wstring_view text, std::wstring_view query) {
    return matchesCompiled(text, compileQuery(query));
}
