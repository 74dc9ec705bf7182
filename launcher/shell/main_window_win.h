#pragma once
// The procedure of the launcher's main window, and what only the shell calls.
#include "main_window_record_win.h"

#include <windows.h>

// Posted when the writer's first try of a file is refused (request
// refusedFileRequest), and by the check at start (unwritableFolderRequest);
// lParam for takeAnswer<WriteOutcome>.
constexpr UINT WM_WRITE_REFUSED = WM_APP + 9;
constexpr uint32_t refusedFileRequest = 0;
constexpr uint32_t unwritableFolderRequest = 1;

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void updateTitle(MainWindow& mainWindow);
void focusInput(MainWindow& mainWindow);
