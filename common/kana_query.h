#pragma once
// What the user types, read with kanaMatch: each word stands for its folded
// self, its kana reading when it is romaji, and the dictionary words whose
// reading begins with that reading.
#include "kana_folding.h"
#include "reading_dictionary.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The settings kanaMatch and the dictionary kanaDictionary names, once loaded.
// The dictionary must outlive every query compiled with it.
struct KanaMatching {
    bool on = false;
    const ReadingDictionary* dictionary = nullptr;
};

struct KanaWord {
    KanaText typed;                // folded
    std::vector<KanaText> own;     // typed and the romaji readings
    std::vector<KanaView> words;   // dictionary words, sorted
    std::vector<uint64_t> firstUnits; // which units begin a dictionary word, when there are many

    bool occursIn(KanaView folded) const;
    bool occursAt(KanaView folded, size_t place) const; // some form begins at place
};

struct KanaQuery {
    std::vector<KanaWord> required;
    std::vector<KanaWord> excluded; // without the "^"
    bool empty() const { return required.empty() && excluded.empty(); }
};

KanaQuery compileKanaQuery(std::wstring_view query, const KanaMatching& kana);
// The text folded with foldKana; found, a required word already seen in it, is not looked for again.
bool matchesKana(KanaView folded, const KanaQuery& query, const KanaWord* found = nullptr);
