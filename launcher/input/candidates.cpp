#include "candidates.h"

#include "text_helpers.h"
#include "common/matching.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>

namespace {

// Two units of one required word, A-Z in either case, that every taken entry
// must hold at a fixed distance: the rarest unit of the query and the rarest
// other unit of its word. Requiring both stops the scan at few places.
struct ScanKey {
    const std::wstring* word = nullptr;
    size_t first = 0; // places in the word
    size_t second = 0;
    HistoryUnit firstLower = 0, firstUpper = 0, secondLower = 0, secondUpper = 0;
    bool paired = false; // a rare first unit is left alone: a second would only slow the scan
};

HistoryUnit upperOf(char32_t unit) {
    return static_cast<HistoryUnit>(unit >= U'a' && unit <= U'z' ? unit - U'a' + U'A' : unit);
}

// The rarest unit of a word other than the one at skip, by the history's sample.
size_t rarestPlace(const HistoryList& history, const std::wstring& word, size_t skip, uint32_t& count) {
    size_t place = skip;
    count = UINT32_MAX;
    for (size_t i = 0; i < word.size(); ++i) {
        const auto unit = static_cast<char32_t>(word[i]);
        if (i == skip || unit > 0xFFFF) continue; // such a unit is never in UTF-16 text; the rule rejects it
        const uint32_t seen = history.sampledCount(unit);
        if (seen < count) {
            count = seen;
            place = i;
        }
    }
    return place;
}

std::optional<ScanKey> scanKeyFor(const HistoryList& history, const CompiledQuery& typed,
                                  const CompiledQuery& inFolder) {
    std::optional<ScanKey> key;
    uint32_t fewest = UINT32_MAX;
    for (const CompiledQuery* query : {&typed, &inFolder}) {
        for (const std::wstring& word : query->required) {
            uint32_t count = 0;
            const size_t place = rarestPlace(history, word, word.size(), count);
            if (place == word.size() || (key && count >= fewest)) continue;
            fewest = count;
            key = ScanKey{&word, place, place};
        }
    }
    if (!key) return key;
    uint32_t count = 0;
    const size_t second = rarestPlace(history, *key->word, key->first, count);
    if (second != key->first && fewest > history.sampledTotal() / 256) {
        key->second = second;
        key->paired = true;
    }
    key->firstLower = static_cast<HistoryUnit>((*key->word)[key->first]);
    key->firstUpper = upperOf(static_cast<char32_t>((*key->word)[key->first]));
    key->secondLower = static_cast<HistoryUnit>((*key->word)[key->second]);
    key->secondUpper = upperOf(static_cast<char32_t>((*key->word)[key->second]));
    return key;
}

// The first place from at up to end where the key's word may start: both its
// units stand where they would. A block of places at a time, which the
// compiler turns into a few vector instructions; blocks read on up to limit
// (the buffer's end) so that a short run costs no place-by-place tail.
template <bool paired>
size_t findKey(const HistoryUnit* units, size_t at, size_t end, size_t limit, const ScanKey& key) {
    const HistoryUnit* const first = units + key.first;
    const HistoryUnit* const second = units + key.second;
    const size_t reach = std::max(key.first, key.second);
    const auto holds = [&](size_t place) {
        return (first[place] == key.firstLower || first[place] == key.firstUpper) &&
               (!paired || second[place] == key.secondLower || second[place] == key.secondUpper);
    };
    constexpr size_t block = 32;
    while (at < end && at + reach + block <= limit) {
        unsigned seen = 0;
        for (size_t i = 0; i < block; ++i) {
            unsigned here = static_cast<unsigned>((first[at + i] == key.firstLower) | (first[at + i] == key.firstUpper));
            if constexpr (paired) {
                here &= static_cast<unsigned>((second[at + i] == key.secondLower) | (second[at + i] == key.secondUpper));
            }
            seen |= here;
        }
        if (seen) break;
        at += block;
    }
    for (; at < end && at + reach < limit; ++at) {
        if (holds(at)) return at;
    }
    return end;
}

// Whether the word, A-Z folded, stands at a place.
bool wordAt(const HistoryUnit* start, const std::wstring& word) {
    for (size_t i = 0; i < word.size(); ++i) {
        auto unit = static_cast<char32_t>(start[i]);
        if (unit >= U'A' && unit <= U'Z') unit += U'a' - U'A';
        if (unit != static_cast<char32_t>(word[i])) return false;
    }
    return true;
}

// The walk with kanaMatch off.
std::vector<std::wstring> collectExact(const HistoryList& historyList, const CompiledQuery& typed,
                                       const std::wstring& folder, const std::vector<std::wstring>& notShowList) {
    const CompiledQuery inFolder = compileQuery(folder);
    std::vector<CompiledQuery> hidden;
    hidden.reserve(notShowList.size());
    for (const std::wstring& item : notShowList) hidden.push_back(compileQuery(item));

    std::vector<std::wstring> taken;
    // The whole rule, for one entry in history order; true once the list is full.
    const auto take = [&](size_t index) {
        const HistoryView entry = historyList[index];
        if (!matchesCompiled(entry, typed) || !matchesCompiled(entry, inFolder)) return false;
        for (const CompiledQuery& item : hidden) {
            if (matchesListEntry(entry, item)) return false;
        }
        taken.push_back(historyList.text(index));
        return taken.size() == maxCandidates;
    };

    const std::optional<ScanKey> key = scanKeyFor(historyList, typed, inFolder);
    if (!key) {
        // Nothing required: the front of the history decides.
        for (size_t i = 0; i < historyList.size(); ++i) {
            if (take(i)) break;
        }
        return taken;
    }
    // An entry without the key's word cannot match, so the scan passes over it.
    // Within a run the buffer holds the entries in history order, and runs
    // come in history order, so the entries are still tried in that order.
    const HistoryUnit* const units = historyList.units();
    const size_t limit = historyList.unitCount();
    const size_t length = key->word->size();
    const std::vector<HistoryList::Entry>& entries = historyList.entries();
    const auto startsAfter = [](size_t place, const HistoryList::Entry& entry) { return place < entry.start; };
    for (const HistoryList::Run& run : historyList.runs()) {
        const size_t end = entries[run.last - 1].start + entries[run.last - 1].length;
        size_t at = entries[run.first].start;
        size_t entry = run.first;
        while (at < end) {
            const size_t place = key->paired ? findKey<true>(units, at, end, limit, *key)
                                             : findKey<false>(units, at, end, limit, *key);
            if (place == end) break;
            if (place + length > limit || !wordAt(units + place, *key->word)) { // most places are not the word
                at = place + 1;
                continue;
            }
            const auto holder = std::upper_bound(entries.begin() + static_cast<std::ptrdiff_t>(entry),
                                                 entries.begin() + static_cast<std::ptrdiff_t>(run.last), place,
                                                 startsAfter);
            entry = static_cast<size_t>(holder - entries.begin()) - 1;
            if (take(entry)) return taken;
            at = entries[entry].start + entries[entry].length + 1;
            ++entry;
        }
    }
    return taken;
}

} // namespace

std::vector<std::wstring> collectCandidates(const HistoryList& historyList, const TypedQuery& query,
                                            const std::wstring& folder,
                                            const std::vector<std::wstring>& notShowList) {
    if (query.kanaOn) return collectKanaCandidates(historyList, query.kana, folder, notShowList);
    return collectExact(historyList, query.exact, folder, notShowList);
}

std::vector<std::wstring> collectCandidates(const HistoryList& historyList, const std::wstring& query,
                                            const std::wstring& folder,
                                            const std::vector<std::wstring>& notShowList, const KanaMatching& kana) {
    return collectCandidates(historyList, compileTypedQuery(query, kana), folder, notShowList);
}

std::vector<std::wstring> candidatesFor(const HistoryList& historyList, const std::wstring& query,
                                        const std::wstring& folder, const std::vector<std::wstring>& notShowList,
                                        int32_t parentLevels, const KanaMatching& kana) {
    return reduceToParents(collectCandidates(historyList, query, folder, notShowList, kana), parentLevels);
}
