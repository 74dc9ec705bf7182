#pragma once
// The procedure of the launcher's main window.
#include "main_window.h"

#include <windows.h>

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
