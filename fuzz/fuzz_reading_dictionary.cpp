// The reading dictionary over any bytes: every kept reading has a word, the
// readings are in order, each is found by its own first unit, and the held
// form is no larger than the file would allow.
#include "common/reading_dictionary.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadingDictionary dictionary = readReadingDictionary(bytes);
    // Each line adds a 0 unit for each field and one more; a tab or line end stands for all but two.
    const size_t lineEnds = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    if (dictionary.units.size() > bytes.size() + lineEnds + 2) std::abort();
    for (size_t i = 0; i < dictionary.readings.size(); ++i) {
        const KanaView reading = dictionary.textAt(dictionary.readings[i]);
        if (reading.empty()) std::abort();
        if (i > 0 && dictionary.textAt(dictionary.readings[i - 1]) > reading) std::abort();
        size_t words = 0;
        dictionary.forEachWord(reading.substr(0, 1), [&](KanaView word) { words += !word.empty(); });
        if (words == 0) std::abort();
    }
    return 0;
}
