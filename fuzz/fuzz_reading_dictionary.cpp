// The reading dictionary over any bytes: every kept line is a reading and
// its words, the readings are in order, each is found by its own first
// character, and the held text is no larger than the file.
#include "common/reading_dictionary.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const ReadingDictionary dictionary = readReadingDictionary(bytes);
    // A last line without its LF gains one.
    if (dictionary.text.size() > bytes.size() + 1) std::abort();
    for (size_t i = 0; i < dictionary.readings.size(); ++i) {
        const std::string_view reading = dictionary.readingOf(i);
        if (reading.empty()) std::abort();
        if (i > 0 && dictionary.readingOf(i - 1) > reading) std::abort();
        const std::string_view line = std::string_view(dictionary.text).substr(dictionary.readings[i]);
        if (line.find("\t\t") < line.find('\n') || line[line.find('\n') - 1] == '\t') std::abort();
        size_t words = 0;
        KanaText first(reading.size(), KanaUnit(0));
        first.resize(decodedWord(reading, first.data()));
        const bool pair = (static_cast<uint16_t>(first[0]) & 0xFC00) == 0xD800; // its first character, whole
        dictionary.forEachWord(first.substr(0, pair ? 2 : 1), [&](KanaView word) { words += !word.empty(); });
        if (words == 0 || !dictionary.hasReadingFrom(first)) std::abort();
    }
    return 0;
}
