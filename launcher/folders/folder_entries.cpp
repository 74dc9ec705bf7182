#include "folder_entries.h"

#include "launcher/input/matching.h"

#include <algorithm>

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

bool precedesByName(const std::wstring& left, const std::wstring& right) {
    const size_t common = std::min(left.size(), right.size());
    for (size_t i = 0; i < common; ++i) {
        const auto a = static_cast<unsigned>(upcaseUnit(left[i])) & 0xFFFFu;
        const auto b = static_cast<unsigned>(upcaseUnit(right[i])) & 0xFFFFu;
        if (a != b) return a < b;
    }
    return left.size() < right.size();
}

void orderFolderEntries(std::vector<ItemEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const ItemEntry& a, const ItemEntry& b) {
        if (a.isFolder != b.isFolder) return a.isFolder;
        return precedesByName(a.name, b.name);
    });
}

void filterEntries(const std::vector<ItemEntry>& all, const std::wstring& loweredQuery, ListedEntries& listed) {
    listed.clear();
    const CompiledQuery query = compileQuery(loweredQuery);
    for (size_t i = 0; i < all.size(); ++i)
        if (matchesCompiled(all[i].lowerName, query)) listed.add(i);
}
