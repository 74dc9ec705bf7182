#pragma once
// The task view's worker threads. They reach the launcher only by posting the
// private task messages to its main window, and end once that window is gone.
#include <windows.h>

struct TaskViewState;

// Every period: re-enumerate, and ask for a refresh when the number of windows
// changed; after the idle limit without user activity, ask for a dismissal.
HANDLE startTaskRefreshThread(TaskViewState& state);
// One second after a filter left a single task: ask to activate it.
void startAutoActivateThread(HWND mainWindow);
// One second after Ctrl+Space on an empty task view: ask to close what is listed.
void startDelayedCloseThread(HWND mainWindow);
