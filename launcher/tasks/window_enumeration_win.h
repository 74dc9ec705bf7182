#pragma once
// Which top-level windows are tasks. Re-entrant: called from the user-interface
// thread and the task refresh thread alike, and tolerant of vanished windows.
#include "task_window.h"

#include <windows.h>

#include <string>
#include <vector>

bool isExcludedWindow(HWND window);

// The tasks in the system's Z order, topmost first.
std::vector<TaskWindow> collectTaskWindows();

// The first task whose title matches the text as a query, or whose program's
// image path contains the text exactly; null when none does.
HWND findWindowByText(const std::wstring& text);

using ProcessOpening = HANDLE(WINAPI*)(DWORD access, BOOL inherit, DWORD processId);
// Tests see the rights other processes are opened with through this seam;
// null restores OpenProcess.
void replaceProcessOpening(ProcessOpening open);
