#include "kana_query.h"

#include "romaji_reading.h"

#include <algorithm>

namespace {

// Few dictionary words are looked for one by one; more through the bitmap of their first units.
constexpr size_t wordsScannedAlone = 16;

std::vector<KanaText> readingsOf(const RomajiReading& reading) {
    if (reading.endings.empty()) return {reading.complete};
    std::vector<KanaText> readings;
    for (const KanaText& ending : reading.endings) readings.push_back(reading.complete + ending);
    return readings;
}

KanaWord compileWord(KanaText typed, const KanaMatching& kana) {
    KanaWord word;
    word.typed = std::move(typed);
    word.own.push_back(word.typed);
    const std::optional<RomajiReading> reading = readRomaji(word.typed);
    if (!reading) return word;
    const std::vector<KanaText> readings = readingsOf(*reading);
    word.own.insert(word.own.end(), readings.begin(), readings.end());
    if (!kana.dictionary || reading->complete.empty()) return word;
    // The dictionary is for kanji: its Latin names and symbols ("K" under かりうむ)
    // would let "ka" find every "k", and a romaji word finds ASCII as itself.
    const auto notAscii = [](KanaView found) {
        return std::any_of(found.begin(), found.end(), [](KanaUnit unit) { return unit >= 0x80; });
    };
    for (const KanaText& prefix : readings) {
        kana.dictionary->forEachWord(prefix, [&](KanaView found) {
            if (notAscii(found)) word.words.push_back(found);
        });
    }
    std::sort(word.words.begin(), word.words.end());
    word.words.erase(std::unique(word.words.begin(), word.words.end()), word.words.end());
    if (word.words.size() > wordsScannedAlone) {
        word.firstUnits.assign(65536 / 64, 0);
        for (const KanaView found : word.words) {
            const auto unit = static_cast<uint16_t>(found[0]);
            word.firstUnits[unit / 64] |= uint64_t(1) << (unit % 64);
        }
    }
    return word;
}

bool startsWith(KanaView text, size_t place, KanaView form) {
    return text.size() - place >= form.size() && text.compare(place, form.size(), form) == 0;
}

} // namespace

bool KanaWord::occursAt(KanaView folded, size_t place) const {
    for (const KanaText& form : own)
        if (startsWith(folded, place, form)) return true;
    const KanaUnit unit = folded[place];
    const auto first = std::lower_bound(words.begin(), words.end(), unit,
                                        [](KanaView word, KanaUnit u) { return word[0] < u; });
    for (auto at = first; at != words.end() && (*at)[0] == unit; ++at)
        if (startsWith(folded, place, *at)) return true;
    return false;
}

bool KanaWord::occursIn(KanaView folded) const {
    for (const KanaText& form : own)
        if (folded.find(form) != KanaView::npos) return true;
    if (firstUnits.empty()) {
        for (const KanaView word : words)
            if (folded.find(word) != KanaView::npos) return true;
        return false;
    }
    for (size_t place = 0; place < folded.size(); ++place) {
        const auto unit = static_cast<uint16_t>(folded[place]);
        if ((firstUnits[unit / 64] >> (unit % 64) & 1) && occursAt(folded, place)) return true;
    }
    return false;
}

KanaQuery compileKanaQuery(std::wstring_view query, const KanaMatching& kana) {
    KanaQuery compiled;
    const KanaText folded = foldTypedKana(query);
    for (size_t start = 0; start < folded.size();) {
        size_t end = folded.find(KanaUnit(' '), start);
        if (end == KanaText::npos) end = folded.size();
        if (end > start) {
            KanaText word = folded.substr(start, end - start);
            if (word[0] == KanaUnit('^')) compiled.excluded.push_back(compileWord(word.substr(1), kana));
            else compiled.required.push_back(compileWord(std::move(word), kana));
        }
        start = end + 1;
    }
    return compiled;
}

bool matchesKana(KanaView folded, const KanaQuery& query, const KanaWord* found) {
    for (const KanaWord& word : query.required)
        if (&word != found && !word.occursIn(folded)) return false;
    for (const KanaWord& word : query.excluded) {
        // A lone "^" excludes everything, as without kanaMatch.
        if (word.typed.empty() || word.occursIn(folded)) return false;
    }
    return true;
}
