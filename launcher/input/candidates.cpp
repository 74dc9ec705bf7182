#include "candidates.h"

#include "matching.h"
#include "text_helpers.h"

#include <algorithm>

namespace {

// A unit every taken entry must hold, A-Z in either case, and its word.
struct ScanKey {
    HistoryUnit lower = 0;
    HistoryUnit upper = 0;
    const std::wstring* word = nullptr;
    size_t offset = 0; // of the unit in the word
    bool found = false;
};

// The unit of the required words that the history holds least often: the
// fewer places the scan stops at, the less of the rule runs.
ScanKey rarestUnit(const HistoryList& history, const CompiledQuery& typed, const CompiledQuery& inFolder) {
    ScanKey key;
    uint32_t fewest = 0;
    for (const CompiledQuery* query : {&typed, &inFolder}) {
        for (const std::wstring& word : query->required) {
            for (size_t i = 0; i < word.size(); ++i) {
                const auto unit = static_cast<char32_t>(word[i]);
                if (unit > 0xFFFF) continue; // never in UTF-16 text; the rule itself rejects it
                const uint32_t count = history.sampledCount(unit);
                if (key.found && count >= fewest) continue;
                key.lower = static_cast<HistoryUnit>(unit);
                key.upper = static_cast<HistoryUnit>(unit >= U'a' && unit <= U'z' ? unit - U'a' + U'A' : unit);
                key.word = &word;
                key.offset = i;
                key.found = true;
                fewest = count;
            }
        }
    }
    return key;
}

// The first of two units before end, a block at a time so that the compiler
// compares a block in a few vector instructions. Blocks may read on up to
// limit (the buffer's end), so that a short run costs no unit-by-unit tail.
const HistoryUnit* findEither(const HistoryUnit* at, const HistoryUnit* end, const HistoryUnit* limit, HistoryUnit a,
                              HistoryUnit b) {
    constexpr std::ptrdiff_t block = 32;
    while (at < end && limit - at >= block) {
        unsigned seen = 0;
        for (std::ptrdiff_t i = 0; i < block; ++i) seen |= static_cast<unsigned>(at[i] == a) | (at[i] == b);
        if (seen) break;
        at += block;
    }
    while (at < end && *at != a && *at != b) ++at;
    return at < end ? at : end;
}

// Whether the key's word, A-Z folded, stands at the place of a hit.
bool wordAt(const HistoryUnit* start, const std::wstring& word) {
    for (size_t i = 0; i < word.size(); ++i) {
        auto unit = static_cast<char32_t>(start[i]);
        if (unit >= U'A' && unit <= U'Z') unit += U'a' - U'A';
        if (unit != static_cast<char32_t>(word[i])) return false;
    }
    return true;
}

} // namespace

std::vector<std::wstring> collectCandidates(const HistoryList& historyList, const std::wstring& query,
                                            const std::wstring& folder,
                                            const std::vector<std::wstring>& notShowList) {
    const CompiledQuery typed = compileQuery(query);
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

    const ScanKey key = rarestUnit(historyList, typed, inFolder);
    if (!key.found) {
        // Nothing required: the front of the history decides.
        for (size_t i = 0; i < historyList.size(); ++i) {
            if (take(i)) break;
        }
        return taken;
    }
    // An entry without the key unit cannot match, so the scan passes over it.
    // Within a run the buffer holds the entries in history order, and runs
    // come in history order, so the entries are still tried in that order.
    const HistoryUnit* const units = historyList.units();
    const HistoryUnit* const limit = units + historyList.unitCount();
    const std::vector<HistoryList::Entry>& entries = historyList.entries();
    const auto startsAfter = [](size_t position, const HistoryList::Entry& entry) { return position < entry.start; };
    for (const HistoryList::Run& run : historyList.runs()) {
        const size_t end = entries[run.last - 1].start + entries[run.last - 1].length;
        size_t at = entries[run.first].start;
        size_t entry = run.first;
        while (at < end) {
            const HistoryUnit* hit = findEither(units + at, units + end, limit, key.lower, key.upper);
            if (hit == units + end) break;
            const auto position = static_cast<size_t>(hit - units);
            // Most hits are not the word; only those that are go on to the entry.
            if (position - entries[run.first].start < key.offset || position - key.offset + key.word->size() > end ||
                !wordAt(hit - key.offset, *key.word)) {
                at = position + 1;
                continue;
            }
            const auto holder = std::upper_bound(entries.begin() + static_cast<std::ptrdiff_t>(entry),
                                                 entries.begin() + static_cast<std::ptrdiff_t>(run.last), position,
                                                 startsAfter);
            entry = static_cast<size_t>(holder - entries.begin()) - 1;
            if (position - entries[entry].start < key.offset) { // the word would begin before the entry
                at = position + 1;
                continue;
            }
            if (take(entry)) return taken;
            at = entries[entry].start + entries[entry].length + 1;
            ++entry;
        }
    }
    return taken;
}

std::vector<std::wstring> candidatesFor(const HistoryList& historyList, const std::wstring& query,
                                        const std::wstring& folder, const std::vector<std::wstring>& notShowList,
                                        int32_t parentLevels) {
    return reduceToParents(collectCandidates(historyList, query, folder, notShowList), parentLevels);
}
