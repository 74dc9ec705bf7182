#pragma once
// A reading dictionary in the C/Migemo format: UTF-8 lines of
// "reading<TAB>word<TAB>word...", ";" beginning a comment. Held as the
// file's own bytes, folded in place, and the places of its lines in reading
// order: about the file's size, where a string per word would be three times it.
#include "kana_folding.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ReadingDictionary {
    // The lines that are a reading and its words, folded: the reading, a TAB
    // before each word, a LF after the last.
    std::string text;
    std::vector<uint32_t> readings; // where each line starts, sorted by reading

    bool empty() const { return readings.empty(); }
    size_t memoryBytes() const { return text.capacity() + readings.capacity() * sizeof(uint32_t); }

    std::string_view readingOf(size_t index) const; // UTF-8, of the line readings[index]
    // The first index whose reading is not before the UTF-8 prefix.
    size_t firstReadingFrom(std::string_view prefix) const;
    bool hasReadingFrom(KanaView prefix) const;

    // Calls found(KanaView word) for each word of each reading that begins
    // with prefix; the word's units last only for the call.
    template <class Found>
    void forEachWord(KanaView prefix, Found&& found) const;
};

// Lines that cannot be read (no word, invalid UTF-8, longer than any reading
// and its words could be) are dropped; nothing about them is reported. The
// bytes become the held text, so a caller that moves them in makes no copy.
ReadingDictionary readReadingDictionary(std::string bytes);

std::string utf8Of(KanaView text);
size_t decodedWord(std::string_view word, KanaUnit* out); // units written, never more than the bytes

template <class Found>
void ReadingDictionary::forEachWord(KanaView prefix, Found&& found) const {
    const std::string start = utf8Of(prefix);
    KanaText units;
    for (size_t i = firstReadingFrom(start); i < readings.size(); ++i) {
        const std::string_view reading = readingOf(i);
        if (reading.substr(0, start.size()) != start) break;
        for (size_t at = readings[i] + reading.size(); text[at] == '\t';) {
            const size_t end = text.find_first_of("\t\n", at + 1);
            units.resize(end - at);
            units.resize(decodedWord(std::string_view(text).substr(at + 1, end - at - 1), units.data()));
            found(KanaView(units));
            at = end;
        }
    }
}
