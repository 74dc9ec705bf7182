// The candidate walk with kanaMatch on, over the folded history.
#include "candidates.h"

#include "matching.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cwchar>
#include <optional>

namespace {

// The first two units of a form of a query word, where an entry may hold it.
struct Start {
    HistoryUnit first = 0;
    HistoryUnit second = 0;
    bool single = false; // a one-unit form: any second unit will do
    bool operator==(const Start& other) const {
        return first == other.first && second == other.second && single == other.single;
    }
    bool operator<(const Start& other) const {
        return first != other.first ? first < other.first : second != other.second ? second < other.second : single < other.single;
    }
};

// The places a required word may stand at: few starts are compared a block at a time, more through a bitmap.
struct WordScan {
    const KanaWord* word = nullptr;
    std::vector<Start> starts;
    uint64_t estimate = 0; // how many places of the history the starts stop at, by the counts
};

constexpr size_t blockStarts = 4;

// Forms with a unit the history never holds cannot occur in it.
bool present(const HistoryList& history, KanaView form) {
    for (const KanaUnit unit : form)
        if (unit == 0 || history.foldedCount(unit) == 0) return false;
    return !form.empty();
}

WordScan scanOf(const HistoryList& history, const KanaWord& word) {
    WordScan scan;
    scan.word = &word;
    const auto add = [&](KanaView form) {
        if (!present(history, form)) return;
        scan.starts.push_back({form[0], form.size() > 1 ? form[1] : HistoryUnit(0), form.size() == 1});
    };
    for (const KanaText& form : word.own) add(form);
    for (const KanaView form : word.words) add(form);
    std::sort(scan.starts.begin(), scan.starts.end());
    scan.starts.erase(std::unique(scan.starts.begin(), scan.starts.end()), scan.starts.end());
    for (const Start& start : scan.starts) {
        const uint32_t first = history.foldedCount(start.first);
        scan.estimate += start.single ? first : std::min(first, history.foldedCount(start.second));
    }
    return scan;
}

// The first place from at up to end where one of the starts holds, blocks
// reading on up to limit. The starts are padded to a fixed count so that the
// compiler unrolls the comparisons over a block.
size_t findStart(const HistoryUnit* units, size_t at, size_t end, size_t limit,
                 const std::array<Start, blockStarts>& starts) {
    const auto holds = [&](size_t place) {
        unsigned seen = 0;
        for (const Start& s : starts)
            seen |= static_cast<unsigned>(units[place] == s.first) &
                    (static_cast<unsigned>(units[place + 1] == s.second) | static_cast<unsigned>(s.single));
        return seen != 0;
    };
    constexpr size_t block = 32;
    while (at < end && at + 1 + block <= limit) {
        unsigned seen = 0;
        for (size_t i = 0; i < block; ++i) {
            for (const Start& s : starts)
                seen |= static_cast<unsigned>(units[at + i] == s.first) &
                        (static_cast<unsigned>(units[at + i + 1] == s.second) | static_cast<unsigned>(s.single));
        }
        if (seen) break;
        at += block;
    }
    for (; at < end && at + 1 < limit; ++at)
        if (holds(at)) return at;
    return end;
}

size_t findFirstUnit(const HistoryUnit* units, size_t at, size_t end, const std::vector<uint64_t>& bits) {
    for (; at < end; ++at) {
        const auto unit = static_cast<uint16_t>(units[at]);
        if (bits[unit / 64] >> (unit % 64) & 1) return at;
    }
    return end;
}

} // namespace

std::vector<std::wstring> collectCandidates(const HistoryList& historyList, const std::wstring& query,
                                            const std::wstring& folder,
                                            const std::vector<std::wstring>& notShowList, const KanaMatching& kana) {
    if (!kana.on) return collectCandidates(historyList, query, folder, notShowList);
    const KanaQuery typed = compileKanaQuery(query, kana);
    const CompiledQuery inFolder = compileQuery(folder);
    std::vector<CompiledQuery> hidden;
    hidden.reserve(notShowList.size());
    for (const std::wstring& item : notShowList) hidden.push_back(compileQuery(item));

    std::vector<std::wstring> taken;
    if (historyList.empty()) return taken;
    const HistoryUnit* const folded = historyList.foldedUnits();
    const std::vector<HistoryList::Entry>& entries = historyList.entries();
    const auto foldedEntry = [&](size_t index) {
        const HistoryList::Entry& entry = entries[index];
        const HistoryUnit* text = folded + entry.start;
        return KanaView(text, static_cast<size_t>(std::find(text, text + entry.length, HistoryUnit(0)) - text));
    };
    const auto take = [&](size_t index) {
        const HistoryView entry = historyList[index];
        if (!matchesKana(foldedEntry(index), typed) || !matchesCompiled(entry, inFolder)) return false;
        for (const CompiledQuery& item : hidden) {
            if (matchesListEntry(entry, item)) return false;
        }
        taken.push_back(historyList.text(index));
        return taken.size() == maxCandidates;
    };

    // The required word the history holds the fewest starts of leads the scan.
    std::optional<WordScan> lead;
    for (const KanaWord& word : typed.required) {
        WordScan scan = scanOf(historyList, word);
        if (scan.starts.empty()) return taken; // no entry can hold it
        if (!lead || scan.estimate < lead->estimate) lead = std::move(scan);
    }
    if (!lead) {
        for (size_t i = 0; i < historyList.size(); ++i) {
            if (take(i)) break;
        }
        return taken;
    }
    std::array<Start, blockStarts> padded{};
    std::vector<uint64_t> firstBits;
    const bool blocked = lead->starts.size() <= blockStarts;
    if (blocked) {
        for (size_t i = 0; i < blockStarts; ++i) padded[i] = lead->starts[std::min(i, lead->starts.size() - 1)];
    } else {
        firstBits.assign(65536 / 64, 0);
        for (const Start& start : lead->starts)
            firstBits[static_cast<uint16_t>(start.first) / 64] |= uint64_t(1) << (static_cast<uint16_t>(start.first) % 64);
    }
    // As in the exact walk: runs hold their entries in history order, so a
    // scan of each run tries the entries in that order.
    const size_t limit = historyList.unitCount();
    const auto startsAfter = [](size_t place, const HistoryList::Entry& entry) { return place < entry.start; };
    for (const HistoryList::Run& run : historyList.runs()) {
        const size_t end = entries[run.last - 1].start + entries[run.last - 1].length;
        size_t at = entries[run.first].start;
        size_t entry = run.first;
        while (at < end) {
            const size_t place = blocked ? findStart(folded, at, end, limit, padded) : findFirstUnit(folded, at, end, firstBits);
            if (place == end) break;
            const auto holder = std::upper_bound(entries.begin() + static_cast<std::ptrdiff_t>(entry),
                                                 entries.begin() + static_cast<std::ptrdiff_t>(run.last), place,
                                                 startsAfter);
            entry = static_cast<size_t>(holder - entries.begin()) - 1;
            const KanaView text = foldedEntry(entry);
            const size_t offset = place - entries[entry].start;
            if (offset >= text.size() || !lead->word->occursAt(text, offset)) { // most places hold no form
                at = place + 1;
                continue;
            }
            if (take(entry)) return taken;
            at = entries[entry].start + entries[entry].length + 1;
            ++entry;
        }
    }
    return taken;
}
