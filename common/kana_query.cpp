#include "kana_query.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

namespace {

// A reading's spellings are listed while they are this few; past that, those of its first parts.
constexpr size_t spellingsListed = 16;
// Prefixes looked up in the dictionary at most, so that no typed word makes a keystroke slow.
constexpr size_t prefixesTried = 4096;

bool startsWith(KanaView text, size_t place, KanaView form) {
    return text.size() - place >= form.size() && text.compare(place, form.size(), form) == 0;
}

// Whether a piece is followed by more of the reading, so that a long vowel held in it shows.
bool followed(const RomajiReading& reading, size_t piece) {
    return piece + 1 < reading.pieces.size() || !reading.endings.empty();
}

// Each way the reading may be spelt, its held vowels written out where more
// follows; all is false when the spellings would be too many and those of
// its first parts are given instead.
std::vector<KanaText> spellingsOf(const RomajiReading& reading, bool& all) {
    all = false;
    std::vector<KanaText> spelt{KanaText()};
    for (size_t i = 0; i < reading.pieces.size(); ++i) {
        const KanaPiece& piece = reading.pieces[i];
        std::vector<KanaText> longer;
        for (const KanaText& before : spelt) {
            for (const KanaText& form : piece.forms) {
                longer.push_back(before + form);
                if (!followed(reading, i)) continue;
                for (const KanaUnit unit : lengtheners(piece.held)) longer.push_back(before + form + unit);
            }
        }
        if (i > 0 && longer.size() > spellingsListed) return spelt;
        spelt = std::move(longer);
    }
    if (!reading.endings.empty()) {
        if (!reading.pieces.empty() && spelt.size() * reading.endings.size() > spellingsListed) return spelt;
        std::vector<KanaText> ended;
        for (const KanaText& before : spelt)
            for (const KanaText& ending : reading.endings) ended.push_back(before + ending);
        spelt = std::move(ended);
    }
    all = true;
    return spelt;
}

// The dictionary words whose reading begins with a spelling of the word's
// reading: spellings are followed piece by piece only while some reading
// begins with them, which keeps the many spellings of a long word cheap.
void addDictionaryWords(KanaWord& word, const ReadingDictionary& dictionary) {
    const RomajiReading& reading = *word.reading;
    std::vector<std::pair<KanaText, size_t>> open{{KanaText(), 0}}; // a prefix, and the piece it reaches
    std::vector<KanaText> prefixes;
    size_t tried = 0;
    while (!open.empty() && tried < prefixesTried) {
        KanaText before = std::move(open.back().first);
        const size_t piece = open.back().second;
        open.pop_back();
        if (piece == reading.pieces.size()) {
            if (reading.endings.empty()) prefixes.push_back(std::move(before));
            for (const KanaText& ending : reading.endings) prefixes.push_back(before + ending);
            continue;
        }
        const auto tryPrefix = [&](KanaText prefix) {
            ++tried;
            if (dictionary.hasReadingFrom(prefix)) open.emplace_back(std::move(prefix), piece + 1);
        };
        for (const KanaText& form : reading.pieces[piece].forms) {
            tryPrefix(before + form);
            if (!followed(reading, piece)) continue;
            for (const KanaUnit unit : lengtheners(reading.pieces[piece].held)) tryPrefix(before + form + unit);
        }
    }
    // The dictionary is for kanji: its Latin names and symbols ("K" under かりうむ)
    // would let "ka" find every "k", and a romaji word finds ASCII as itself.
    std::vector<size_t> starts;
    for (const KanaText& prefix : prefixes) {
        dictionary.forEachWord(prefix, [&](KanaView found) {
            if (std::none_of(found.begin(), found.end(), [](KanaUnit unit) { return unit >= 0x80; })) return;
            starts.push_back(word.wordUnits.size());
            word.wordUnits.insert(word.wordUnits.end(), found.begin(), found.end());
            word.wordUnits.push_back(0);
        });
    }
    // Sorted by their first four units held in one number, the words compared only where those agree.
    std::vector<std::pair<uint64_t, KanaView>> keyed;
    keyed.reserve(starts.size());
    for (const size_t start : starts) {
        const KanaView found(&word.wordUnits[start]);
        uint64_t key = 0;
        for (size_t i = 0; i < 4; ++i) key = key << 16 | (i < found.size() ? static_cast<uint16_t>(found[i]) : 0u);
        keyed.emplace_back(key, found);
    }
    std::sort(keyed.begin(), keyed.end());
    for (const auto& [key, found] : keyed)
        if (word.words.empty() || word.words.back() != found) word.words.push_back(found);
}

void mark(std::vector<uint64_t>& bits, uint32_t at) { bits[at / 64] |= uint64_t(1) << (at % 64); }

// The first place from place on that holds one of count units. The count is
// fixed at compile time so that a block's comparisons become vector instructions.
template <size_t count>
size_t findAnyOf(KanaView text, size_t place, const KanaUnit* units) {
    const auto isOne = [units](KanaUnit unit) {
        unsigned seen = 0;
        for (size_t k = 0; k < count; ++k) seen |= static_cast<unsigned>(unit == units[k]);
        return seen;
    };
    // Names are short: blocks of 16, then of 8, leave a tail of fewer than 8 to take one by one.
    const auto skipBlocks = [&](auto block) {
        for (; place + block <= text.size(); place += block) {
            unsigned seen = 0;
            for (size_t i = 0; i < block; ++i) seen |= isOne(text[place + i]);
            if (seen) return false;
        }
        return true;
    };
    if (skipBlocks(std::integral_constant<size_t, 16>())) skipBlocks(std::integral_constant<size_t, 8>());
    for (; place < text.size(); ++place)
        if (isOne(text[place])) return place;
    return text.size();
}

// A scan for a few first units; past eight, the bitmap costs less than the comparisons.
void chooseFirstUnitScan(KanaWord& word, std::vector<KanaUnit> units) {
    std::sort(units.begin(), units.end());
    units.erase(std::unique(units.begin(), units.end()), units.end());
    const size_t sizes[] = {1, 2, 4, 8};
    decltype(word.findFirstUnit) const finds[] = {findAnyOf<1>, findAnyOf<2>, findAnyOf<4>, findAnyOf<8>};
    for (size_t i = 0; i < std::size(sizes); ++i) {
        if (units.empty() || units.size() > sizes[i]) continue;
        units.resize(sizes[i], units.back());
        word.fewFirstUnits = std::move(units);
        word.findFirstUnit = finds[i];
        return;
    }
}

// The units any form of the word begins with, so that a scan of a text stops
// only where one may stand; and the dictionary words of one unit, and the
// first two units of the others hashed, so that a stop looks words up rarely.
void markFirstUnits(KanaWord& word) {
    word.firstUnits.assign(65536 / 64, 0);
    std::vector<KanaUnit> first;
    const auto note = [&](KanaUnit unit) {
        if (first.size() <= 8 && std::find(first.begin(), first.end(), unit) == first.end()) first.push_back(unit);
        mark(word.firstUnits, static_cast<uint16_t>(unit));
    };
    for (const KanaText& form : word.own) note(form[0]);
    for (const KanaView found : word.words) note(found[0]);
    chooseFirstUnitScan(word, std::move(first));
    if (word.words.empty()) return;
    word.singleUnitWords.assign(65536 / 64, 0);
    word.wordPairs.assign(65536 / 64, 0);
    for (const KanaView found : word.words) {
        if (found.size() == 1) mark(word.singleUnitWords, static_cast<uint16_t>(found[0]));
        else mark(word.wordPairs, KanaWord::pairOf(found[0], found[1]));
    }
}

KanaWord compileWord(KanaText typed, const KanaMatching& kana) {
    KanaWord word;
    word.typed = std::move(typed);
    if (word.typed.empty()) return word; // a lone "^"
    word.own.push_back(word.typed);
    word.reading = readRomaji(word.typed);
    if (word.reading) {
        for (KanaText& spelt : spellingsOf(*word.reading, word.ownSpellsAll)) word.own.push_back(std::move(spelt));
        // A word of two letters or more is looked up even before its first syllable is finished ("sh", "ky").
        if (kana.dictionary && (!word.reading->pieces.empty() || word.typed.size() >= 2))
            addDictionaryWords(word, *kana.dictionary);
    }
    markFirstUnits(word);
    return word;
}

} // namespace

bool KanaWord::readingAt(KanaView folded, size_t place) const {
    if (!reading) return false;
    // The places the reading may have reached after each piece: a few, as each
    // piece has few forms. Only a word with too many spellings to list comes here.
    std::vector<size_t> reached{place}, next;
    for (size_t i = 0; i < reading->pieces.size(); ++i) {
        const KanaPiece& piece = reading->pieces[i];
        next.clear();
        for (const size_t at : reached) {
            for (const KanaText& form : piece.forms) {
                if (!startsWith(folded, at, form)) continue;
                const size_t end = at + form.size();
                if (!followed(*reading, i)) return true;
                next.push_back(end);
                if (end < folded.size() && lengthens(piece.held, folded[end])) next.push_back(end + 1);
            }
        }
        if (next.empty()) return false;
        std::sort(next.begin(), next.end());
        next.erase(std::unique(next.begin(), next.end()), next.end());
        std::swap(reached, next);
    }
    for (const size_t at : reached)
        for (const KanaText& ending : reading->endings)
            if (startsWith(folded, at, ending)) return true;
    return false;
}

bool KanaWord::formAt(KanaView folded, size_t place) const {
    if (startsWith(folded, place, typed)) return true;
    const KanaUnit unit = folded[place];
    for (size_t i = 1; i < own.size(); ++i) {
        // Most forms are told apart by their first unit, without a call to compare.
        if ((own[i].empty() || own[i][0] == unit) && startsWith(folded, place, own[i])) return ownSpellsAll || readingAt(folded, place) || dictionaryWordAt(folded, place);
    }
    return dictionaryWordAt(folded, place);
}

bool KanaWord::dictionaryWordAt(KanaView folded, size_t place) const {
    if (words.empty()) return false;
    const KanaUnit unit = folded[place];
    const auto test = [](const std::vector<uint64_t>& bits, uint32_t at) { return bits[at / 64] >> (at % 64) & 1; };
    if (test(singleUnitWords, static_cast<uint16_t>(unit))) return true;
    if (place + 1 >= folded.size() || !test(wordPairs, pairOf(unit, folded[place + 1]))) return false;
    const auto first = std::lower_bound(words.begin(), words.end(), folded.substr(place, 2));
    for (auto at = first; at != words.end() && (*at)[0] == unit; ++at) {
        if (startsWith(folded, place, *at)) return true;
        if (at->size() > 1 && (*at)[1] != folded[place + 1]) break;
    }
    return false;
}

size_t KanaWord::nextStart(KanaView folded, size_t place) const {
    if (findFirstUnit) return findFirstUnit(folded, place, fewFirstUnits.data());
    for (; place < folded.size(); ++place) {
        const auto unit = static_cast<uint16_t>(folded[place]);
        if (firstUnits[unit / 64] >> (unit % 64) & 1) return place;
    }
    return place;
}

bool KanaWord::occursIn(KanaView folded) const {
    if (typed.empty()) return true;
    for (size_t place = nextStart(folded, 0); place < folded.size(); place = nextStart(folded, place + 1))
        if (formAt(folded, place)) return true;
    return false;
}

bool KanaWord::occursAt(KanaView folded, size_t place) const {
    if (formAt(folded, place)) return true;
    // The scan that asks may have passed over the place a reading spelt only in part begins at.
    if (ownSpellsAll) return false;
    for (size_t i = 1; i < own.size(); ++i)
        if (startsWith(folded, place, own[i])) return occursIn(folded);
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
