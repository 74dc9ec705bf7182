// The romaji reader over any bytes: a reading is kana only, its endings are
// none of them the start of another, and the word matches its own reading.
#include "common/romaji_reading.h"
#include "common/matching.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool isKana(KanaUnit unit) { return (unit >= 0x3041 && unit <= 0x3096) || unit == 0x30FC; }

std::wstring wide(KanaView text) { return std::wstring(text.begin(), text.end()); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view word(reinterpret_cast<const char*>(data), size);
    const std::optional<RomajiReading> reading = readRomaji(word);
    if (!reading) return 0;
    for (const KanaUnit unit : reading->complete)
        if (!isKana(unit)) std::abort();
    for (const KanaText& ending : reading->endings) {
        if (ending.empty()) std::abort();
        for (const KanaText& other : reading->endings)
            if (&other != &ending && other.compare(0, ending.size(), ending) == 0) std::abort();
    }
    if (word.find_first_not_of("abcdefghijklmnopqrstuvwxyz-'") != std::string_view::npos) std::abort();
    const std::wstring query(word.begin(), word.end());
    const KanaMatching on{true, nullptr};
    const KanaText read = reading->endings.empty() ? reading->complete : reading->complete + reading->endings.back();
    if (!matchesQuery(wide(read), query, on) || !matchesQuery(L"x" + query + L"x", query, on)) std::abort();
    return 0;
}
