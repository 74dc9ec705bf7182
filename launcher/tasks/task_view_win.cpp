#include "task_view_state_win.h"

#include "item_view_fill_win.h"
#include "task_matching.h"
#include "task_rules.h"
#include "task_threads_win.h"
#include "window_enumeration_win.h"

#include "launcher/data/config_store.h"
#include "launcher/input/input_handlers_win.h"
#include "launcher/shell/controller_win.h"
#include "launcher/shell/main_window_win.h"

#include <commctrl.h>

#include <algorithm>

namespace {

void postClose(void* window) {
    PostMessageW(static_cast<HWND>(window), WM_SYSCOMMAND, SC_CLOSE, 0);
}

TaskFilterSettings filterSettings(const TaskViewState& state) {
    TaskFilterSettings settings;
    if (state.config) {
        settings.autoCloseList = state.config->autoCloseList;
        settings.notShowTaskList = state.config->notShowTaskList;
        settings.taskZeroShow = state.config->isOn(L"taskZeroShow");
    }
    settings.autoCloseArmed = state.autoCloseArmed;
    return settings;
}

// Skips, rather than queues, a refresh asked for while one runs.
bool beginRefresh(TaskViewState& state) {
    bool expected = true;
    return state.refreshFree.compare_exchange_strong(expected, false);
}

void fillWithShownTasks(TaskViewState& state) {
    if (state.itemView) fillItemView(*state.itemView, toItemEntries(state.shownTasks));
}

std::vector<int32_t> selectedRows(HWND listView) {
    std::vector<int32_t> rows;
    int row = -1;
    while ((row = ListView_GetNextItem(listView, row, LVNI_SELECTED)) != -1) rows.push_back(row);
    return rows;
}

HWND mainWindowOf(const TaskViewState& state) {
    return GetParent(state.itemView->listView);
}

} // namespace

void TaskViewState::showTaskView() {
    if (!taskViewActive) {
        taskViewActive = true;
        if (!refreshThreadStarted.exchange(true)) refreshThread = startTaskRefreshThread(*this);
        return;
    }
    refreshTasks(true);
}

void TaskViewState::refreshTasks(bool force) {
    if (!beginRefresh(*this)) return;
    std::vector<TaskWindow> fresh = collectTaskWindows();
    // A changed title or order alone does not redraw the view.
    if (force || fresh.size() != allTasks.size()) {
        applyTaskFilter(std::move(fresh));
        fillWithShownTasks(*this);
    }
    refreshFree = true;
}

void TaskViewState::applyTaskFilter(std::vector<TaskWindow> fresh) {
    allTasks = std::move(fresh);
    knownTaskCount = allTasks.size();
    const std::wstring query = interim::lowerText(inputHandler ? windowText(inputHandler->edit) : std::wstring());
    TaskFilterResult result = filterTasks(allTasks, query, filterSettings(*this));
    for (void* window : result.windowsToClose) postClose(window);
    shownTasks = std::move(result.shownTasks);
    if (result.startAutoActivation) startAutoActivateThread(mainWindowOf(*this));
}

void TaskViewState::setTaskViewActive(bool on) {
    taskViewActive = on;
    if (on) return;
    allTasks.clear();
    shownTasks.clear();
    knownTaskCount = 0;
    if (itemView) fillItemView(*itemView, {});
    refreshFree = true;
}

bool TaskViewState::activateTask(int32_t row) {
    if (!taskViewActive || row < 0 || row >= ListView_GetItemCount(itemView->listView)) return false;
    if (static_cast<size_t>(row) < shownTasks.size()) {
        const HWND window = static_cast<HWND>(shownTasks[static_cast<size_t>(row)].window);
        // An owned window comes up together with its owner.
        if (const HWND parent = GetAncestor(window, GA_PARENT)) {
            if (IsIconic(parent)) ShowWindow(parent, SW_SHOWNOACTIVATE);
            bringWindowToFront(parent);
        }
        if (IsIconic(window)) ShowWindow(window, SW_SHOWNOACTIVATE);
        bringWindowToFront(window);
    }
    itemView->controller->dismiss();
    return true;
}

void TaskViewState::closeListedTasks() {
    for (const TaskWindow& task : shownTasks) postClose(task.window);
}

void TaskViewState::closeSelectedTasks() {
    if (!taskViewActive) return;
    for (int32_t row : selectedRows(itemView->listView))
        if (static_cast<size_t>(row) < shownTasks.size()) postClose(shownTasks[static_cast<size_t>(row)].window);
}

void TaskViewState::closeUnselectedTasks() {
    if (!taskViewActive) return;
    const std::vector<int32_t> selected = selectedRows(itemView->listView);
    for (size_t i = 0; i < shownTasks.size(); ++i)
        if (std::find(selected.begin(), selected.end(), static_cast<int32_t>(i)) == selected.end())
            postClose(shownTasks[i].window);
}

void TaskViewState::startDelayedClose() {
    startDelayedCloseThread(mainWindowOf(*this));
}

namespace {

void autoActivate(TaskViewState& state, int32_t snapshot) {
    MainWindow& mw = *state.itemView->controller->mainWindow;
    if (GetKeyState(VK_CONTROL) < 0) {
        activityCounter = -1;
        return;
    }
    const int32_t now = activityCounter;
    if (now > 0 && now == snapshot && windowText(mw.statusLine).empty() && !mw.inputFromList) state.activateTask(0);
}

} // namespace

LRESULT onTaskMessage(TaskViewState& state, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_TASKS_CHANGED:
        if (state.taskViewActive) state.refreshTasks(false);
        return 0;
    case WM_TASKS_IDLE:
        if (state.taskViewActive) state.itemView->controller->dismiss();
        return 0;
    case WM_TASKS_AUTO_ACTIVATE: autoActivate(state, static_cast<int32_t>(wParam)); return 0;
    case WM_TASKS_DELAYED_CLOSE: state.closeListedTasks(); return 0;
    default: return 0;
    }
}
