// The romaji reader over any bytes: every form is kana, the endings are none
// of them the start of another, the word matches each of its own spellings,
// and every shorter start of the word matches what the word matches.
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
    for (const KanaPiece& piece : reading->pieces) {
        if (piece.forms.empty()) std::abort();
        for (const KanaText& form : piece.forms)
            for (const KanaUnit unit : form)
                if (!isKana(unit)) std::abort();
    }
    for (const KanaText& ending : reading->endings) {
        if (ending.empty()) std::abort();
        for (const KanaText& other : reading->endings)
            if (&other != &ending && other.compare(0, ending.size(), ending) == 0) std::abort();
    }
    if (word.find_first_not_of("abcdefghijklmnopqrstuvwxyz-'") != std::string_view::npos) std::abort();
    const std::wstring query(word.begin(), word.end());
    const KanaMatching on{true, nullptr};
    // The usual reading, each piece's last form held long where it may be, and the last ending.
    KanaText usual = reading->usual(), last;
    for (const KanaPiece& piece : reading->pieces) {
        last += piece.forms.back();
        if (piece.held) last += lengtheners(piece.held).back();
    }
    if (!reading->endings.empty()) {
        usual += reading->endings.front();
        last += reading->endings.back();
    }
    if (!matchesQuery(wide(usual), query, on) || !matchesQuery(wide(last), query, on) ||
        !matchesQuery(L"x" + query + L"x", query, on))
        std::abort();
    // Typing on never brings back a text a shorter start of the word had let go.
    if (word.size() > 1 && !matchesQuery(wide(last), query.substr(0, query.size() - 1), on)) std::abort();
    return 0;
}
