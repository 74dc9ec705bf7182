#pragma once
// The task view: which windows are listed, and the refresh that keeps them fresh.
#include "task_window.h"

#include <windows.h>

#include <atomic>
#include <vector>

struct ConfigStore;
struct InputEditHandler;
struct ItemViewHandler;

struct TaskViewState {
    ItemViewHandler* itemView = nullptr;
    InputEditHandler* inputHandler = nullptr;
    ConfigStore* config = nullptr;
    HANDLE refreshThread = nullptr;
    std::atomic<bool> taskViewActive{false};
    std::vector<TaskWindow> allTasks;
    std::vector<TaskWindow> shownTasks;
    std::atomic<bool> refreshFree{true};
    std::atomic<bool> refreshThreadStarted{false};
    std::atomic<bool> autoCloseArmed{false};

    void setTaskViewActive(bool on);
};

// Restores or shows a window and forces it to the foreground.
void bringWindowToFront(HWND window);
