#pragma once
// Folder entries as item view rows: their paths and their order.
#include "common/matching.h"
#include "item_entry.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// The folder path and the entry name with one "\" between them.
std::wstring joinFolderPath(const std::wstring& folder, const std::wstring& name);

// Whether a reparse point with this tag is a symbolic link or a junction, whose
// target decides the entry's type. Other reparse points (cloud placeholders,
// deduplicated files) count as what the listing says: opening each would cost
// an open per file of a synced folder.
bool followsReparseTag(uint32_t tag);

ItemEntry makeFolderEntry(const std::wstring& folder, const std::wstring& name, bool isFolder);

// The upper-case folding NTFS applies to one UTF-16 unit when it orders names.
wchar_t upcaseUnit(wchar_t unit);
// Names in NTFS order: upper-cased unit by unit, then compared as numbers.
bool precedesByName(std::wstring_view left, std::wstring_view right);

// A folder's entries, held compactly: a large folder is one buffer of names
// rather than three strings per entry. Entry N reads as an ItemEntry.
class FolderListing {
public:
    template <typename Owner>
    class Iterator {
    public:
        Iterator(const Owner* owner, size_t index) : owner_(owner), index_(index) {}
        ItemEntry operator*() const { return (*owner_)[index_]; }
        Iterator& operator++() {
            ++index_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return index_ != other.index_; }
        bool operator==(const Iterator& other) const { return index_ == other.index_; }

    private:
        const Owner* owner_;
        size_t index_;
    };

    FolderListing() = default;
    FolderListing(const std::vector<ItemEntry>& entries);
    FolderListing(std::initializer_list<ItemEntry> entries) : FolderListing(std::vector<ItemEntry>(entries)) {}
    operator std::vector<ItemEntry>() const;

    // Entries added after this are entries of that folder.
    void enterFolder(const std::wstring& folder);
    void add(std::wstring_view name, bool isFolder);
    void add(const ItemEntry& entry);
    void push_back(const ItemEntry& entry) { add(entry); }
    void clear() { *this = FolderListing(); }
    // Folders first, then the other entries, each group in NTFS name order.
    void order();
    void shrink();

    size_t size() const { return slots_.size(); }
    bool empty() const { return slots_.empty(); }
    ItemEntry operator[](size_t index) const;
    std::wstring_view name(size_t index) const;
    std::wstring_view lowerName(size_t index) const;
    // Folded with foldWideKana as the entry was added, for kanaMatch.
    KanaView foldedName(size_t index) const {
        const Slot& slot = slots_[index];
        if (slot.folded == foldedAsLower) return sharedFold(text_.data() + slot.lower, slot.length);
        return KanaView(folded_.data() + slot.folded, slot.foldedLength);
    }
    bool isFolder(size_t index) const { return slots_[index].isFolder; }
    std::wstring path(size_t index) const;
    Iterator<FolderListing> begin() const { return {this, 0}; }
    Iterator<FolderListing> end() const { return {this, slots_.size()}; }

private:
    // Only where wchar_t is UTF-16 may a fold share the lowered name's units.
    static constexpr bool foldsShareUnits = std::is_same_v<KanaUnit, wchar_t>;
    static constexpr uint32_t foldedAsLower = UINT32_MAX;
    template <class Unit>
    static KanaView sharedFold(const Unit* lower, size_t length) {
        if constexpr (std::is_same_v<Unit, KanaUnit>) return KanaView(lower, length);
        else return KanaView();
    }
    struct Slot {
        uint32_t name = 0;  // offset in text_
        uint32_t lower = 0; // the same offset when lower-casing changes nothing
        uint32_t folded = foldedAsLower; // offset in folded_, unless the fold is the lowered name
        uint16_t length = 0;
        uint16_t prefix = 0; // into prefixes_
        uint16_t foldedLength = 0;
        bool isFolder = false;
        bool pathHasName = true; // else the prefix is the whole path
    };
    uint32_t store(std::wstring_view text);
    uint16_t prefixOf(std::wstring_view prefix);
    void fold(Slot& slot);

    uint16_t folder_ = 0;
    std::wstring text_;
    // Folds that differ from the lowered name; where wchar_t is wider than
    // UTF-16 (natively), every fold.
    KanaText folded_;
    std::vector<Slot> slots_;
    std::vector<std::wstring> prefixes_;
};

// The entries that match the input, kept as positions in the full listing:
// a keystroke over a large folder copies no names. Row N is entry N.
class ListedEntries {
public:
    using Iterator = FolderListing::Iterator<ListedEntries>;

    explicit ListedEntries(const FolderListing& all) : all_(&all) {}
    ListedEntries(const ListedEntries&) = delete;
    ListedEntries& operator=(const ListedEntries&) = delete;

    // Keeps the positions' storage, so that refiltering does not allocate.
    void clear() { positions_.clear(); }
    void add(size_t position) { positions_.push_back(static_cast<uint32_t>(position)); }
    size_t size() const { return positions_.size(); }
    bool empty() const { return positions_.empty(); }
    ItemEntry operator[](size_t row) const { return (*all_)[positions_[row]]; }
    // False past the end, and for a row whose listing was replaced meanwhile.
    bool has(size_t row) const { return row < positions_.size() && positions_[row] < all_->size(); }
    std::wstring_view name(size_t row) const { return all_->name(positions_[row]); }
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, positions_.size()}; }

private:
    const FolderListing* all_;
    std::vector<uint32_t> positions_;
};

// Keeps the entries whose names, lowered and folded as the listing keeps
// them, match the query.
void filterEntries(const FolderListing& all, const TypedQuery& query, ListedEntries& listed);
// The same for the lowered query, compiled with the kanaMatch choice.
void filterEntries(const FolderListing& all, const std::wstring& loweredQuery, ListedEntries& listed,
                   const KanaMatching& kana = {});
