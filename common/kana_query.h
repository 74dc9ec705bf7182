#pragma once
// What the user types, read with kanaMatch: each word stands for its folded
// self, its kana readings when it is romaji, and the dictionary words whose
// reading begins with one of those readings.
#include "kana_folding.h"
#include "reading_dictionary.h"
#include "romaji_reading.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// The settings kanaMatch and the dictionary kanaDictionary names, once loaded.
struct KanaMatching {
    bool on = false;
    const ReadingDictionary* dictionary = nullptr;
};

struct KanaWord {
    KanaText typed; // folded
    std::optional<RomajiReading> reading;
    // typed, then the kana every place the reading stands at begins with
    // (all its spellings when they are few, else those of its first parts)
    std::vector<KanaText> own;
    bool ownSpellsAll = true; // whether own holds every spelling of the reading
    std::vector<KanaView> words;      // dictionary words, sorted, in wordUnits
    std::vector<KanaUnit> wordUnits;  // the words, each followed by 0
    std::vector<uint64_t> firstUnits; // which units begin a form of the word or a dictionary word
    // The same units when they are few, repeated up to the count a scan is
    // compiled for, and that scan; null when they are many.
    std::vector<KanaUnit> fewFirstUnits;
    size_t (*findFirstUnit)(KanaView folded, size_t place, const KanaUnit* units) = nullptr;
    std::vector<uint64_t> singleUnitWords; // the dictionary words of one unit
    std::vector<uint64_t> wordPairs;       // the first two units of the others, hashed by pairOf

    KanaWord() = default;
    KanaWord(KanaWord&&) = default;
    KanaWord& operator=(KanaWord&&) = default;
    KanaWord(const KanaWord&) = delete; // words point into wordUnits
    KanaWord& operator=(const KanaWord&) = delete;

    bool occursIn(KanaView folded) const;
    // The first place from place on where a form of the word may begin, or the text's end.
    size_t nextStart(KanaView folded, size_t place) const;
    // Whether a form of the word begins at place; for a reading spelt only in
    // part by own, whether the reading occurs anywhere in the text.
    bool occursAt(KanaView folded, size_t place) const;
    bool readingAt(KanaView folded, size_t place) const;
    bool formAt(KanaView folded, size_t place) const; // typed, the reading or a dictionary word
    bool dictionaryWordAt(KanaView folded, size_t place) const;
    static uint32_t pairOf(KanaUnit first, KanaUnit second) {
        return (static_cast<uint32_t>(static_cast<uint16_t>(first)) * 40503u + static_cast<uint16_t>(second)) & 0xFFFFu;
    }
};

struct KanaQuery {
    std::vector<KanaWord> required;
    std::vector<KanaWord> excluded; // without the "^"
    bool empty() const { return required.empty() && excluded.empty(); }
};

KanaQuery compileKanaQuery(std::wstring_view query, const KanaMatching& kana);
// The text folded with foldKana; found, a required word already seen in it, is not looked for again.
bool matchesKana(KanaView folded, const KanaQuery& query, const KanaWord* found = nullptr);
