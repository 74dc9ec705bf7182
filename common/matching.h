#pragma once
// The one matching rule: a query's space-separated words must all occur in a
// text, a word starting with "^" must not, and only A-Z fold to a-z.
#include "common/kana_query.h"

#include <string>
#include <string_view>
#include <vector>

std::wstring lowerText(std::wstring_view text);

// A query split into its words once, so a long walk does not split it again.
struct CompiledQuery {
    std::vector<std::wstring> required; // lowered
    std::vector<std::wstring> excluded; // lowered, without the "^"
    bool empty() const { return required.empty() && excluded.empty(); }
};

CompiledQuery compileQuery(std::wstring_view query);
bool matchesCompiled(std::wstring_view text, const CompiledQuery& query);
// The same over UTF-16 units where wchar_t is wider (history text in the native build).
bool matchesCompiled(std::u16string_view text, const CompiledQuery& query);
// An entry of a setting list (autoClose, notShowTask, notShowList) as a query.
// An entry without any word would match everything, so it matches nothing.
bool matchesListEntry(std::wstring_view text, const CompiledQuery& entry);
bool matchesListEntry(std::u16string_view text, const CompiledQuery& entry);
bool matchesQuery(std::wstring_view text, std::wstring_view query);

// What the user types, compiled once per keystroke with the kanaMatch choice:
// off, exactly the rule above; on, read as common/kana_query.h says. The
// setting lists keep matchesListEntry.
struct TypedQuery {
    bool kanaOn = false;
    CompiledQuery exact; // kanaMatch off
    KanaQuery kana;      // kanaMatch on
    bool empty() const { return kanaOn ? kana.empty() : exact.empty(); }
};

TypedQuery compileTypedQuery(std::wstring_view query, const KanaMatching& kana);

// A name as a list keeps it: lowered as lowerText does, and folded with
// foldWideKana when the list was built, so that a keystroke folds nothing.
inline bool matchesTyped(std::wstring_view lowered, KanaView folded, const TypedQuery& query) {
    return query.kanaOn ? matchesKana(folded, query.kana) : matchesCompiled(lowered, query.exact);
}

// For a text no list keeps folded: folds it when kanaMatch is on.
bool matchesQuery(std::wstring_view text, std::wstring_view query, const KanaMatching& kana);
