#pragma once
// Rows of the item view: open windows (tasks) and folder entries.
#include <string>

struct TaskWindow {
    std::wstring title;
    std::wstring className;
    std::wstring lowerTitle;
    void* window = nullptr;
};

struct ItemEntry {
    bool isWindow = false;
    bool isFolder = false;
    std::wstring path;
    std::wstring name;
    std::wstring lowerName;
    void* window = nullptr;
};
