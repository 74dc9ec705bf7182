#pragma once
// Which windows are tasks and which of them the task view shows, decided over
// plain facts so that the rules can be checked without a desktop.
#include "task_window.h"

#include "common/matching.h"

#include <cstdint>
#include <string>
#include <vector>

// What the task test reads from one top-level window. A fact the window
// could not give (a call that failed) is recorded as such.
struct WindowFacts {
    bool visible = false;
    int textLength = 0; // the length of the title read; 0 also when the read failed
    std::wstring text;
    bool childStyle = false;
    bool cloakQueried = false; // the cloaking attribute could be read
    uint32_t cloaked = 0;
    int classLength = 0;
    std::wstring className;
};

// The eight task tests in order. A cloaking state that cannot be read counts
// as not cloaked: systems without the attribute would otherwise list nothing.
bool isExcludedByFacts(const WindowFacts& facts);

struct TaskFilterSettings {
    std::vector<std::wstring> autoCloseList;
    std::vector<std::wstring> notShowTaskList;
    bool autoCloseArmed = false;
    bool taskZeroShow = false;
    KanaMatching kana; // for a query given as text: the two lists keep the exact rule
};

struct TaskFilterResult {
    std::vector<TaskWindow> shownTasks;
    std::vector<void*> windowsToClose;
    int32_t counted = 0;
    bool startAutoActivation = false;
};

// Windows matched by autoClose (once armed) are to be closed, notShowTask ones
// hidden; the rest are counted and shown when they match the query.
TaskFilterResult filterTasks(const std::vector<TaskWindow>& allTasks, const TypedQuery& query,
                             const TaskFilterSettings& settings);
TaskFilterResult filterTasks(const std::vector<TaskWindow>& allTasks, const std::wstring& query,
                             const TaskFilterSettings& settings);

// Whether a title matches any entry of a setting list. An entry without any
// word would match every window, so it matches none.
bool matchesAnyEntry(const std::wstring& title, const std::vector<std::wstring>& entries);

TaskWindow makeTaskWindow(std::wstring title, std::wstring className, void* window);
