#pragma once
// The task view: which windows are listed, and the refresh that keeps them fresh.
//
// Threads: the lists, the item view and everything that dismisses or activates
// belong to the user-interface thread. The worker threads only enumerate
// windows, read the atomics below and post the private messages to the main
// window, whose procedure hands them to onTaskMessage, or to the controller
// for the dismissal and the automatic activation; they never hold a lock and
// never wait for the user-interface thread to answer. The plain flags below
// belong to the user-interface thread alone.
#include "task_window.h"
#include "launcher/resources/app_messages.h"
#include "common/matching.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ConfigStore;
struct ItemViewDisplay;
struct MainWindow;

// Takes the task refresh for its lifetime if no other refresh holds it, and
// frees it again however its holder ends, an exception included. A refresh
// asked for while another holds it is skipped rather than queued.
struct RefreshTurn {
    bool& refreshFree;
    const bool taken;
    explicit RefreshTurn(bool& free) : refreshFree(free), taken(free) { free = false; }
    ~RefreshTurn() {
        if (taken) refreshFree = true;
    }
    RefreshTurn(const RefreshTurn&) = delete;
    RefreshTurn& operator=(const RefreshTurn&) = delete;
};

struct TaskViewState {
    MainWindow* mainWindow = nullptr;
    ItemViewDisplay* display = nullptr;
    ConfigStore* config = nullptr;
    HANDLE refreshThread = nullptr;
    std::atomic<bool> taskViewActive{false};
    std::vector<TaskWindow> allTasks;
    std::vector<TaskWindow> shownTasks;
    bool refreshFree = true;
    // From the window's creation until it is first up, the task step waits.
    std::optional<RefreshTurn> heldUntilCreated;
    bool refreshThreadStarted = false;
    bool autoCloseArmed = false;

    // Mirrors allTasks.size() for the refresh thread, which must not read the list.
    std::atomic<size_t> knownTaskCount{0};
    // The refresh thread's period and the number of idle periods after which
    // it dismisses the launcher; tests shorten them.
    std::atomic<int32_t> refreshPeriodMs{1000};
    std::atomic<int32_t> idleLimit{60};

    // The task part of switching to the task view: start the refresh thread
    // the first time, otherwise refresh at once. While the window is being
    // created the thread waits for endCreationHold.
    void showTaskView();
    // The window is up: the task step is free, and the refresh thread starts
    // if the task view is shown.
    void endCreationHold();
    // Re-enumerates; re-filters only when forced or when the number of windows
    // changed. Skipped while another refresh runs.
    void refreshTasks(bool force);
    // Stores the enumeration, closes autoClose windows, hides notShowTask ones
    // and keeps those matching the lowered query.
    void applyTaskFilter(std::vector<TaskWindow> fresh, const TypedQuery& query);
    void setTaskViewActive(bool on);
};

// The task step of an input change; the caller holds the refresh turn.
void refreshTaskList(TaskViewState& taskView, const std::wstring& loweredQuery);
void refreshTaskList(TaskViewState& taskView, const TypedQuery& query);
// Asks every listed window to close, without waiting.
void closeListedTasks(TaskViewState& taskView);
// Ctrl+Space on an empty task view: close whatever is listed a second later.
void startDelayedClose(TaskViewState& taskView);

// Handles the private messages above that concern the task view alone, on
// the user-interface thread.
LRESULT onTaskMessage(TaskViewState& state, UINT message);

// Restores or shows a window and forces it to the foreground, without
// waiting for the window's program.
void bringWindowToFront(HWND window);
// A chosen task: its owner first, then the task.
void bringTaskForward(HWND task);
