#pragma once
// A list of history texts in one contiguous buffer of UTF-16 code units.
// Entries are offsets into the buffer, so a history of a hundred thousand
// lines is two allocations, loads without an allocation per line and can be
// searched at memory speed, whatever the allocator did before.
#include "common/text_lines.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// wchar_t is UTF-16 on Windows, so Win32 calls take entries as they are; the
// native build keeps two bytes a unit too, and so the same buffer.
using HistoryUnit = std::conditional_t<sizeof(wchar_t) == 2, wchar_t, char16_t>;
using HistoryView = std::basic_string_view<HistoryUnit>;
using TextList = std::vector<std::wstring>;

class HistoryList {
public:
    struct Entry {
        uint32_t start;  // of its text in the buffer; a 0 unit follows the text
        uint32_t length;
    };
    // Entries [first, last) in list order whose texts follow one another in the
    // buffer, so that one scan covers them all.
    struct Run {
        size_t first;
        size_t last;
    };

    HistoryList() = default;
    HistoryList(const TextList& texts);
    HistoryList& operator=(const TextList& texts);

    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    HistoryView operator[](size_t index) const {
        return {units_.data() + entries_[index].start, entries_[index].length};
    }
    HistoryView front() const { return (*this)[0]; }
    // A copy, for what leaves the list (a shown candidate, a test).
    std::wstring text(size_t index) const;
    TextList texts() const;

    void clear();
    void push_back(std::wstring_view text);
    // Appends the lines of a history file's bytes as readTextLines splits and decodes them.
    void appendFileBytes(std::string_view bytes);
    // The file's bytes: every entry in order, each followed by one LF.
    std::string fileBytes() const;

    // The list operations of the history; see history_lists.h.
    bool moveToFront(std::wstring_view text);
    bool removeFirst(std::wstring_view text);
    void dropDuplicates();

    // For the candidate walk, which scans the buffer itself.
    const HistoryUnit* units() const { return units_.data(); }
    size_t unitCount() const { return units_.size(); }
    const std::vector<Entry>& entries() const { return entries_; }
    const std::vector<Run>& runs() const;
    // How often the buffer holds a unit (A-Z folded), from a sample: enough to
    // tell which unit of a query is rarest.
    uint32_t sampledCount(char32_t loweredUnit) const;
    uint32_t sampledTotal() const;
    // The buffer folded for kanaMatch (common/kana_folding.h) at the same
    // offsets, an entry's fold padded with 0 to its end: folded on first use,
    // then only the lines added since.
    const HistoryUnit* foldedUnits() const;
    // How often the folded buffer holds a unit; 0 for one it lacks.
    uint32_t foldedCount(HistoryUnit unit) const;
    // Units held by removed entries, until the next compaction.
    size_t wastedUnits() const { return units_.size() - liveUnits_; }

    class const_iterator {
    public:
        using value_type = HistoryView;
        using difference_type = std::ptrdiff_t;
        const_iterator(const HistoryList* list, size_t index) : list_(list), index_(index) {}
        HistoryView operator*() const { return (*list_)[index_]; }
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        bool operator==(const const_iterator& other) const { return index_ == other.index_; }
        bool operator!=(const const_iterator& other) const { return index_ != other.index_; }

    private:
        const HistoryList* list_;
        size_t index_;
    };
    using iterator = const_iterator;
    using value_type = HistoryView;
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    friend bool operator==(const HistoryList& a, const HistoryList& b);
    friend bool operator==(const HistoryList& list, const TextList& texts);

private:
    size_t indexOf(HistoryView text) const;
    void append(HistoryView text);
    void makeRoom(size_t units);
    void compact();

    std::vector<HistoryUnit> units_;
    std::vector<Entry> entries_;
    size_t liveUnits_ = 0; // text and terminators of the entries
    mutable std::vector<Run> runs_;
    mutable std::array<uint32_t, 256> sampled_{};
    mutable uint32_t sampledTotal_ = 0;
    mutable bool derivedStale_ = true;
    mutable std::vector<HistoryUnit> folded_;
    // The folded units' counts in pages of 256, a page made when a unit of it
    // first turns up: a history fills a few of the 256 pages, and a new list none.
    mutable std::vector<uint32_t> countPages_; // by a unit's high byte: where its page ends in foldedCounts_, or 0
    mutable std::vector<uint32_t> foldedCounts_;
};

// A wide text as history units: a copy where wchar_t is wider than UTF-16.
std::basic_string<HistoryUnit> historyUnits(std::wstring_view text);
