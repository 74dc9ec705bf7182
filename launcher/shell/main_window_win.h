#pragma once
// The procedure of the launcher's main window, and what only the shell calls.
#include "main_window_record_win.h"

#include <windows.h>

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void updateTitle(MainWindow& mainWindow);
void focusInput(MainWindow& mainWindow);
