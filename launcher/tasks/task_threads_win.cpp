#include "task_threads_win.h"

#include "task_view_state_win.h"
#include "window_enumeration_win.h"
#include "launcher/shell/main_window_record_win.h"

namespace {

constexpr DWORD oneShotDelayMs = 1000;

DWORD WINAPI taskRefreshThread(LPVOID parameter) {
    TaskViewState& state = *static_cast<TaskViewState*>(parameter);
    const HWND mainWindow = state.mainWindow->window;
    int32_t idleRounds = 0;
    int32_t snapshot = activityCounter;
    while (IsWindow(mainWindow)) {
        const DWORD period = static_cast<DWORD>(state.refreshPeriodMs.load());
        if (!state.taskViewActive) {
            Sleep(period);
            continue;
        }
        if (collectTaskWindows().size() != state.knownTaskCount) PostMessageW(mainWindow, WM_TASKS_CHANGED, 0, 0);
        Sleep(period);
        const int32_t now = activityCounter;
        if (now != snapshot) {
            snapshot = now;
            idleRounds = 0;
        } else if (++idleRounds > state.idleLimit) {
            PostMessageW(mainWindow, WM_TASKS_IDLE, 0, 0);
            idleRounds = 0;
        }
    }
    return 0;
}

DWORD WINAPI autoActivateThread(LPVOID parameter) {
    const int32_t snapshot = activityCounter;
    Sleep(oneShotDelayMs);
    PostMessageW(static_cast<HWND>(parameter), WM_TASKS_AUTO_ACTIVATE, static_cast<WPARAM>(snapshot), 0);
    return 1;
}

DWORD WINAPI delayedCloseThread(LPVOID parameter) {
    Sleep(oneShotDelayMs);
    PostMessageW(static_cast<HWND>(parameter), WM_TASKS_DELAYED_CLOSE, 0, 0);
    return 1;
}

void startOneShot(LPTHREAD_START_ROUTINE routine, HWND mainWindow) {
    const HANDLE thread = CreateThread(nullptr, 0, routine, mainWindow, 0, nullptr);
    if (thread) CloseHandle(thread);
}

} // namespace

HANDLE startTaskRefreshThread(TaskViewState& state) {
    return CreateThread(nullptr, 0, taskRefreshThread, &state, 0, nullptr);
}

void startAutoActivateThread(HWND mainWindow) {
    startOneShot(autoActivateThread, mainWindow);
}

void startDelayedCloseThread(HWND mainWindow) {
    startOneShot(delayedCloseThread, mainWindow);
}
