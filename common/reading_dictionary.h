#pragma once
// A reading dictionary in the C/Migemo format: UTF-8 lines of
// "reading<TAB>word<TAB>word...", ";" beginning a comment. Held as one
// buffer of folded units and the readings' places in reading order.
#include "kana_folding.h"

#include <cstdint>
#include <string_view>
#include <vector>

struct ReadingDictionary {
    // Each reading, then its words, each followed by 0; an empty text ends the reading's words.
    std::vector<KanaUnit> units;
    std::vector<uint32_t> readings; // where each reading starts, sorted by reading

    bool empty() const { return readings.empty(); }
    size_t memoryBytes() const { return units.capacity() * sizeof(KanaUnit) + readings.capacity() * sizeof(uint32_t); }

    // Calls found(KanaView word) for each word of each reading that begins with prefix.
    template <class Found>
    void forEachWord(KanaView prefix, Found&& found) const;

    KanaView textAt(size_t start) const;
    size_t firstReadingFrom(KanaView prefix) const;
};

// Lines that cannot be read (no word, invalid UTF-8, longer than any reading
// and its words could be) are skipped; nothing about them is reported.
ReadingDictionary readReadingDictionary(std::string_view bytes);

template <class Found>
void ReadingDictionary::forEachWord(KanaView prefix, Found&& found) const {
    for (size_t i = firstReadingFrom(prefix); i < readings.size(); ++i) {
        const KanaView reading = textAt(readings[i]);
        if (reading.substr(0, prefix.size()) != prefix) break;
        for (size_t at = readings[i] + reading.size() + 1;;) {
            const KanaView word = textAt(at);
            if (word.empty()) break;
            found(word);
            at += word.size() + 1;
        }
    }
}
