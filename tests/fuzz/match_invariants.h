#pragma once
// Properties of the matching rule that must hold for any text and query.
// Shared by the libFuzzer target and a seeded corpus run in the core tests.
#include "common/matching.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace match_invariants {

// Bytes become code units from a small alphabet, so that words collide
// with texts often enough to exercise both outcomes.
inline std::wstring unitsFrom(const uint8_t* data, size_t size) {
    static const wchar_t alphabet[] = {L'a', L'b', L'c', L'A', L'B', L'C', L' ', L' ', L'^', L'\\',
                                       L'.', L'z', L'Z', L'\x3000', L'\xFF21', L'\xFF41', L'[', L'@'};
    constexpr size_t count = sizeof alphabet / sizeof alphabet[0];
    std::wstring text;
    for (size_t i = 0; i < size; ++i) {
        const uint8_t byte = data[i];
        // Bytes beyond the alphabet map to raw code units, surrogates included.
        text += byte < 0xC0 ? alphabet[byte % count] : static_cast<wchar_t>(0xD7F0 + byte);
    }
    return text;
}

inline std::wstring upperAscii(std::wstring text) {
    for (wchar_t& unit : text)
        if (unit >= L'a' && unit <= L'z') unit = static_cast<wchar_t>(unit - L'a' + L'A');
    return text;
}

inline std::vector<std::wstring> words(const std::wstring& query) {
    std::vector<std::wstring> found;
    std::wstring current;
    for (wchar_t unit : query) {
        if (unit != L' ') {
            current += unit;
        } else if (!current.empty()) {
            found.push_back(current);
            current.clear();
        }
    }
    if (!current.empty()) found.push_back(current);
    return found;
}

// Returns the name of the first broken property, or nullptr.
inline const char* firstViolation(const std::wstring& text, const std::wstring& query, const std::wstring& extra) {
    const bool matches = matchesQuery(text, query);
    if (!matchesQuery(text, L"")) return "the empty query matches everything";
    if (matches != matchesQuery(lowerText(text), query)) return "case of A-Z in the text is ignored";
    if (matches != matchesQuery(text, upperAscii(query))) return "case of A-Z in the query is ignored";
    if (matches != matchesQuery(text, L"  " + query + L"  ")) return "surrounding blanks change nothing";

    const std::wstring joined = query + L' ' + extra;
    if (matchesQuery(text, joined) && !matches) return "adding a word never adds matches";
    if (matchesQuery(text, joined) != matchesQuery(text, extra + L' ' + query)) return "word order is irrelevant";
    if (matchesQuery(text, query + L" ^")) return "a lone caret matches nothing";

    const std::vector<std::wstring> split = words(query);
    bool allRequiredOccur = true;
    for (const std::wstring& word : split) {
        if (word[0] == L'^') {
            allRequiredOccur = false; // exclusions are covered by the other rules
            break;
        }
        if (lowerText(text).find(lowerText(word)) == std::wstring::npos) allRequiredOccur = false;
    }
    if (allRequiredOccur && !matches) return "a text containing every word matches";

    // The text made of the query's words always matches a query without exclusions.
    std::wstring built;
    bool hasExclusion = false;
    for (const std::wstring& word : split) {
        hasExclusion = hasExclusion || word[0] == L'^';
        built += word;
        built += L'|';
    }
    if (!hasExclusion && !matchesQuery(built, query)) return "the words themselves match";
    return nullptr;
}

// Input layout: text, a 0 byte, query, a 0 byte, an extra word.
inline const char* checkBytes(const uint8_t* data, size_t size) {
    std::vector<std::wstring> parts(3);
    size_t part = 0;
    size_t start = 0;
    for (size_t i = 0; i <= size; ++i) {
        if (i == size || (data[i] == 0 && part < 2)) {
            parts[part] = unitsFrom(data + start, i - start);
            ++part;
            start = i + 1;
            if (part == 3) break;
        }
    }
    return firstViolation(parts[0], parts[1], parts[2]);
}

} // namespace match_invariants
