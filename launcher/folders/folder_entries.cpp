#include "folder_entries.h"

#include "common/matching.h"

#include <algorithm>

bool followsReparseTag(uint32_t tag) {
    constexpr uint32_t symbolicLink = 0xA000000C; // IO_REPARSE_TAG_SYMLINK
    constexpr uint32_t junction = 0xA0000003;     // IO_REPARSE_TAG_MOUNT_POINT
    return tag == symbolicLink || tag == junction;
}

std::wstring joinFolderPath(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || folder.back() == L'\\' || folder.back() == L'/') return folder + name;
    return folder + L'\\' + name;
}

ItemEntry makeFolderEntry(const std::wstring& folder, const std::wstring& name, bool isFolder) {
    ItemEntry entry;
    entry.isFolder = isFolder;
    entry.path = joinFolderPath(folder, name);
    entry.name = name;
    entry.lowerName = lowerText(name);
    return entry;
}

wchar_t upcaseUnit(wchar_t unit) {
    const auto u = static_cast<unsigned>(unit);
    auto shifted = [&](int by) { return static_cast<wchar_t>(static_cast<int>(u) + by); };
    if (u >= 0x61 && u <= 0x7A) return shifted(-0x20);
    if (u < 0xB5) return unit;
    if (u == 0xB5) return static_cast<wchar_t>(0x39C);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return shifted(-0x20);
    if (u == 0xFF) return static_cast<wchar_t>(0x178);
    // Latin Extended-A pairs capitals and small letters; the parity of the
    // small letter flips in its middle stretch.
    if ((u >= 0x100 && u <= 0x12F) || (u >= 0x132 && u <= 0x137) || (u >= 0x14A && u <= 0x177))
        return (u & 1) ? shifted(-1) : unit;
    if ((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E)) return (u & 1) ? unit : shifted(-1);
    if (u >= 0x3B1 && u <= 0x3CB && u != 0x3C2) return shifted(-0x20);
    if (u == 0x3C2) return static_cast<wchar_t>(0x3A3);
    if (u >= 0x430 && u <= 0x44F) return shifted(-0x20);
    if (u >= 0x450 && u <= 0x45F) return shifted(-0x50);
    if (u >= 0xFF41 && u <= 0xFF5A) return shifted(-0x20);
    return unit;
}

bool precedesByName(std::wstring_view left, std::wstring_view right) {
    const size_t common = std::min(left.size(), right.size());
    for (size_t i = 0; i < common; ++i) {
        const auto a = static_cast<unsigned>(upcaseUnit(left[i])) & 0xFFFFu;
        const auto b = static_cast<unsigned>(upcaseUnit(right[i])) & 0xFFFFu;
        if (a != b) return a < b;
    }
    return left.size() < right.size();
}

FolderListing::FolderListing(const std::vector<ItemEntry>& entries) {
    for (const ItemEntry& entry : entries) add(entry);
}

FolderListing::operator std::vector<ItemEntry>() const {
    std::vector<ItemEntry> entries;
    for (const ItemEntry& entry : *this) entries.push_back(entry);
    return entries;
}

uint32_t FolderListing::store(std::wstring_view text) {
    const auto offset = static_cast<uint32_t>(text_.size());
    text_.append(text);
    return offset;
}

uint16_t FolderListing::prefixOf(std::wstring_view prefix) {
    for (size_t i = prefixes_.size(); i-- > 0;)
        if (prefixes_[i] == prefix) return static_cast<uint16_t>(i);
    prefixes_.emplace_back(prefix);
    return static_cast<uint16_t>(prefixes_.size() - 1);
}

// Folded here, on the thread that lists the folder, so that no keystroke folds
// a name; kept apart only where the fold is not the lowered name itself.
void FolderListing::fold(Slot& slot) {
    const std::wstring_view lower = std::wstring_view(text_).substr(slot.lower, slot.length);
    const size_t start = folded_.size();
    appendWideKana(lower, folded_);
    const KanaView folded = KanaView(folded_).substr(start);
    const auto same = [](KanaUnit a, wchar_t b) { return static_cast<char32_t>(a) == static_cast<char32_t>(b); };
    if (foldsShareUnits && std::equal(folded.begin(), folded.end(), lower.begin(), lower.end(), same)) {
        folded_.resize(start);
        slot.folded = foldedAsLower;
        return;
    }
    slot.folded = static_cast<uint32_t>(start);
    slot.foldedLength = static_cast<uint16_t>(folded.size());
}

void FolderListing::enterFolder(const std::wstring& folder) {
    folder_ = prefixOf(joinFolderPath(folder, L""));
}

void FolderListing::add(std::wstring_view name, bool isFolder) {
    if (prefixes_.empty()) folder_ = prefixOf(L"");
    Slot slot;
    slot.name = store(name);
    slot.length = static_cast<uint16_t>(name.size());
    slot.lower = slot.name;
    // Lower-cased as lowerText does, A-Z only, and stored only when it differs.
    if (std::any_of(name.begin(), name.end(), [](wchar_t c) { return c >= L'A' && c <= L'Z'; })) {
        slot.lower = store(name);
        for (size_t i = slot.lower; i < text_.size(); ++i)
            if (text_[i] >= L'A' && text_[i] <= L'Z') text_[i] = static_cast<wchar_t>(text_[i] + (L'a' - L'A'));
    }
    slot.prefix = folder_;
    slot.isFolder = isFolder;
    fold(slot);
    slots_.push_back(slot);
}

void FolderListing::add(const ItemEntry& entry) {
    const std::wstring_view path = entry.path;
    const bool pathHasName = path.size() >= entry.name.size() &&
                             path.compare(path.size() - entry.name.size(), entry.name.size(), entry.name) == 0;
    const uint16_t prefix = prefixOf(pathHasName ? path.substr(0, path.size() - entry.name.size()) : path);
    Slot slot;
    slot.name = store(entry.name);
    slot.length = static_cast<uint16_t>(entry.name.size());
    slot.lower = entry.lowerName == entry.name ? slot.name : store(entry.lowerName);
    slot.prefix = prefix;
    slot.isFolder = entry.isFolder;
    slot.pathHasName = pathHasName;
    fold(slot);
    slots_.push_back(slot);
}

void FolderListing::order() {
    std::stable_sort(slots_.begin(), slots_.end(), [&](const Slot& a, const Slot& b) {
        if (a.isFolder != b.isFolder) return a.isFolder;
        const std::wstring_view text(text_);
        return precedesByName(text.substr(a.name, a.length), text.substr(b.name, b.length));
    });
}

void FolderListing::shrink() {
    text_.shrink_to_fit();
    folded_.shrink_to_fit();
    slots_.shrink_to_fit();
}

std::wstring_view FolderListing::name(size_t index) const {
    return std::wstring_view(text_).substr(slots_[index].name, slots_[index].length);
}

std::wstring_view FolderListing::lowerName(size_t index) const {
    return std::wstring_view(text_).substr(slots_[index].lower, slots_[index].length);
}

std::wstring FolderListing::path(size_t index) const {
    const Slot& slot = slots_[index];
    std::wstring path = prefixes_[slot.prefix];
    if (slot.pathHasName) path.append(name(index));
    return path;
}

ItemEntry FolderListing::operator[](size_t index) const {
    ItemEntry entry;
    entry.isFolder = isFolder(index);
    entry.path = path(index);
    entry.name = name(index);
    entry.lowerName = lowerName(index);
    return entry;
}

void filterEntries(const FolderListing& all, const TypedQuery& query, ListedEntries& listed) {
    listed.clear();
    for (size_t i = 0; i < all.size(); ++i)
        if (matchesTyped(all.lowerName(i), all.foldedName(i), query)) listed.add(i);
}

void filterEntries(const FolderListing& all, const std::wstring& loweredQuery, ListedEntries& listed,
                   const KanaMatching& kana) {
    filterEntries(all, compileTypedQuery(loweredQuery, kana), listed);
}
