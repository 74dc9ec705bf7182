#include "task_view_state_win.h"

#include "item_view_fill_win.h"
#include "task_rules.h"
#include "task_threads_win.h"
#include "window_enumeration_win.h"

#include "common/controls_win.h"
#include "launcher/data/config_store.h"
#include "launcher/input/input_handlers_win.h"
#include "launcher/input/matching.h"
#include "launcher/shell/controller_win.h"
#include "launcher/shell/main_window_win.h"

namespace {

void postClose(void* window) {
    PostMessageW(static_cast<HWND>(window), WM_SYSCOMMAND, SC_CLOSE, 0);
}

TaskFilterSettings filterSettings(const TaskViewState& state) {
    TaskFilterSettings settings;
    if (state.config) {
        // One snapshot, so that a reload cannot mix old and new lists.
        const auto snapshot = state.config->settings();
        settings.autoCloseList = snapshot->autoCloseList;
        settings.notShowTaskList = snapshot->notShowTaskList;
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
    if (state.itemView) fillItemView(*state.itemView, state.shownTasks);
}

std::wstring currentQuery(const TaskViewState& state) {
    return lowerText(state.inputHandler ? windowText(state.inputHandler->edit) : std::wstring());
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
        applyTaskFilter(std::move(fresh), currentQuery(*this));
        fillWithShownTasks(*this);
    }
    refreshFree = true;
}

void TaskViewState::applyTaskFilter(std::vector<TaskWindow> fresh, const std::wstring& query) {
    allTasks = std::move(fresh);
    knownTaskCount = allTasks.size();
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
    if (itemView) fillItemView(*itemView, shownTasks);
    refreshFree = true;
}

void refreshTaskList(TaskViewState& taskView, const std::wstring& loweredQuery) {
    taskView.applyTaskFilter(collectTaskWindows(), loweredQuery);
    fillWithShownTasks(taskView);
}

void closeListedTasks(TaskViewState& taskView) {
    for (const TaskWindow& task : taskView.shownTasks) postClose(task.window);
}

void startDelayedClose(TaskViewState& taskView) {
    startDelayedCloseThread(mainWindowOf(taskView));
}

namespace {

void autoActivate(TaskViewState& state, int32_t snapshot) {
    Controller& controller = *state.itemView->controller;
    MainWindow& mw = *controller.mainWindow;
    if (GetKeyState(VK_CONTROL) < 0) {
        activityCounter = -1;
        return;
    }
    const int32_t now = activityCounter;
    if (now > 0 && now == snapshot && windowText(mw.statusLine).empty() && !mw.inputFromList) controller.activateItem(0);
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
    case WM_TASKS_DELAYED_CLOSE: closeListedTasks(state); return 0;
    default: return 0;
    }
}
