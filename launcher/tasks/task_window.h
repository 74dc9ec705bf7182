#pragma once
// An open window (a task) as one row of the item view.
#include <string>

struct TaskWindow {
    std::wstring title;
    std::wstring className;
    std::wstring lowerTitle;
    void* window = nullptr;
};
