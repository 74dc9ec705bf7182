#pragma once
// A folder entry as one row of the item view.
#include <string>

struct ItemEntry {
    bool isFolder = false;
    std::wstring path;
    std::wstring name;
    std::wstring lowerName;
};
