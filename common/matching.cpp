#include "matching.h"

#include "common/text_lines.h"

#include <algorithm>
#include <cstddef>

namespace {

template <class Unit>
Unit foldUnit(Unit unit) {
    return (unit >= Unit('A') && unit <= Unit('Z')) ? static_cast<Unit>(unit - Unit('A') + Unit('a')) : unit;
}

// Whether the lowered word occurs in the text, folding the text as it goes
// so that no lowered copy of every history line is made. History text is
// UTF-16 units on every platform; the comparison is of unit values.
template <class Unit>
bool containsFolded(std::basic_string_view<Unit> text, std::wstring_view word) {
    if (word.size() > text.size()) return false;
    if (word.empty()) return true;
    // The first unit is looked for in both cases with find_if (which the
    // library unrolls); that scan is most of the time spent on a long history.
    const auto first = static_cast<char32_t>(word[0]);
    const char32_t firstUpper = (first >= U'a' && first <= U'z') ? first - U'a' + U'A' : first;
    const auto isFirst = [first, firstUpper](Unit unit) {
        return static_cast<char32_t>(unit) == first || static_cast<char32_t>(unit) == firstUpper;
    };
    const auto end = text.begin() + static_cast<std::ptrdiff_t>(text.size() - word.size() + 1);
    for (auto start = std::find_if(text.begin(), end, isFirst); start != end;
         start = std::find_if(start + 1, end, isFirst)) {
        size_t i = 1;
        while (i < word.size() &&
               static_cast<char32_t>(foldUnit(start[static_cast<std::ptrdiff_t>(i)])) == static_cast<char32_t>(word[i]))
            ++i;
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

namespace {

template <class Unit>
bool matchesWords(std::basic_string_view<Unit> text, const CompiledQuery& query) {
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

} // namespace

bool matchesCompiled(std::wstring_view text, const CompiledQuery& query) { return matchesWords(text, query); }
bool matchesCompiled(std::u16string_view text, const CompiledQuery& query) { return matchesWords(text, query); }

bool matchesListEntry(std::wstring_view text, const CompiledQuery& entry) {
    return !entry.empty() && matchesCompiled(text, entry);
}
bool matchesListEntry(std::u16string_view text, const CompiledQuery& entry) {
    return !entry.empty() && matchesCompiled(text, entry);
}

bool matchesQuery(std::wstring_view text, std::wstring_view query) {
    return matchesCompiled(text, compileQuery(query));
}

TypedQuery compileTypedQuery(std::wstring_view query, const KanaMatching& kana) {
    TypedQuery typed;
    typed.kanaOn = kana.on;
    if (kana.on) typed.kana = compileKanaQuery(query, kana);
    else typed.exact = compileQuery(query);
    return typed;
}

bool matchesQuery(std::wstring_view text, std::wstring_view query, const KanaMatching& kana) {
    const TypedQuery typed = compileTypedQuery(query, kana);
    return matchesTyped(text, typed.kanaOn ? foldWideKana(text) : KanaText(), typed);
}
