// The candidate walk with kanaMatch on, over the folded history.
#include "candidates.h"

#include "common/matching.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <optional>

namespace {

// Two units of a form of a query word at their places in it, the rarest two
// by the folded history's counts, which every entry holding the form holds.
struct Start {
    HistoryUnit first = 0;
    HistoryUnit second = 0;
    uint32_t firstAt = 0;
    uint32_t secondAt = 0;
    // The form's first two units (next 0 for a one-unit form), for the scan of many forms by where they open.
    HistoryUnit opening = 0;
    HistoryUnit next = 0;
    bool operator==(const Start& o) const {
        return first == o.first && second == o.second && firstAt == o.firstAt && secondAt == o.secondAt &&
               opening == o.opening && next == o.next;
    }
    bool operator<(const Start& o) const {
        if (opening != o.opening) return opening < o.opening;
        if (next != o.next) return next < o.next;
        if (first != o.first) return first < o.first;
        if (second != o.second) return second < o.second;
        return firstAt != o.firstAt ? firstAt < o.firstAt : secondAt < o.secondAt;
    }
};

// The places a required word may stand at: few starts are compared a block at a time, more through a bitmap.
struct WordScan {
    const KanaWord* word = nullptr;
    std::vector<Start> starts;
    uint64_t estimate = 0; // how many places of the history the starts stop at, by the counts
};

// Forms with a unit the history never holds cannot occur in it.
bool present(const HistoryList& history, KanaView form) {
    for (const KanaUnit unit : form)
        if (unit == 0 || history.foldedCount(unit) == 0) return false;
    return !form.empty();
}

// Past this many kept forms, the rest are kept without comparing them.
constexpr size_t maxFormsCompared = 1024;

WordScan scanOf(const HistoryList& history, const KanaWord& word) {
    WordScan scan;
    scan.word = &word;
    const auto add = [&](KanaView form) {
        uint32_t first = 0, second = 0;
        for (uint32_t i = 1; i < form.size(); ++i) {
            if (history.foldedCount(form[i]) < history.foldedCount(form[first])) first = i;
        }
        second = first;
        for (uint32_t i = 0; i < form.size(); ++i) {
            if (i != first && (second == first || history.foldedCount(form[i]) < history.foldedCount(form[second])))
                second = i;
        }
        scan.starts.push_back({form[first], form[second], first, second, form[0], form.size() > 1 ? form[1] : HistoryUnit(0)});
    };
    // A form holding another form of the word adds no entry: "k" finds whatever "ka" does.
    std::vector<KanaView> forms;
    for (const KanaText& form : word.own)
        if (present(history, form)) forms.push_back(form);
    for (const KanaView form : word.words)
        if (present(history, form)) forms.push_back(form);
    std::sort(forms.begin(), forms.end(), [](KanaView a, KanaView b) { return a.size() < b.size(); });
    std::vector<KanaView> kept;
    for (const KanaView form : forms) {
        const bool holdsKept = kept.size() < maxFormsCompared &&
                               std::any_of(kept.begin(), kept.end(), [form](KanaView k) { return form.find(k) != KanaView::npos; });
        if (!holdsKept) kept.push_back(form);
    }
    for (const KanaView form : kept) add(form);
    std::sort(scan.starts.begin(), scan.starts.end());
    scan.starts.erase(std::unique(scan.starts.begin(), scan.starts.end()), scan.starts.end());
    for (const Start& start : scan.starts) scan.estimate += history.foldedCount(start.first);
    return scan;
}

// The first place from at up to end where one of the starts holds, blocks
// reading on up to limit. The count of starts is fixed at compile time so
// that the comparisons over a block unroll into vector instructions.
template <size_t count>
size_t findStart(const HistoryUnit* units, size_t at, size_t end, size_t limit, const Start* starts, size_t reach) {
    const auto holdsAt = [&](size_t place) {
        unsigned seen = 0;
        for (size_t k = 0; k < count; ++k)
            seen |= static_cast<unsigned>(units[place + starts[k].firstAt] == starts[k].first) &
                    static_cast<unsigned>(units[place + starts[k].secondAt] == starts[k].second);
        return seen;
    };
    constexpr size_t block = 32;
    while (at < end && at + reach + block <= limit) {
        unsigned seen = 0;
        for (size_t i = 0; i < block; ++i) seen |= holdsAt(at + i);
        if (seen) break;
        at += block;
    }
    for (; at < end && at + reach < limit; ++at)
        if (holdsAt(at)) return at;
    return end;
}

using FindStart = size_t (*)(const HistoryUnit*, size_t, size_t, size_t, const Start*, size_t);

// The scan for a count of starts, padded with copies of the last up to a size compiled for.
FindStart findStartFor(std::vector<Start>& starts) {
    // More starts cost more in each block than the bitmaps of where forms open.
    const size_t sizes[] = {1, 2, 3, 4, 6, 8};
    const FindStart finds[] = {findStart<1>, findStart<2>, findStart<3>, findStart<4>, findStart<6>, findStart<8>};
    for (size_t i = 0; i < std::size(sizes); ++i) {
        if (starts.size() > sizes[i]) continue;
        starts.resize(sizes[i], starts.back());
        return finds[i];
    }
    return nullptr;
}

// Where many forms open: a one-unit form by its unit, a longer one by its
// first two units hashed. Either may stop the scan where no form stands,
// never fail to stop where one does.
struct Openings {
    std::vector<uint64_t> single = std::vector<uint64_t>(65536 / 64);
    std::vector<uint64_t> pairs = std::vector<uint64_t>(65536 / 64);

    static uint32_t pairOf(HistoryUnit a, HistoryUnit b) {
        return (static_cast<uint32_t>(static_cast<uint16_t>(a)) * 40503u + static_cast<uint16_t>(b)) & 0xFFFFu;
    }
    static void mark(std::vector<uint64_t>& bits, uint32_t at) { bits[at / 64] |= uint64_t(1) << (at % 64); }
    static unsigned test(const std::vector<uint64_t>& bits, uint32_t at) {
        return static_cast<unsigned>(bits[at / 64] >> (at % 64) & 1);
    }
    explicit Openings(const std::vector<Start>& starts) {
        for (const Start& start : starts) {
            if (start.next == 0) mark(single, static_cast<uint16_t>(start.opening));
            else mark(pairs, pairOf(start.opening, start.next));
        }
    }
    unsigned at(const HistoryUnit* units, size_t place) const {
        return test(single, static_cast<uint16_t>(units[place])) | test(pairs, pairOf(units[place], units[place + 1]));
    }
};

size_t findOpening(const HistoryUnit* units, size_t at, size_t end, size_t limit, const Openings& openings) {
    constexpr size_t block = 16;
    while (at < end && at + 1 + block <= limit) {
        unsigned seen = 0;
        for (size_t i = 0; i < block; ++i) seen |= openings.at(units, at + i);
        if (seen) break;
        at += block;
    }
    for (; at < end && at + 1 < limit; ++at)
        if (openings.at(units, at)) return at;
    return end;
}

} // namespace

std::vector<std::wstring> collectKanaCandidates(const HistoryList& historyList, const KanaQuery& typed,
                                                const std::wstring& folder,
                                                const std::vector<std::wstring>& notShowList) {
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
    // The whole rule for one entry; found is a word the scan has already seen in it.
    const auto take = [&](size_t index, const KanaWord* found) {
        const HistoryView entry = historyList[index];
        if (!matchesKana(foldedEntry(index), typed, found) || !matchesCompiled(entry, inFolder)) return false;
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
            if (take(i, nullptr)) break;
        }
        return taken;
    }
    size_t reach = 0;
    for (const Start& start : lead->starts) reach = std::max<size_t>(reach, std::max(start.firstAt, start.secondAt));
    const FindStart find = findStartFor(lead->starts);
    // Built even when unused: an optional here trips GCC's uninitialised-use warning.
    const Openings openings(find ? std::vector<Start>{} : lead->starts);
    // As in the exact walk: runs hold their entries in history order, so a
    // scan of each run tries the entries in that order.
    const size_t limit = historyList.unitCount();
    const auto startsAfter = [](size_t place, const HistoryList::Entry& entry) { return place < entry.start; };
    for (const HistoryList::Run& run : historyList.runs()) {
        const size_t end = entries[run.last - 1].start + entries[run.last - 1].length;
        size_t at = entries[run.first].start;
        size_t entry = run.first;
        while (at < end) {
            const size_t place = find ? find(folded, at, end, limit, lead->starts.data(), reach)
                                      : findOpening(folded, at, end, limit, openings);
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
            if (take(entry, lead->word)) return taken;
            at = entries[entry].start + entries[entry].length + 1;
            ++entry;
        }
    }
    return taken;
}
