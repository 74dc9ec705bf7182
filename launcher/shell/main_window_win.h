#pragma once
// The procedure of the launcher's main window, and what only the shell calls.
#include "main_window_record_win.h"
#include "launcher/resources/app_messages.h"

#include <windows.h>

constexpr uint32_t refusedFileRequest = 0;
constexpr uint32_t unwritableFolderRequest = 1;

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void updateTitle(MainWindow& mainWindow);
void focusInput(MainWindow& mainWindow);
