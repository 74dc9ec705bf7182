#pragma once
// Folder entries as item view rows: their paths and their order.
#include "launcher/tasks/task_window.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The folder path and the entry name with one "\" between them.
std::wstring joinFolderPath(const std::wstring& folder, const std::wstring& name);

ItemEntry makeFolderEntry(const std::wstring& folder, const std::wstring& name, bool isFolder);

// The upper-case folding NTFS applies to one UTF-16 unit when it orders names.
wchar_t upcaseUnit(wchar_t unit);
// Names in NTFS order: upper-cased unit by unit, then compared as numbers.
bool precedesByName(const std::wstring& left, const std::wstring& right);

// Folders first, then the other entries, each group in NTFS name order, so
// that every file system shows the order users know.
void orderFolderEntries(std::vector<ItemEntry>& entries);

// The entries that match the input, kept as positions in the full listing:
// a keystroke over a large folder copies no names. Row N is entry N.
class ListedEntries {
public:
    class Iterator {
    public:
        Iterator(const ListedEntries* owner, size_t row) : owner_(owner), row_(row) {}
        const ItemEntry& operator*() const { return (*owner_)[row_]; }
        const ItemEntry* operator->() const { return &(*owner_)[row_]; }
        Iterator& operator++() {
            ++row_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return row_ != other.row_; }
        bool operator==(const Iterator& other) const { return row_ == other.row_; }

    private:
        const ListedEntries* owner_;
        size_t row_;
    };

    explicit ListedEntries(const std::vector<ItemEntry>& all) : all_(&all) {}
    ListedEntries(const ListedEntries&) = delete;
    ListedEntries& operator=(const ListedEntries&) = delete;

    // Keeps the positions' storage, so that refiltering does not allocate.
    void clear() { positions_.clear(); }
    void add(size_t position) { positions_.push_back(static_cast<uint32_t>(position)); }
    size_t size() const { return positions_.size(); }
    bool empty() const { return positions_.empty(); }
    const ItemEntry& operator[](size_t row) const { return (*all_)[positions_[row]]; }
    // Null past the end, and for a row whose listing was replaced meanwhile.
    const ItemEntry* find(size_t row) const {
        if (row >= positions_.size() || positions_[row] >= all_->size()) return nullptr;
        return &(*all_)[positions_[row]];
    }
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, positions_.size()); }

private:
    const std::vector<ItemEntry>* all_;
    std::vector<uint32_t> positions_;
};

// Keeps the entries whose lower-cased names match the lowered query.
void filterEntries(const std::vector<ItemEntry>& all, const std::wstring& loweredQuery, ListedEntries& listed);
