#include "history_list.h"

#include "common/kana_folding.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

constexpr HistoryUnit terminator = 0;

bool sameText(HistoryView a, HistoryView b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(HistoryUnit)) == 0;
}

// Folded ASCII keeps its own bucket; other units share one by their low bits.
size_t bucketOf(char32_t unit) {
    if (unit >= U'A' && unit <= U'Z') unit += U'a' - U'A';
    return unit < 0x80 ? unit : 0x80 | ((unit ^ (unit >> 7)) & 0x7F);
}

} // namespace

std::basic_string<HistoryUnit> historyUnits(std::wstring_view text) {
    std::basic_string<HistoryUnit> units;
    units.reserve(text.size());
    for (const wchar_t unit : text) {
        const auto value = static_cast<char32_t>(unit);
        if constexpr (sizeof(wchar_t) > sizeof(HistoryUnit)) {
            if (value >= 0x10000) { // only a native test can hold such a unit: keep it as Windows would
                units.push_back(static_cast<HistoryUnit>(0xD800 + ((value - 0x10000) >> 10)));
                units.push_back(static_cast<HistoryUnit>(0xDC00 + ((value - 0x10000) & 0x3FF)));
                continue;
            }
        }
        units.push_back(static_cast<HistoryUnit>(value));
    }
    return units;
}

HistoryList::HistoryList(const TextList& texts) { *this = texts; }

HistoryList& HistoryList::operator=(const TextList& texts) {
    clear();
    for (const std::wstring& text : texts) push_back(text);
    return *this;
}

std::wstring HistoryList::text(size_t index) const {
    const HistoryView view = (*this)[index];
    return std::wstring(view.begin(), view.end());
}

TextList HistoryList::texts() const {
    TextList copies;
    copies.reserve(size());
    for (size_t i = 0; i < size(); ++i) copies.push_back(text(i));
    return copies;
}

void HistoryList::clear() {
    // A period change replaces a long history: give its memory back.
    std::vector<HistoryUnit>().swap(units_);
    std::vector<Entry>().swap(entries_);
    liveUnits_ = 0;
    derivedStale_ = true;
    std::vector<HistoryUnit>().swap(folded_);
    countPages_.clear();
    foldedCounts_.clear();
}

void HistoryList::makeRoom(size_t units) {
    // Grow by an eighth rather than doubling: the buffer is the largest block
    // of the process, and launches add a line at a time.
    if (units_.size() + units > units_.capacity()) units_.reserve(units_.size() + units + units_.size() / 8 + 256);
}

void HistoryList::append(HistoryView text) {
    makeRoom(text.size() + 1);
    const auto start = static_cast<uint32_t>(units_.size());
    units_.insert(units_.end(), text.begin(), text.end());
    units_.push_back(terminator);
    if (entries_.size() == entries_.capacity()) entries_.reserve(entries_.size() + entries_.size() / 8 + 16);
    entries_.push_back({start, static_cast<uint32_t>(text.size())});
    liveUnits_ += text.size() + 1;
    derivedStale_ = true;
}

void HistoryList::push_back(std::wstring_view text) { append(historyUnits(text)); }

void HistoryList::appendFileBytes(std::string_view bytes) {
    if (bytes.empty()) return;
    // Room for exactly the units of valid UTF-8 (a unit per sequence, two for a
    // four-byte one) and a 0 after each line, with some slack; a line that
    // could overrun it (invalid bytes decode one by one) makes more first.
    size_t lineEnds = 0, continuations = 0, fourByteLeads = 0;
    // Byte-wide counts over short blocks: the compiler keeps them in vector lanes.
    for (size_t block = 0; block < bytes.size(); block += 255) {
        const size_t end = std::min(bytes.size(), block + 255);
        uint8_t ends = 0, follows = 0, leads = 0;
        for (size_t i = block; i < end; ++i) {
            const auto value = static_cast<unsigned char>(bytes[i]);
            ends += value == '\n';
            follows += (value & 0xC0) == 0x80;
            leads += value >= 0xF0;
        }
        lineEnds += ends;
        continuations += follows;
        fourByteLeads += leads;
    }
    constexpr size_t slack = 4096;
    const size_t oldSize = units_.size();
    makeRoom(bytes.size() - continuations + fourByteLeads + 1 + slack);
    units_.resize(oldSize + bytes.size() - continuations + fourByteLeads + 1 + slack);
    if (entries_.size() + lineEnds + 1 > entries_.capacity()) entries_.reserve(entries_.size() * 9 / 8 + lineEnds + 1);
    size_t at = oldSize;
    const char* const data = bytes.data();
    size_t start = 0;
    while (start < bytes.size()) {
        const void* found = std::memchr(data + start, '\n', bytes.size() - start);
        const size_t end = found ? static_cast<size_t>(static_cast<const char*>(found) - data) : bytes.size();
        size_t length = end - start;
        if (found && length > 0 && data[end - 1] == '\r') --length;
        if (const void* zero = std::memchr(data + start, '\0', length)) {
            length = static_cast<size_t>(static_cast<const char*>(zero) - (data + start));
        }
        if (at + length + 1 > units_.size()) {
            makeRoom(at + length + 1 - units_.size());
            units_.resize(at + length + 1);
        }
        const size_t written = decodeUtf8(bytes.substr(start, length), units_.data() + at);
        entries_.push_back({static_cast<uint32_t>(at), static_cast<uint32_t>(written)});
        at += written;
        units_[at++] = terminator;
        liveUnits_ += written + 1;
        start = end + 1;
    }
    units_.resize(at);
    derivedStale_ = true;
}

std::string HistoryList::fileBytes() const {
    size_t total = 0;
    for (const HistoryView text : *this) total += utf8Size(text) + 1;
    std::string bytes(total, '\0');
    size_t n = 0;
    for (const HistoryView text : *this) {
        n += encodeUtf8(text, bytes.data() + n);
        bytes[n++] = '\n';
    }
    return bytes;
}

size_t HistoryList::indexOf(HistoryView text) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].length == text.size() && sameText((*this)[i], text)) return i;
    }
    return entries_.size();
}

bool HistoryList::moveToFront(std::wstring_view wide) {
    const auto text = historyUnits(wide);
    const size_t found = indexOf(text);
    if (found == 0 && !entries_.empty()) return false;
    derivedStale_ = true;
    if (found == entries_.size()) {
        // The text goes to the end of the buffer, its entry to the front of the list.
        append(text);
        std::rotate(entries_.begin(), entries_.end() - 1, entries_.end());
        return true;
    }
    // Only offsets move: the entries before it shift down by one.
    std::rotate(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(found),
                entries_.begin() + static_cast<std::ptrdiff_t>(found) + 1);
    return false;
}

bool HistoryList::removeFirst(std::wstring_view wide) {
    const size_t found = indexOf(historyUnits(wide));
    if (found == entries_.size()) return false;
    liveUnits_ -= entries_[found].length + 1;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(found));
    derivedStale_ = true;
    if (wastedUnits() > liveUnits_) compact();
    return true;
}

void HistoryList::dropDuplicates() {
    // Open addressing over the kept entries: one pass, no allocation per entry.
    size_t capacity = 16;
    while (capacity < entries_.size() * 2) capacity <<= 1;
    // Hashed first, so that the slot of an entry a little ahead can be fetched
    // while this one is placed: the table is far larger than the caches.
    const std::hash<HistoryView> hasher;
    std::vector<size_t> hashes(entries_.size());
    for (size_t i = 0; i < entries_.size(); ++i) hashes[i] = hasher((*this)[i]);
    std::vector<uint64_t> slots(capacity); // hash in the high half, kept position + 1 in the low
    constexpr size_t ahead = 8;
    size_t kept = 0;
    for (size_t i = 0; i < entries_.size(); ++i) {
#if defined(__GNUC__)
        if (i + ahead < hashes.size()) __builtin_prefetch(&slots[hashes[i + ahead] & (capacity - 1)]);
#endif
        const HistoryView text = (*this)[i];
        const size_t hash = hashes[i];
        const auto tag = static_cast<uint32_t>(hash >> 32 ^ hash);
        size_t slot = hash & (capacity - 1);
        bool seen = false;
        for (; slots[slot] != 0; slot = (slot + 1) & (capacity - 1)) {
            if (static_cast<uint32_t>(slots[slot] >> 32) == tag &&
                sameText((*this)[(slots[slot] & 0xFFFFFFFFu) - 1], text)) {
                seen = true;
                break;
            }
        }
        if (seen) {
            liveUnits_ -= entries_[i].length + 1;
            continue;
        }
        entries_[kept] = entries_[i];
        slots[slot] = static_cast<uint64_t>(tag) << 32 | static_cast<uint64_t>(kept + 1);
        ++kept;
    }
    if (kept == entries_.size()) {
        // The end of every load and rebuild: give back room well beyond what growth needs.
        if (units_.capacity() - units_.size() > units_.size() / 8 + 8192) units_.shrink_to_fit();
        return;
    }
    entries_.resize(kept);
    // Dropped lines are scattered through the buffer, each breaking a run: close the gaps.
    compact();
}

void HistoryList::compact() {
    std::vector<HistoryUnit> packed;
    packed.reserve(liveUnits_);
    for (Entry& entry : entries_) {
        const HistoryView text = {units_.data() + entry.start, entry.length};
        entry.start = static_cast<uint32_t>(packed.size());
        packed.insert(packed.end(), text.begin(), text.end());
        packed.push_back(terminator);
    }
    units_.swap(packed);
    derivedStale_ = true;
    std::vector<HistoryUnit>().swap(folded_);
    countPages_.clear();
    foldedCounts_.clear();
}

const HistoryUnit* HistoryList::foldedUnits() const {
    if (countPages_.empty()) countPages_.assign(256, 0);
    const size_t done = folded_.size();
    if (done < units_.size()) {
        // Lines are only ever added at the end of the buffer, so what is folded stays valid.
        folded_.reserve(units_.capacity());
        folded_.resize(units_.size());
        foldKanaBuffer(units_.data() + done, units_.size() - done, folded_.data() + done);
        uint32_t* counts = foldedCounts_.data();
        for (size_t i = done; i < folded_.size(); ++i) {
            const auto unit = static_cast<uint16_t>(folded_[i]);
            uint32_t pageEnd = countPages_[unit >> 8];
            if (pageEnd == 0) {
                foldedCounts_.resize(foldedCounts_.size() + 256);
                counts = foldedCounts_.data();
                pageEnd = countPages_[unit >> 8] = static_cast<uint32_t>(foldedCounts_.size());
            }
            ++counts[pageEnd - 256 + (unit & 0xFF)];
        }
    }
    return folded_.data();
}

uint32_t HistoryList::foldedCount(HistoryUnit unit) const {
    foldedUnits();
    const auto value = static_cast<uint16_t>(unit);
    const uint32_t pageEnd = countPages_[value >> 8];
    return pageEnd == 0 ? 0 : foldedCounts_[pageEnd - 256 + (value & 0xFF)];
}

const std::vector<HistoryList::Run>& HistoryList::runs() const {
    if (!derivedStale_) return runs_;
    runs_.clear();
    for (size_t i = 0; i < entries_.size(); ++i) {
        const bool follows = i > 0 && entries_[i].start == entries_[i - 1].start + entries_[i - 1].length + 1;
        if (follows) runs_.back().last = i + 1;
        else runs_.push_back({i, i + 1});
    }
    sampled_.fill(0);
    const size_t stride = units_.size() / 65536 + 1;
    sampledTotal_ = 0;
    for (size_t i = 0; i < units_.size(); i += stride, ++sampledTotal_) ++sampled_[bucketOf(static_cast<char32_t>(units_[i]))];
    derivedStale_ = false;
    return runs_;
}

uint32_t HistoryList::sampledCount(char32_t loweredUnit) const {
    runs();
    return sampled_[bucketOf(loweredUnit)];
}

uint32_t HistoryList::sampledTotal() const {
    runs();
    return sampledTotal_;
}

bool operator==(const HistoryList& a, const HistoryList& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!sameText(a[i], b[i])) return false;
    }
    return true;
}

bool operator==(const HistoryList& list, const TextList& texts) {
    if (list.size() != texts.size()) return false;
    for (size_t i = 0; i < list.size(); ++i) {
        if (!sameText(list[i], historyUnits(texts[i]))) return false;
    }
    return true;
}
