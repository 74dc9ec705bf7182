#include "task_view_state_win.h"

#include "item_view_fill_win.h"
#include "task_rules.h"
#include "task_threads_win.h"
#include "window_enumeration_win.h"
#include "common/matching.h"
#include "common/controls_win.h"
#include "launcher/data/config_store.h"
#include "launcher/shell/main_window_record_win.h"

#include <utility>

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

TypedQuery compiledQuery(const TaskViewState& state, const std::wstring& loweredQuery) {
    const bool configured = state.mainWindow && state.mainWindow->config;
    return compileTypedQuery(loweredQuery, configured ? kanaMatching(*state.mainWindow) : KanaMatching());
}

void fillWithShownTasks(TaskViewState& state) {
    if (!state.display) return;
    fillItemView(*state.display, state.mainWindow->itemView, state.shownTasks);
    listsRefilled(*state.mainWindow);
}

std::wstring currentQuery(const TaskViewState& state) {
    return lowerText(state.mainWindow ? windowText(state.mainWindow->inputLine) : std::wstring());
}

void startRefreshThreadOnce(TaskViewState& state) {
    if (!std::exchange(state.refreshThreadStarted, true)) state.refreshThread = startTaskRefreshThread(state);
}

} // namespace

void TaskViewState::showTaskView() {
    if (!taskViewActive) {
        taskViewActive = true;
        // A new thread starting beside the window's creation delays its first showing.
        if (!heldUntilCreated) startRefreshThreadOnce(*this);
        return;
    }
    refreshTasks(true);
}

void TaskViewState::endCreationHold() {
    heldUntilCreated.reset();
    if (taskViewActive) startRefreshThreadOnce(*this);
}

void TaskViewState::refreshTasks(bool force) {
    const RefreshTurn turn(refreshFree);
    if (!turn.taken) return;
    std::vector<TaskWindow> fresh = collectTaskWindows();
    // A changed title or order alone does not redraw the view.
    if (force || fresh.size() != allTasks.size()) {
        applyTaskFilter(std::move(fresh), compiledQuery(*this, currentQuery(*this)));
        fillWithShownTasks(*this);
    }
}

void TaskViewState::applyTaskFilter(std::vector<TaskWindow> fresh, const TypedQuery& query) {
    allTasks = std::move(fresh);
    knownTaskCount = allTasks.size();
    TaskFilterResult result = filterTasks(allTasks, query, filterSettings(*this));
    for (void* window : result.windowsToClose) postClose(window);
    shownTasks = std::move(result.shownTasks);
    if (result.startAutoActivation) startAutoActivateThread(mainWindow->window);
}

void TaskViewState::setTaskViewActive(bool on) {
    taskViewActive = on;
    if (on) return;
    allTasks.clear();
    shownTasks.clear();
    knownTaskCount = 0;
    fillWithShownTasks(*this);
}

void refreshTaskList(TaskViewState& taskView, const std::wstring& loweredQuery) {
    refreshTaskList(taskView, compiledQuery(taskView, loweredQuery));
}

void refreshTaskList(TaskViewState& taskView, const TypedQuery& query) {
    taskView.applyTaskFilter(collectTaskWindows(), query);
    fillWithShownTasks(taskView);
}

void closeListedTasks(TaskViewState& taskView) {
    for (const TaskWindow& task : taskView.shownTasks) postClose(task.window);
}

void startDelayedClose(TaskViewState& taskView) {
    startDelayedCloseThread(taskView.mainWindow->window);
}

LRESULT onTaskMessage(TaskViewState& state, UINT message) {
    switch (message) {
    case WM_TASKS_CHANGED:
        if (state.taskViewActive) state.refreshTasks(false);
        return 0;
    case WM_TASKS_REFRESH:
        if (state.taskViewActive) state.refreshTasks(true);
        return 0;
    case WM_TASKS_DELAYED_CLOSE: closeListedTasks(state); return 0;
    default: return 0;
    }
}
